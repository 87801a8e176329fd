#include "demo/DemoFarm.h"

#include "common/Padding.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "farms/FarmRegistry.h"

#include <QDate>
#include <algorithm>

namespace herd::DemoFarm {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

struct BoarLine {
    const char* line;
    const char* breed;
    const char* damBreed; // the sows it serves
};
// Purebred sows get boars of their own breed; the crossbred sows a terminal sire.
const BoarLine lines[] = {
    {"1101", "11000000", "11000000"}, {"1102", "11000000", "11000000"},
    {"2201", "22000000", "22000000"}, {"2202", "22000000", "22000000"},
    {"3301", "33000000", "12000000"}, {"3302", "33000000", "12000000"},
    {"4401", "44000000", "12000000"}, {"4402", "44000000", "12000000"},
};
constexpr int boarsPerLine = 3;

QString boarTreeName(const QString& line, const QString& reg) {
    return line + QLatin1Char(' ') + reg;
}

} // namespace

FarmKeys create(int index, int sows) {
    int number = 900001;
    while (Sql::value(QStringLiteral("SELECT 1 FROM tfarmy WHERE cislo_farmy = ?"),
                      {QString::number(number)})
               .isValid())
        ++number;
    const QString farm = QString::number(number);
    const int farrowingSections = std::clamp(sows / 50, 2, 40);
    FarmRecord r;
    r.insert(QStringLiteral("Cislo_farmy"), farm);
    r.insert(QStringLiteral("Cislo_farmy_OS"), farm.right(5));
    r.insert(QStringLiteral("Nazov_farmy"),
             index == 1 ? u("Demonštračná farma") : u("Demonštračná farma %1").arg(index));
    r.insert(QStringLiteral("Adresa_Ulica"), u("Poľná"));
    r.insert(QStringLiteral("Adresa_popCislo"), QString::number(10 + index));
    r.insert(QStringLiteral("Adresa_PSC"), QStringLiteral("94901"));
    r.insert(QStringLiteral("Adresa_obec"), QStringLiteral("Nitra"));
    r.insert(QStringLiteral("Chovatel_kraj"), QStringLiteral("04"));
    r.insert(QStringLiteral("Chovatel_okres"), QStringLiteral("03"));
    r.insert(QStringLiteral("Chovatel_zavod"), padLeftZeros(QString::number(100 + index), 3));
    r.insert(QStringLiteral("Chovatel_chov1"), QStringLiteral("01"));
    r.insert(QStringLiteral("Register_nazovChovu1"), u("Šľachtiteľský chov"));
    r.insert(QStringLiteral("Register_chovKU1"), QStringLiteral("1"));
    r.insert(QStringLiteral("Dni_odstavu"), weaningDays);
    r.insert(QStringLiteral("Dni_skolka"), 42);
    r.insert(QStringLiteral("Dni_vykrm"), 110);
    r.insert(QStringLiteral("Karantena_sekcie"), 2);
    r.insert(QStringLiteral("Jalovaren_sekcie"), std::clamp(sows / 150, 2, 10));
    r.insert(QStringLiteral("Jalovaren_IndBox"), 2);
    r.insert(QStringLiteral("Matecnik_sekcie"), farrowingSections);
    r.insert(QStringLiteral("Skolka_sekcie"), std::clamp(sows / 100, 2, 20));
    r.insert(QStringLiteral("Odchovna_sekcie"), 2);
    r.insert(QStringLiteral("Vykrm_sekcie"), std::clamp(sows / 100, 2, 20));
    if (const auto refusal = FarmRegistry::save({}, r))
        throw SqlError(refusal->text);
    const std::optional<FarmKeys> keys = FarmKeys::read(farm);
    if (!keys)
        throw SqlError(u("Demonštračná farma %1 sa nezapísala.").arg(farm));
    return *keys;
}

QList<DemoBoar> boars(const FarmKeys& farm) {
    QList<DemoBoar> list;
    for (const BoarLine& l : lines) {
        for (int i = 1; i <= boarsPerLine; ++i) {
            DemoBoar b{QString::fromLatin1(l.line), QStringLiteral("1000") + QString::number(i),
                       QString::fromLatin1(l.breed)};
            Sql::exec(QStringLiteral(
                          "INSERT IGNORE INTO tkance (linia_kanca, register_kanca, cislo_farmy, "
                          "chovatel_kraj, chovatel_okres, chovatel_zavod, chovatel_chov, "
                          "plemeno_ku, datum_narodenia, cecky, kod_krajiny_num, ustajnenie, "
                          "datum_presunu, kod_akcie, datum_akcie, datum_zaradenia, kod_vyrKU) "
                          "VALUES (?, ?, ?, ?, ?, ?, '01', ?, ?, '14', '00', 'KAN', ?, '02', ?, ?, "
                          "'00')"),
                      {b.line, b.reg, farm.farm, farm.codes.kraj, farm.codes.okres,
                       farm.codes.zavod, b.breed, QDate(2018, 3, i), QDate(2019, 1, 1),
                       QDate(2019, 1, 1), QDate(2019, 1, 1)});
            Sql::exec(QStringLiteral(
                          "INSERT IGNORE INTO tanimal (cislo_farmy, jedinec, strom_ust, strom_ktg, "
                          "kod_kategorie, image_kategorie, image_hlusutaj, image_ustaj, linia, "
                          "register, chovatel_kraj, chovatel_okres, chovatel_zavod, "
                          "chovatel_chov, ustajnenie, datum_presunu, datum_potvrdenia_presunu, "
                          "kod_akcie, datum_akcie) VALUES (?, ?, '6', '1', '2', '4', '0', '0', ?, "
                          "?, ?, ?, ?, '00', 'KAN', ?, ?, '02', ?)"),
                      {farm.farm, boarTreeName(b.line, b.reg), b.line, b.reg, farm.codes.kraj,
                       farm.codes.okres, farm.codes.zavod, QDate(2019, 1, 1), QDate(2019, 1, 1),
                       QDate(2019, 1, 1)});
            list.append(b);
        }
    }
    return list;
}

QList<DemoBoar> boarsFor(const QList<DemoBoar>& all, const QString& sowBreed) {
    QList<DemoBoar> list;
    for (const BoarLine& l : lines)
        if (sowBreed == QLatin1String(l.damBreed))
            for (const DemoBoar& b : all)
                if (b.line == QLatin1String(l.line))
                    list.append(b);
    return list;
}

} // namespace herd::DemoFarm
