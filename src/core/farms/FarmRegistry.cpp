#include "farms/FarmRegistry.h"

#include "db/Sql.h"

#include <QSqlRecord>

namespace herd {

namespace {

const QString noFarms = QStringLiteral("Nie sú evidované žiadne farmy !");

} // namespace

const QList<FarmColumn>& FarmRegistry::columns() {
    auto c = [](const char* name, const char* caption, int width) {
        return FarmColumn{QString::fromLatin1(name), QString::fromUtf8(caption), width};
    };
    static const QList<FarmColumn> list = {
        c("Cislo_farmy", "register farmy", 6),
        c("Cislo_farmy_OS", "registračné číslo farmy pre číslovanie ošípaných", 5),
        c("Nazov_farmy", "názov farmy", 50),
        c("Adresa_Ulica", "ulica", 30),
        c("Adresa_popCislo", "", 5),
        c("Adresa_PSC", "", 5),
        c("Adresa_obec", "obec", 40),
        c("Telefon", "telefón", 15),
        c("Mobil", "mobil", 15),
        c("Chovatel_kraj", "kraj", 2),
        c("Chovatel_okres", "okres", 2),
        c("Chovatel_zavod", "podnik", 3),
        c("Chovatel_chov1", "chov", 2),
        c("Register_nazovChovu1", "názov", 30),
        c("Register_chovKU1", "v KÚ", 1),
        c("Chovatel_chov2", "chov", 2),
        c("Register_nazovChovu2", "názov", 30),
        c("Register_chovKU2", "v KÚ", 1),
        c("Chovatel_chov3", "chov", 2),
        c("Register_nazovChovu3", "názov", 30),
        c("Register_chovKU3", "v KÚ", 1),
        c("Chovatel_chov4", "chov", 2),
        c("Register_nazovChovu4", "názov", 30),
        c("Register_chovKU4", "v KÚ", 1),
        c("Dni_odstavu", "počet dní odstavu", 0),
        c("Dni_skolka", "počet dní v škôlke", 0),
        c("Dni_vykrm", "počet dní vo výkrme", 0),
        c("Karantena_sekcie", "- počet sekcií:", 0),
        c("Jalovaren_sekcie", "- počet sekcií:", 0),
        c("Jalovaren_IndBox", "- počet sád ind. boxov:", 0),
        c("Matecnik_sekcie", "- počet sekcií:", 0),
        c("Skolka_sekcie", "- počet sekcií:", 0),
        c("Odchovna_sekcie", "", 0),
        c("Vykrm_sekcie", "- počet sekcií:", 0),
    };
    return list;
}

QList<FarmRecord> FarmRegistry::all() {
    QStringList names;
    for (const FarmColumn& c : columns())
        names.append(c.name);
    names.append(QStringLiteral("Aktualna"));
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT ") + names.join(QLatin1Char(',')) +
                            QStringLiteral(" FROM tfarmy ORDER BY cislo_farmy"));
    QList<FarmRecord> farms;
    while (q.next()) {
        FarmRecord record;
        for (int i = 0; i < names.size(); ++i)
            record.insert(names.at(i), q.value(i));
        farms.append(record);
    }
    return farms;
}

QList<FarmEntry> FarmRegistry::entries() {
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT cislo_farmy, concat(cislo_farmy,' ',COALESCE(nazov_farmy,'')) AS farma "
        "FROM tfarmy"));
    QList<FarmEntry> list;
    while (q.next())
        list.append({q.value(0).toString(), q.value(1).toString()});
    return list;
}

bool FarmRegistry::anyFarm() {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM tfarmy")).toInt() > 0;
}

std::optional<Notice> FarmRegistry::listRefusal() {
    if (anyFarm())
        return std::nullopt;
    return Notice::error(QStringLiteral("Zoznam fariem"), noFarms);
}

std::optional<Notice> FarmRegistry::choiceRefusal() {
    if (anyFarm())
        return std::nullopt;
    return Notice::error(QStringLiteral("Aktuálna farma"), noFarms);
}

std::optional<Notice> FarmRegistry::save(const QString& original, const FarmRecord& record) {
    if (record.value(QStringLiteral("Cislo_farmy")).toString().trimmed().isEmpty())
        return Notice::error(QStringLiteral("Farmy"),
                             QStringLiteral("Register farmy musí byť vyplnený !"));
    QStringList names;
    QVariantList values;
    for (const FarmColumn& c : columns()) {
        names.append(c.name);
        QVariant v = record.value(c.name);
        if (c.number()) {
            // An empty section count is 0; the other numbers stay unknown.
            const QString text = v.toString().trimmed();
            const bool count = c.name.endsWith(QLatin1String("_sekcie")) ||
                               c.name.endsWith(QLatin1String("_IndBox"));
            if (!text.isEmpty())
                v = text.toInt();
            else
                v = count ? QVariant(0) : QVariant(QMetaType::fromType<int>());
        } else {
            v = v.toString();
        }
        values.append(v);
    }
    if (original.isEmpty()) {
        QStringList marks(names.size(), QStringLiteral("?"));
        Sql::exec(QStringLiteral("INSERT INTO tfarmy (") + names.join(QLatin1Char(',')) +
                      QStringLiteral(") VALUES (") + marks.join(QLatin1Char(',')) +
                      QLatin1Char(')'),
                  values);
    } else {
        QStringList sets;
        for (const QString& name : names)
            sets.append(name + QStringLiteral(" = ?"));
        values.append(original);
        Sql::exec(QStringLiteral("UPDATE tfarmy SET ") + sets.join(QLatin1Char(',')) +
                      QStringLiteral(" WHERE cislo_farmy = ?"),
                  values);
    }
    return std::nullopt;
}

void FarmRegistry::remove(const QString& number) {
    Sql::exec(QStringLiteral("DELETE FROM tfarmy WHERE cislo_farmy = ?"), {number});
}

} // namespace herd
