#include "bonitation/BonitationHerd.h"

#include "db/Sql.h"
#include "farms/ChovFar.h"

namespace herd {

QString BonitationHerd::code() const {
    return QStringList{kraj, okres, zavod, chov}.join(QLatin1Char('-'));
}

QString BonitationHerd::where(const QString& alias) {
    const QString a = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    return a + QStringLiteral("chovatel_kraj = ? AND ") + a +
           QStringLiteral("chovatel_okres = ? AND ") + a +
           QStringLiteral("chovatel_zavod = ? AND ") + a + QStringLiteral("chovatel_chov = ?");
}

QList<BonitationHerd> BonitationHerd::ofChovFar() {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT chovatel_kraj, chovatel_okres, chovatel_zavod, "
                                           "chovatel_chov, register_nazovChovu FROM chov_far"));
    QList<BonitationHerd> herds;
    while (q.next())
        herds.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                      q.value(3).toString(), q.value(4).toString()});
    return herds;
}

QList<BonitationHerd> BonitationHerd::ofFarm(const QString& farm) {
    QList<BonitationHerd> herds;
    for (const QVariantList& h : ChovFar::herdsOf(farm))
        herds.append(
            {h[0].toString(), h[1].toString(), h[2].toString(), h[3].toString(), h[4].toString()});
    return herds;
}

std::optional<BonitationHerd> BonitationHerd::find(const QList<BonitationHerd>& herds,
                                                   const QString& code) {
    const QString wanted = code.trimmed();
    for (const BonitationHerd& h : herds)
        if (h.code() == wanted)
            return h;
    return std::nullopt;
}

} // namespace herd
