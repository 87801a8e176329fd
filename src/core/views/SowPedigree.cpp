#include "views/SowPedigree.h"

#include "views/SowSql.h"

namespace herd::SowPedigree {

namespace {

QString female(const QString& column, const QString& alias) {
    return QStringLiteral(
               "CONCAT(SUBSTRING(p.%1 FROM 1 FOR 2),' ',SUBSTRING(p.%1 FROM 3 FOR 2),' ',"
               "SUBSTRING(p.%1 FROM 5 FOR 3),' ',SUBSTRING(p.%1 FROM 8 FOR 2),'  ',"
               "SUBSTRING(p.%1 FROM 10 FOR 5)) AS %2")
        .arg(column, alias);
}

QString male(const QString& column, const QString& alias) {
    return QStringLiteral(
               "CONCAT(SUBSTRING(p.%1 FROM 1 FOR 4),' ',SUBSTRING(p.%1 FROM 5 FOR 5)) AS %2")
        .arg(column, alias);
}

} // namespace

QSqlQuery pedigree(const SowKey& key) {
    // The enrolment writes the sow's tree row with prasnica_farma '00000' and
    // herd '00', so the row is found by its name (the sow number) on the farm;
    // a row of the sow's own herd wins over one of herd '00'.
    return SowSql::run(
        QStringLiteral("SELECT t.prasnica_farma,t.datum_narodenia,") + SowSql::earNumber("t") +
            QStringLiteral(",t.kod_krajiny_num,t.plemeno_ku,p.jedinec,") +
            female("matka", "rmatka") + QLatin1Char(',') + male("otec", "rotec") +
            QLatin1Char(',') + female("matka_matky", "rmatka_matky") + QLatin1Char(',') +
            male("otec_matky", "rotec_matky") + QLatin1Char(',') +
            female("matka_otca", "rmatka_otca") + QLatin1Char(',') +
            male("otec_otca", "rotec_otca") +
            QStringLiteral(",k.nazov AS nazov_krajiny,z.nazov_plemena FROM tpraspev AS t "
                           "LEFT JOIN tanimal AS p ON (p.cislo_farmy = t.cislo_farmy AND "
                           "p.jedinec = t.prasnica_farma AND "
                           "p.chovatel_chov IN (t.chovatel_chov, '00')) ") +
            SowSql::countryAndBreedJoins() + QStringLiteral("WHERE ") + SowKey::where("t") +
            QStringLiteral(" ORDER BY p.chovatel_chov = t.chovatel_chov DESC LIMIT 1"),
        key);
}

} // namespace herd::SowPedigree
