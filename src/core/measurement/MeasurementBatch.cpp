#include "measurement/MeasurementBatch.h"

#include "common/DateText.h"
#include "db/Config.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "db/Transaction.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <algorithm>

namespace herd {

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}

const char* const emptyText = "Dávka nameraných údajov nie je vytvorená !";
const char* const duplicatesText =
    "Dávka nameraných údajov obsahuje duplicitné údaje v nameranej dávke !";
const char* const processedText =
    "Dávka nameraných údajov obsahuje už merané/ spracované jedince !";

// The animal of a batch row: region, district, plant, dam, date of birth and
// ear number, compared as text (and a missing value equal to a missing one).
QString sameAnimal(const QString& a, const QString& b) {
    QStringList parts;
    for (const char* c : {"podnik", "okres", "zavod", "matka", "dnar", "uscisl"})
        parts.append(QStringLiteral("%1.%3 <=> %2.%3").arg(a, b, QLatin1String(c)));
    return parts.join(QLatin1String(" AND "));
}

QString dateValue(const QDate& date) {
    return date.isValid() ? DateText::iso(date) : QString();
}
} // namespace

const QStringList& MeasurementBatch::columns() {
    static const QStringList list = {
        "podnik", "okres", "zavod", "chov",   "mersk", "dmer",  "sthybr", "porc",
        "uscisl", "pohl",  "dnar",  "linot",  "regot", "matka", "chlin",  "linsk",
        "hmotn",  "sl1",   "sl2",   "sl3",    "ph",    "hal",   "pig1",   "pig2",
        "pigsv",  "hmc",   "elvod", "strvyr", "dpre",  "medz",  "inf"};
    return list;
}

QString MeasurementBatch::listColumns() {
    return QStringLiteral("o.os53a_id,o.") + columns().join(QLatin1String(",o."));
}

QString MeasurementBatch::defaultPath() {
    return QDir(Config::load().deliveryFolder()).filePath(DeliveryFile::fileName());
}

Notice MeasurementBatch::cancel() {
    const QString title = u("Zrušenie predošlého merania");
    try {
        if (!Sql::value(QStringLiteral("SELECT podnik FROM os53 LIMIT 1")).isValid())
            return Notice::error(title, u("Nie sú vytvorené žiadne merania !"));
        Transaction transaction;
        Sql::exec(QStringLiteral("DELETE FROM os53a"));
        Sql::exec(QStringLiteral("DELETE FROM os53"));
        Sql::exec(QStringLiteral("DELETE FROM t_os53"));
        transaction.commit();
        return Notice::information(title, u("Predošlé vytvorené meranie je zrušené !"));
    } catch (const SqlError& e) {
        return Notice::error(title, u("Nekorektné zrušenie merania: ") + e.text());
    }
}

