#include "farms/FarmRegistry.h"

#include "db/Sql.h"

#include <QHash>
#include <QSqlRecord>

namespace herd {

namespace {

const QString noFarms = QStringLiteral("Nie sú evidované žiadne farmy !");
const QString title = QStringLiteral("Farmy");

// A section code is the kind's letter and two digits (K01 … K99).
constexpr int maxSections = 99;

bool isSectionCount(const QString& column) {
    return column.endsWith(QLatin1String("_sekcie")) || column.endsWith(QLatin1String("_IndBox"));
}

// The housing kind a section count belongs to, as the form names it.
QString housingOf(const QString& column) {
    static const QHash<QString, QString> names = {
        {QStringLiteral("Karantena_sekcie"), QStringLiteral("Karanténa")},
        {QStringLiteral("Jalovaren_sekcie"), QStringLiteral("Jalováreň")},
        {QStringLiteral("Jalovaren_IndBox"), QStringLiteral("Jalováreň - ind. boxy")},
        {QStringLiteral("Matecnik_sekcie"), QStringLiteral("Matečník")},
        {QStringLiteral("Skolka_sekcie"), QStringLiteral("Škôlka")},
        {QStringLiteral("Odchovna_sekcie"), QStringLiteral("Odchovňa")},
        {QStringLiteral("Vykrm_sekcie"), QStringLiteral("Výkrm")},
    };
    return names.value(column, column);
}

// The herd tables that hold a farm's animals and events under its number.
const char* const herdTables[] = {"tanimal",   "tpraspev", "tprasins", "tprasopr",
                                  "tprashist", "tkance",   "tpotpev",  "tpotpoh",
                                  "tprassvjh", "tvjhpev",  "tvjhpoh",  "tvykrm"};

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
        // A NULL comes back as an untyped, empty value: Qt's typed null of a
        // number reads as "0" and would be shown and stored as 0.
        for (int i = 0; i < names.size(); ++i)
            record.insert(names.at(i), q.isNull(i) ? QVariant() : q.value(i));
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
        return Notice::error(title, QStringLiteral("Register farmy musí byť vyplnený !"));
    const QString number = record.value(QStringLiteral("Cislo_farmy")).toString().trimmed();
    QStringList names;
    QVariantList values;
    for (const FarmColumn& c : columns()) {
        names.append(c.name);
        QVariant v = record.value(c.name);
        if (c.number()) {
            // An empty section count is 0; the day counts stay unknown (NULL,
            // an invalid QVariant: a typed one would bind as 0).
            const QString text = v.toString().trimmed();
            const bool count = isSectionCount(c.name);
            if (!text.isEmpty())
                v = text.toInt();
            else
                v = count ? QVariant(0) : QVariant();
            // More sections than two digits can number could never be chosen.
            if (count && v.toInt() > maxSections)
                return Notice::error(title,
                                     QStringLiteral("Počet sekcií - %1 - môže byť najviac %2 !")
                                         .arg(housingOf(c.name))
                                         .arg(maxSections));
        } else {
            v = v.toString();
        }
        values.append(v);
    }
    if (number != original.trimmed()) {
        if (Sql::value(QStringLiteral("SELECT COUNT(*) FROM tfarmy WHERE cislo_farmy = ?"),
                       {number})
                .toInt() > 0)
            return Notice::error(
                title, QStringLiteral("Farma s registrom %1 je už evidovaná !").arg(number));
        // The animals and events of a farm stay under its number: renaming
        // tfarmy alone would leave them behind.
        if (!original.isEmpty() && holdsHerd(original))
            return Notice::error(title, QStringLiteral("Register farmy %1 nie je možné zmeniť, "
                                                       "farma má v databáze evidované ošípané !")
                                            .arg(original));
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

bool FarmRegistry::holdsHerd(const QString& number) {
    QStringList exists;
    QVariantList values;
    for (const char* table : herdTables) {
        exists.append(QStringLiteral("EXISTS (SELECT 1 FROM %1 WHERE cislo_farmy = ?)")
                          .arg(QLatin1String(table)));
        values.append(number);
    }
    return Sql::value(QStringLiteral("SELECT ") + exists.join(QStringLiteral(" OR ")), values)
        .toBool();
}

void FarmRegistry::remove(const QString& number) {
    Sql::exec(QStringLiteral("DELETE FROM tfarmy WHERE cislo_farmy = ?"), {number});
}

} // namespace herd
