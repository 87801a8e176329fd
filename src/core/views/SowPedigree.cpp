#include "views/SowPedigree.h"

#include "views/SowSql.h"

namespace herd::SowPedigree {

namespace {

// A female identifier of 14 characters as "kk oo zzz cc  mmmmm".
QString female(const QString& id, const QString& alias) {
    return QStringLiteral("CONCAT(SUBSTRING(%1 FROM 1 FOR 2),' ',SUBSTRING(%1 FROM 3 FOR 2),' ',"
                          "SUBSTRING(%1 FROM 5 FOR 3),' ',SUBSTRING(%1 FROM 8 FOR 2),'  ',"
                          "SUBSTRING(%1 FROM 10 FOR 5)) AS %2")
        .arg(id, alias);
}

// A male identifier of 9 characters as "llll rrrrr".
QString male(const QString& id, const QString& alias) {
    return QStringLiteral("CONCAT(SUBSTRING(%1 FROM 1 FOR 4),' ',SUBSTRING(%1 FROM 5 FOR 5)) AS %2")
        .arg(id, alias);
}

} // namespace

QSqlQuery pedigree(const SowKey& key) {
    // The enrolment writes the sow's tree row with prasnica_farma '00000' and
    // herd '00', so the row is found by its name (the sow number) on the farm;
    // a row of the sow's own herd wins over one of herd '00'.
    return SowSql::run(
        QStringLiteral("SELECT t.prasnica_farma,t.datum_narodenia,") + SowSql::earNumber("t") +
            QStringLiteral(",t.kod_krajiny_num,t.plemeno_ku,p.jedinec,") + ancestors() +
            QStringLiteral(",k.nazov AS nazov_krajiny,z.nazov_plemena FROM tpraspev AS t "
                           "LEFT JOIN tanimal AS p ON (p.cislo_farmy = t.cislo_farmy AND "
                           "p.jedinec = t.prasnica_farma AND "
                           "p.chovatel_chov IN (t.chovatel_chov, '00')) ") +
            SowSql::countryAndBreedJoins() + QStringLiteral("WHERE ") + SowKey::where("t") +
            QStringLiteral(" ORDER BY p.chovatel_chov = t.chovatel_chov DESC LIMIT 1"),
        key);
}

QString ancestors(const QString& dam, const QString& sire) {
    return female(dam, QStringLiteral("rmatka")) + QLatin1Char(',') +
           male(sire, QStringLiteral("rotec")) + QLatin1Char(',') +
           female(QStringLiteral("p.matka_matky"), QStringLiteral("rmatka_matky")) +
           QLatin1Char(',') + male(QStringLiteral("p.otec_matky"), QStringLiteral("rotec_matky")) +
           QLatin1Char(',') +
           female(QStringLiteral("p.matka_otca"), QStringLiteral("rmatka_otca")) +
           QLatin1Char(',') + male(QStringLiteral("p.otec_otca"), QStringLiteral("rotec_otca"));
}

} // namespace herd::SowPedigree
