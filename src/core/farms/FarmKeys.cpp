#include "farms/FarmKeys.h"

#include "db/Sql.h"

#include <QSqlQuery>

namespace herd {

std::optional<FarmKeys> FarmKeys::read(const QString& farm) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT chovatel_kraj, chovatel_okres, chovatel_zavod, "
                                           "chovatel_chov1 FROM tfarmy WHERE cislo_farmy = ?"),
                            {farm});
    if (!q.next())
        return std::nullopt;
    return FarmKeys{farm,
                    q.value(3).toString(),
                    {q.value(0).toString(), q.value(1).toString(), q.value(2).toString()}};
}

} // namespace herd
