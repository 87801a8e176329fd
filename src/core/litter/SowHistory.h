#pragma once

#include "db/PreparedStatement.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

namespace herd {

// One event of a sow's life as the mating batch weighs it.
struct SowEvent {
    enum class Type { None = 0, Mating = 1, Litter = 2 };

    Type type = Type::None;
    QDate date;
    int order = 0;           // poradie_pripustenia of a mating
    QString sign;            // prasnica_cka of a mating
    int reInseminations = 0; // pocer_REins of a mating
};

// The sow's matings and litters in date order, read with bound values in one
// statement, so it can run inside a batch transaction (no work view).
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
// The events of every sow listed in a batch table (its Chovatel_chov and
// Prasnica_farma columns), by key(herd, sow), in one statement.
QHash<QString, QList<SowEvent>> readListed(const QString& farm, const char* batchTable);
// The text that keys a sow in readListed's answer.
QString key(const QString& herd, const QString& sow);
} // namespace SowHistory

} // namespace herd
