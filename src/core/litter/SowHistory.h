#pragma once

#include "db/PreparedStatement.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

namespace herd {

// One event of a sow's life as the litter-sheet batches weigh it.
struct SowEvent {
    enum class Type { None = 0, Mating = 1, Litter = 2 };

    Type type = Type::None;
    QDate date;
    int order = 0;           // poradie_pripustenia of a mating
    QString sign;            // prasnica_cka of a mating
    int reInseminations = 0; // pocer_REins of a mating
    QString boarLine;        // linia_kanca, register_kanca of a mating
    QString boarRegister;
    QString character; // kod_charvrh of a litter (Priebvrh)
    QString evenness;  // kod_VyV of a litter (Vyrovvrh)
    QDate weaned;      // datum_odstavu of a litter; invalid when not weaned
};

// The sow's matings and litters in date order (a mating before a litter of
// the same day), read with bound values in one statement, so it can run
// inside a batch transaction (no work view).
namespace SowHistory {
QList<SowEvent> read(const QString& farm, const QString& herd, const QString& sow);
// The same read, prepared once for a loop over many sows.
class Reader {
public:
    Reader();
    QList<SowEvent> read(const QString& farm, const QString& herd, const QString& sow);

private:
    PreparedStatement m_statement;
};

// The key of a sow in the maps below: herd and sow number.
QString key(const QString& herd, const QString& sow);

// The histories of every sow named by a batch table's rows (its
// Chovatel_chov and Prasnica_farma), in one statement; the batch table's
// name comes from the batch kind's fixed list.
QHash<QString, QList<SowEvent>> readForBatch(const QString& farm, const QString& batchTable);
} // namespace SowHistory

} // namespace herd