Notice MeasurementBatch::importFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return Notice::error(u("Prevod dávky"),
                             u("Dáta nie sú v %1 !").arg(QDir::toNativeSeparators(path)));
    if (!file.open(QIODevice::ReadOnly))
        return Notice::error(u("Prevod dávky"),
                             u("Súbor %1 sa nedá otvoriť: %2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()));
    return importBytes(file.readAll());
}

Notice MeasurementBatch::importBytes(const QByteArray& bytes) {
    const QString title = u("Prevod dávky");
    const DeliveryFile::Result read = DeliveryFile::read(bytes);
    if (!read.error.isEmpty())
        return Notice::error(title, read.error + u("\nDávka zostala bez zmeny."));
    try {
        Transaction transaction;
        Sql::exec(QStringLiteral("DELETE FROM os53a"));
        QList<QVariantList> rows;
        rows.reserve(read.animals.size());
        for (const MeasuredAnimal& a : read.animals)
            rows.append({a.podnik, a.okres,
                         a.zavod,  a.chov,
                         a.mersk,  dateValue(a.dmer),
                         a.porc,   a.uscisl,
                         a.pohl,   dateValue(a.dnar),
                         a.matka,  a.hmotn,
                         a.sl1,    a.sl2,
                         a.sl3,    a.pig1,
                         a.pig2,   a.pigsv,
                         a.hmc,    dateValue(a.dpre)});
        Sql::execRows(QStringLiteral("INSERT INTO os53a (podnik,okres,zavod,chov,mersk,dmer,"
                                     "sthybr,porc,uscisl,pohl,dnar,linot,regot,matka,chlin,"
                                     "linsk,hmotn,sl1,sl2,sl3,ph,hal,pig1,pig2,pigsv,hmc,"
                                     "elvod,strvyr,dpre,medz,inf) VALUES "),
                      QStringLiteral("(?,?,?,?,?,NULLIF(?,''),'00000000',?,?,?,NULLIF(?,''),"
                                     "'0000','00000',?,'00','00',?,?,?,?,0,'0',?,?,?,?,0,"
                                     "'00',NULLIF(?,''),'  ','53')"),
                      rows);
        transaction.commit();
    } catch (const SqlError& e) {
        return Notice::error(title, u("Nekorektný prevod dávky: ") + e.text());
    }
    if (read.animals.isEmpty())
        return Notice::error(title, u("Dávka nie je prevedená do databázy !"));
    return Notice::information(title, u("Dávka je prevedená do databázy !"));
}

bool MeasurementBatch::isEmpty() {
    return !Sql::value(QStringLiteral("SELECT 1 FROM os53a LIMIT 1")).isValid();
}

QString MeasurementBatch::duplicatesSql() {
    return QStringLiteral("SELECT t1.* FROM os53a t1 WHERE EXISTS (SELECT 1 FROM os53a t2 "
                          "WHERE t2.OS53A_ID <> t1.OS53A_ID AND %1) ORDER BY t1.OS53A_ID")
        .arg(sameAnimal(QStringLiteral("t1"), QStringLiteral("t2")));
}

QString MeasurementBatch::processedSql() {
    return QStringLiteral("SELECT %1 FROM os53a o, tpotpoh z WHERE"
                          " o.podnik = z.chovatel_kraj AND o.okres = z.chovatel_okres AND"
                          " o.zavod = z.chovatel_zavod AND o.matka = z.prasnica_farma AND"
                          " o.dnar = z.datum_oprasenia AND o.uscisl = z.usne_cislo AND"
                          " z.datum_spracovaniavu IS NOT NULL ORDER BY o.os53a_id")
        .arg(listColumns());
}

QString MeasurementBatch::pairedSql(bool paired) {
    return QStringLiteral("SELECT %1 FROM os53a o WHERE o.strvyr IS %2 ORDER BY o.os53a_id")
        .arg(listColumns(), paired ? QStringLiteral("NOT NULL") : QStringLiteral("NULL"));
}

QString MeasurementBatch::incompleteSql() {
    // Codes are compared as text: '00000000' is the empty breed, not a number.
    return QStringLiteral("SELECT %1 FROM os53a o WHERE o.chov IS NULL OR o.sthybr IS NULL OR"
                          " o.sthybr = '00000000' OR o.sthybr = '99999999' OR"
                          " o.strvyr IS NULL OR o.linot IS NULL OR o.linot = '0000' OR"
                          " o.regot IS NULL OR o.regot = '00000' ORDER BY o.os53a_id")
        .arg(listColumns());
}

MeasurementBatch::State MeasurementBatch::state(bool withProcessed) {
    if (isEmpty())
        return State::Empty;
    if (Sql::value(QStringLiteral("SELECT 1 FROM (%1) d LIMIT 1").arg(duplicatesSql())).isValid())
        return State::Duplicates;
    if (withProcessed &&
        Sql::value(QStringLiteral("SELECT 1 FROM (%1) d LIMIT 1").arg(processedSql())).isValid())
        return State::Processed;
    return State::Ok;
}

Notice MeasurementBatch::checkBatch(const QString& title) {
    try {
        switch (state(false)) {
        case State::Empty:
            return Notice::error(title, u(emptyText));
        case State::Duplicates:
            return Notice::error(title, u("Dávka nameraných údajov obsahuje duplicitné údaje !"));
        default:
            return Notice::information(title, u("Dávka nameraných údajov je bez duplicít !"));
        }
    } catch (const SqlError& e) {
        return Notice::error(title, e.text());
    }
}

Notice MeasurementBatch::checkDatabase(const QString& title) {
    const Notice refused = refusal(title);
    if (refused.kind == Notice::Kind::Error)
        return refused;
    return Notice::information(title, u("Dávka nameraných údajov je správna !"));
}

Notice MeasurementBatch::refusal(const QString& title) {
    try {
        switch (state(true)) {
        case State::Empty:
            return Notice::error(title, u(emptyText));
        case State::Duplicates:
            return Notice::error(title, u(duplicatesText));
        case State::Processed:
            return Notice::error(title, u(processedText));
        case State::Ok:
            break;
        }
        return {};
    } catch (const SqlError& e) {
        return Notice::error(title, e.text());
    }
}

int MeasurementBatch::deleteLaterDuplicates() {
    Transaction transaction;
    QSqlQuery q = Sql::exec(QStringLiteral("DELETE t1 FROM os53a t1 JOIN os53a t2 ON "
                                           "t2.OS53A_ID < t1.OS53A_ID AND %1")
                                .arg(sameAnimal(QStringLiteral("t1"), QStringLiteral("t2"))));
    const int removed = q.numRowsAffected();
    transaction.commit();
    return removed;
}

Notice MeasurementBatch::pair() {
    const QString title = u("Spárovanie dávky s databázou");
    const Notice refused = refusal(title);
    if (refused.kind == Notice::Kind::Error)
        return refused;
    const QString litter =
        QStringLiteral("o.podnik = z.chovatel_kraj AND o.okres = z.chovatel_okres AND "
                       "o.zavod = z.chovatel_zavod AND o.matka = z.prasnica_farma AND "
                       "o.dnar = z.datum_oprasenia");
    try {
        // A litter or offspring record found twice is refused in words
        // before the statement would fail on it.
        QSqlQuery twice = Sql::exec(
            QStringLiteral(
                "SELECT o.matka, o.dnar, o.uscisl FROM os53a o WHERE "
                "(SELECT COUNT(*) FROM tpotpev z WHERE %1) > 1 OR "
                "(SELECT COUNT(*) FROM tpotpoh z WHERE %1 AND o.uscisl = z.usne_cislo) > 1 "
                "ORDER BY o.os53a_id LIMIT 1")
                .arg(litter));
        if (twice.next())
            return Notice::error(title, u("Dávka sa nedá spárovať: matka %1, narodené %2, ušné "
                                          "číslo %3 má v databáze viac vrhov alebo potomkov !")
                                            .arg(twice.value(0).toString(),
                                                 DateText::dotted(twice.value(1).toDate()),
                                                 twice.value(2).toString()));
        Transaction transaction;
        Sql::exec(QStringLiteral("UPDATE os53a o SET "
                                 "chov = (SELECT z.chovatel_chov FROM tpotpev z WHERE %1),"
                                 "sthybr = (SELECT z.plemeno_VU FROM tpotpev z WHERE %1),"
                                 "linot = (SELECT z.linia_kanca FROM tpotpev z WHERE %1),"
                                 "regot = (SELECT z.register_kanca FROM tpotpev z WHERE %1),"
                                 "strvyr = (SELECT u.cecky FROM tpotpoh u WHERE "
                                 "o.podnik = u.chovatel_kraj AND o.okres = u.chovatel_okres AND "
                                 "o.zavod = u.chovatel_zavod AND o.matka = u.prasnica_farma AND "
                                 "o.dnar = u.datum_oprasenia AND o.uscisl = u.usne_cislo)")
                      .arg(litter));
        transaction.commit();
    } catch (const SqlError& e) {
        return Notice::error(title, u("Nekorektné spárovanie dávky s databázou: ") + e.text());
    }
    return Notice::information(title, u("Korektné spárovanie dávky s databázou !"));
}

const QList<std::pair<QString, int>>& MeasurementBatch::correctable() {
    static const QList<std::pair<QString, int>> list = {
        {"chov", 2},   {"matka", 5}, {"dnar", 0},  {"uscisl", 7}, {"pohl", 1},
        {"sthybr", 8}, {"linot", 4}, {"regot", 5}, {"strvyr", 2}, {"dpre", 0}};
    return list;
}

Notice MeasurementBatch::correct(int id, const QString& column, const QString& text) {
    const QString title = u("Zobrazenie /oprava dávky");
    const auto it = std::find_if(correctable().cbegin(), correctable().cend(),
                                 [&](const auto& c) { return c.first == column; });
    if (it == correctable().cend())
        return Notice::error(title, u("Stĺpec %1 sa nedá opraviť.").arg(column));
    const QString value = text.trimmed();
    QVariant stored;
    if (it->second == 0 && !value.isEmpty()) {
        const QDate date = DateText::typed(value);
        if (!date.isValid())
            return Notice::error(title, u("Dátum „%1“ sa nedá prečítať.").arg(value));
        stored = DateText::iso(date);
    } else if (!value.isEmpty()) {
        if (value.size() > it->second)
            return Notice::error(
                title,
                u("Údaj „%1“ je dlhší ako %2.").arg(value, DeliveryFile::widthText(it->second)));
        stored = value;
    }
    try {
        // The column name comes from the fixed list above.
        Sql::exec(QStringLiteral("UPDATE os53a SET %1 = ? WHERE OS53A_ID = ?").arg(it->first),
                  {stored.isValid() ? stored : QVariant(QMetaType::fromType<QString>()), id});
    } catch (const SqlError& e) {
        return Notice::error(title, e.text());
    }
    return {};
}

void MeasurementBatch::attachRows(const std::function<void()>& fault) {
    const QString cols = columns().join(QLatin1Char(','));
    Transaction transaction;
    // The measurement keeps one row per animal key (region, district, plant,
    // herd, dam, date of birth, ear number): the row attached first, and of
    // a batch's own repeats the first in file order.
    Sql::exec(QStringLiteral("DELETE FROM t_os53"));
    Sql::exec(QStringLiteral("INSERT INTO t_os53 (%1) SELECT %2 FROM os53a o WHERE NOT EXISTS ("
                             "SELECT 1 FROM os53a f WHERE f.OS53A_ID < o.OS53A_ID AND %3 AND "
                             "f.chov <=> o.chov) AND NOT EXISTS (SELECT 1 FROM os53 m WHERE %4 AND "
                             "m.chov <=> o.chov) ORDER BY o.OS53A_ID")
                  .arg(cols, QStringLiteral("o.") + columns().join(QLatin1String(",o.")),
                       sameAnimal(QStringLiteral("f"), QStringLiteral("o")),
                       sameAnimal(QStringLiteral("m"), QStringLiteral("o"))));
    if (fault)
        fault();
    Sql::exec(QStringLiteral("INSERT INTO os53 (%1) SELECT %1 FROM t_os53").arg(cols));
    if (fault)
        fault();
    transaction.commit();
}

Notice MeasurementBatch::attach() {
    const QString title = u("Pripojenie dávky k meraniu");
    const Notice refused = refusal(title);
    if (refused.kind == Notice::Kind::Error)
        return refused;
    try {
        if (Sql::value(QStringLiteral("SELECT 1 FROM (%1) d LIMIT 1").arg(incompleteSql()))
                .isValid())
            return Notice::error(title, u("Dávka nameraných údajov obsahuje neúplné údaje !"));
        attachRows();
    } catch (const SqlError& e) {
        return Notice::error(title, u("Nekorektné pripojenie dávky k meraniu: ") + e.text());
    }
    // Told after the commit: a failed commit is never reported as success.
    return Notice::information(title, u("Dávka je pripojená k meraniu !"));
}

int MeasurementBatch::measurementRows() {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM os53")).toInt();
}

QStringList MeasurementBatch::summary() {
    QStringList lines;
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT podnik,okres,zavod,chov,dmer,COUNT(*) AS ks FROM os53 "
        "GROUP BY podnik,okres,zavod,chov,dmer ORDER BY podnik,okres,zavod,chov,dmer"));
    while (q.next())
        lines.append(QStringLiteral("  %1 %2 %3 %4     %5    - %6 ks")
                         .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                              q.value(3).toString(), DateText::dotted(q.value(4).toDate()))
                         .arg(q.value(5).toInt()));
    return lines;
}

} // namespace herd
