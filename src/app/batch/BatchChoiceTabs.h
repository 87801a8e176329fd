#pragma once

#include <QStringList>

class QComboBox;
class QTabWidget;
class QWidget;

// The two tabs every litter-sheet batch panel opens with: "&Vstup dát" with
// the input choice ComboBoxVstupDatPonuka (the kind's items) and
// "&Aktualizácia " with the update choice ComboBoxAktualizaciaPonuka.
struct BatchChoiceTabs {
    QTabWidget* tabs = nullptr;
    QComboBox* input = nullptr;
    QComboBox* update = nullptr;

    static BatchChoiceTabs build(const QString& tabsName, const QStringList& inputItems,
                                 QWidget* parent);
};
