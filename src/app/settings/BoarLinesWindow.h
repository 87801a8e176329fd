#pragma once

#include <QDialog>

class QRadioButton;
class ReadOnlyGrid;

// "Línie kancov": the boar lines by number or by name, read-only.
class BoarLinesWindow : public QDialog {
    Q_OBJECT
public:
    explicit BoarLinesWindow(QWidget* parent = nullptr);

    QRadioButton* byNumber() const { return m_byNumber; }
    QRadioButton* byName() const { return m_byName; }
    ReadOnlyGrid* grid() const { return m_grid; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showLines(bool byName);

    QRadioButton* m_byNumber;
    QRadioButton* m_byName;
    ReadOnlyGrid* m_grid;
};
