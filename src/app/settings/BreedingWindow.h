#pragma once

#include <QDialog>

class QCheckBox;
class ReadOnlyGrid;

// "Plemenitba ...": the breeds and the mating combinations, read-only.
class BreedingWindow : public QDialog {
    Q_OBJECT
public:
    explicit BreedingWindow(QWidget* parent = nullptr);

    QCheckBox* breedsBox() const { return m_breedsBox; }
    QCheckBox* combinationsBox() const { return m_combinationsBox; }
    ReadOnlyGrid* breeds() const { return m_breeds; }
    ReadOnlyGrid* combinations() const { return m_combinations; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* m_breedsBox;
    QCheckBox* m_combinationsBox;
    ReadOnlyGrid* m_breeds;
    ReadOnlyGrid* m_combinations;
};
