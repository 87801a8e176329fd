#include "litter/OffspringDocuments.h"

#include "db/Sql.h"
#include "litter/OffspringKey.h"
#include "litter/OffspringRows.h"
#include "register/OffspringDocument.h"

#include <QSqlQuery>

namespace herd::OffspringDocuments {

int write(const FarmKeys& farm, const Progress& progress) {
    const QString selected = OffspringRows::selected(QStringLiteral("d"));
    const int total =
        Sql::value(QStringLiteral("SELECT COUNT(*) FROM davka_pot d WHERE ") + selected).toInt();
    QSqlQuery q =
        Sql::exec(QStringLiteral("SELECT d.Chovatel_chov, d.Prasnica_farma, d.Datum_oprasenia, %1, "
                                 "d.Cecky, d.Kod_kategorie FROM davka_pot d WHERE %2 "
                                 "ORDER BY d.Chovatel_chov, d.Prasnica_farma, d.Datum_oprasenia, "
                                 "d.davka_pot_ID")
                      .arg(OffspringKey::documentEarSql(QStringLiteral("d.Usne_cislo")), selected));
    int step = 0;
    QList<OffspringData> litters;
    OffspringData litter;
    auto flush = [&] {
        if (!litter.piglets.isEmpty())
            litters.append(litter);
        litter.piglets.clear();
    };
    while (q.next()) {
        const QString herd = q.value(0).toString();
        const QString dam = q.value(1).toString();
        const QDate farrowed = q.value(2).toDate();
        if (herd != litter.chov || dam != litter.dam || farrowed != litter.farrowed) {
            flush();
            litter = OffspringData{farm.farm, farm.codes, herd, dam, farrowed, {}};
        }
        litter.piglets.append(
            {q.value(3).toString(), q.value(4).toString(), q.value(5).toString()});
        report(progress, total, ++step);
    }
    flush();
    return OffspringDocument::writeAll(litters);
}

} // namespace herd::OffspringDocuments
