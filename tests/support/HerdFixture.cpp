#include "HerdFixture.h"

#include "db/Schema.h"
#include "db/Sql.h"

#include <QFile>
#include <stdexcept>

using namespace herd;

namespace HerdFixture {

void insertFarm(const QString& number, const QString& name, const Counts& c,
                const QStringList& herds) {
    Sql::exec(QStringLiteral(
                  "INSERT INTO tfarmy (Cislo_farmy, Nazov_farmy, Chovatel_kraj, Chovatel_okres, "
                  "Chovatel_zavod, Chovatel_chov1, Chovatel_chov2, Chovatel_chov3, Chovatel_chov4, "
                  "Register_nazovChovu1, Register_nazovChovu2, Register_nazovChovu3, "
                  "Register_nazovChovu4, Karantena_sekcie, Jalovaren_sekcie, Jalovaren_IndBox, "
                  "Matecnik_sekcie, Skolka_sekcie, Odchovna_sekcie, Vykrm_sekcie) "
                  "VALUES (?, ?, '04', '07', '123', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {number, name, herds.value(0), herds.value(1), herds.value(2), herds.value(3),
               QStringLiteral("Chov 1"), QStringLiteral("Chov 2"), QStringLiteral("Chov 3"),
               QStringLiteral("Chov 4"), c.karantena, c.jalovaren, c.indBox, c.matecnik, c.skolka,
               c.odchovna, c.vykrm});
}

void insertAnimal(const QString& farm, const Animal& a) {
    Sql::exec(
        QStringLiteral("INSERT INTO tanimal (cislo_farmy, jedinec, strom_ust, strom_ktg, "
                       "chovatel_chov, ustajnenie, kod_akcie, datvyr) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, NULLIF(?, ''))"),
        {farm, a.jedinec, a.stromUst, a.stromKtg, a.chov, a.ustajnenie, a.kodAkcie, a.datvyr});
}

void load(const QString& fixture) {
    QFile file(QStringLiteral(WG_FIXTURES "/") + fixture);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("No fixture " + file.fileName()).toStdString());
    for (const QString& statement : Schema::splitStatements(QString::fromUtf8(file.readAll())))
        Sql::exec(statement);
}

} // namespace HerdFixture
