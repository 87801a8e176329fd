#include "farms/ChovFar.h"

#include "db/Sql.h"
#include "db/Transaction.h"

namespace herd {

void ChovFar::rebuild(const QString& farm) {
    Sql::exec(QStringLiteral("DROP TABLE IF EXISTS chov_far"));
    Sql::exec(QStringLiteral(
        "CREATE TABLE chov_far (Chovatel_kraj CHAR (2),Chovatel_okres CHAR (2),"
        "Chovatel_zavod CHAR (3),Chovatel_chov CHAR (2),Register_nazovChovu VARCHAR (30)) "
        "ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci"));

    const QList<QVariantList> herds = herdsOf(farm);
    Transaction transaction;
    for (const QVariantList& herd : herds)
        Sql::exec(QStringLiteral("INSERT INTO chov_far (chovatel_kraj,chovatel_okres,"
                                 "chovatel_zavod,chovatel_chov,register_nazovChovu) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  herd);
    transaction.commit();
}

QList<QVariantList> ChovFar::herdsOf(const QString& farm) {
    QSqlQuery q = Sql::exec(
        QStringLiteral("SELECT chovatel_kraj, chovatel_okres, chovatel_zavod, "
                       "chovatel_chov1, chovatel_chov2, chovatel_chov3, chovatel_chov4, "
                       "register_nazovchovu1, register_nazovchovu2, register_nazovchovu3, "
                       "register_nazovchovu4 FROM tfarmy WHERE cislo_farmy = ?"),
        {farm});
    QList<QVariantList> herds;
    if (!q.next())
        return herds;
    for (int herd = 0; herd < 4; ++herd) {
        const QString code = q.value(3 + herd).toString();
        // A herd is in use when its code sorts after "00" (neither empty nor "00").
        if (code <= QLatin1String("00"))
            continue;
        herds.append({q.value(0), q.value(1), q.value(2), code, q.value(7 + herd)});
    }
    return herds;
}

} // namespace herd
