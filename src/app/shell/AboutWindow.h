#pragma once

#include <QDialog>

// "O aplikácii": the program's name, purpose, version and date.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};
