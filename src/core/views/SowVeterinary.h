#pragma once

#include "common/Notice.h"
#include "views/SowKey.h"

#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QStringList>
#include <optional>

namespace herd {

// The veterinary actions of one sow: her history rows with action '14'.
class SowVeterinary {
public:
    // The breeder codes of the herd the sow belongs to, read from her row.
    struct Breeder {
        QString kraj, okres, zavod;
    };
    // One recorded action, as the editing panel shows it.
    struct Action {
        int id = 0;     // tprashist_id
        int ukonId = 0; // cveterukony_ID
        QDate date;
    };

    // Nothing when the farm does not hold the sow.
    static std::optional<Breeder> breeder(const SowKey& key);
    // The breeder columns (chovatel_kraj, chovatel_okres, chovatel_zavod) of a
    // row already read, such as the sow's header.
    static Breeder breederOf(const QSqlRecord& row);
    // The choice "úkon": "0004  name" for each action of the code table.
    static QStringList choices();
    // The same choices from the actions already read by ukony().
    static QStringList choices(const QList<std::pair<int, QString>>& ukony);
    // The action number in the first four characters of a choice; 0 for none.
    static int ukonOf(const QString& choice);
    // (identifier, name) of every action, for the lookup of the editing panel.
    static QList<std::pair<int, QString>> ukony();

    // The date as the field shows it, "dd.mm.yy" (or with a four-digit year);
    // nothing when it is no date.
    static std::optional<QDate> readDate(const QString& text);
    static Notice badDate();
    static Notice noCodes();

    // The sow's recorded veterinary actions in date order.
    static QList<Action> actions(const SowKey& key);
    // Records a new action of the sow's herd.
    static void report(const SowKey& key, const Breeder& breeder, int ukon, const QDate& date);
    // Corrects or removes a recorded action of this sow (never another row).
    static void update(const SowKey& key, int id, int ukon, const QDate& date);
    static void remove(const SowKey& key, int id);
};

} // namespace herd
