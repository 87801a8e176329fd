#pragma once

#include "common/Notice.h"

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

namespace herd {

// A planned veterinary action (cveterukony): done in a housing, a number of
// days after a zootechnical action.
struct PlannedAction {
    int id = 0; // 0 for a new action
    QString name;
    QString vaccine;
    QString housing; // Ustajnenie: the housing kind's name ("Matečník")
    QString action;  // kod_akcie
    int day = 0;
};

class VeterinaryPlan {
public:
    using Choice = QPair<QString, QString>; // stored value, shown name

    static QList<PlannedAction> list();
    // The farm's housing kinds, one per name, stored by the name.
    static QList<Choice> housings();
    static QList<Choice> actions();

    static std::optional<Notice> check(PlannedAction& action);
    // Inserts a new action or updates an existing one; returns its id.
    static int save(const PlannedAction& action);
    static void remove(int id);
    static QString title() { return QStringLiteral("Veterinárne úkony"); }
};

} // namespace herd
