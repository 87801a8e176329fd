#include "litter/RecomputeLitterBreed.h"

#include "db/Sql.h"
#include "litter/LitterHybrid.h"

#include <QDate>
#include <QSqlQuery>

namespace herd::RecomputeLitterBreed {

namespace {

struct Litter {
    QString farm, herd, sow;
    QDate farrowed;
    QString boarLine, boarRegister;
};

// The litters of the condition with their fertile boar, read whole before
// any of them is updated.
QList<Litter> litters(const QString& where, const QVariantList& values) {
    QSqlQuery q = Sql::exec(
        QStringLiteral("SELECT o.cislo_farmy, o.chovatel_chov, o.prasnica_farma, "
                       "o.datum_oprasenia, i.linia_kanca, i.register_kanca "
                       "FROM tprasopr o LEFT JOIN tprasins i ON %1 WHERE %2 "
                       "ORDER BY o.cislo_farmy, o.chovatel_chov, o.prasnica_farma, "
                       "o.datum_oprasenia")
            .arg(LitterHybrid::fertileMatingJoin(QStringLiteral("o"), QStringLiteral("i")), where),
        values);
    QList<Litter> out;
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                    q.value(3).toDate(), q.value(4).toString(), q.value(5).toString()});
    return out;
}

bool hasBoar(const Litter& l) {
    return l.boarLine > QLatin1String("0000") && l.boarRegister > QLatin1String("00000");
}

void store(const Litter& l, const QString& breed) {
    LitterHybrid::store(l.farm, l.herd, l.sow, l.farrowed, breed);
}

} // namespace

void forSow(const QString& farm, const QString& herd, const QString& sow) {
    const QString damBreed = LitterHybrid::sowBreed(farm, herd, sow);
    for (const Litter& l : litters(QStringLiteral("o.cislo_farmy = ? AND o.chovatel_chov = ? "
                                                  "AND o.prasnica_farma = ?"),
                                   {farm, herd, sow})) {
        const QString sireBreed = hasBoar(l) ? LitterHybrid::boarBreed(l.boarLine, l.boarRegister)
                                             : QStringLiteral("00000000");
        store(l, LitterHybrid::hybridOf(damBreed, sireBreed));
    }
}

void forBoar(const QString& boarLine, const QString& boarRegister) {
    const QString sireBreed = LitterHybrid::boarBreed(boarLine, boarRegister);
    for (const Litter& l : litters(QStringLiteral("i.linia_kanca = ? AND i.register_kanca = ?"),
                                   {boarLine, boarRegister}))
        store(l, LitterHybrid::hybridOf(LitterHybrid::sowBreed(l.farm, l.herd, l.sow), sireBreed));
}

} // namespace herd::RecomputeLitterBreed
