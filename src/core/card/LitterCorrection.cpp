#include "card/LitterCorrection.h"

#include "batch/CellRule.h"
#include "common/DateText.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "db/Transaction.h"
#include "farms/FarmKeys.h"
#include "litter/LitterCells.h"
#include "litter/SowActions.h"
#include "litter/SowLitters.h"
#include "register/LitterDocument.h"

#include <QSqlQuery>

namespace herd::LitterCorrection {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

const QString courseCol = QStringLiteral("Kod_charVrh");
const QString bornCol = QStringLiteral("Vsetky_nar");
const QString aliveCol = QStringLiteral("Zivo_nar");
const QString weanedCol = QStringLiteral("Datum_odstavu");
const QString rearedCol = QStringLiteral("Pocet_dochov");
const QString weightCol = QStringLiteral("Hmotnost_vrhu_dochov");
const QString evennessCol = QStringLiteral("Kod_VyV");

constexpr int unknownAlive = 99;

const QString whereSql = QStringLiteral(
    " WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ? AND datum_oprasenia = ?");

QVariantList where(const LitterKey& k) {
    return {k.farm, k.herd, k.sow, k.farrowed};
}

Notice refused(const char* text) {
    return Notice::error(correctionTitle(), u(text));
}

// What the column may hold at all: the litter batch's cell rule of the column.
bool formGood(const QString& column, const QString& typed) {
    const CellRule* rule = CellRules::find(LitterCells::rules(), column);
    return !rule || rule->kind == CellRule::Kind::Date || CellRules::check(*rule, typed).good();
}

bool oneToFour(const QString& typed) {
    const QString t = typed.trimmed();
    return t.size() == 1 && t >= QLatin1String("1") && t <= QLatin1String("4");
}

bool inPerformanceControl(const LitterKey& k) {
    return Sql::value(QStringLiteral("SELECT prasnica_vKU FROM tpraspev WHERE cislo_farmy = ? "
                                     "AND chovatel_chov = ? AND prasnica_farma = ?"),
                      {k.farm, k.herd, k.sow})
               .toString()
               .trimmed() == QLatin1String("1");
}

FarmCodes farmCodes(const QString& farm) {
    std::optional<FarmKeys> keys = FarmKeys::read(farm);
    if (!keys)
        throw SqlError(u("Nebola vybraná aktuálna farma !"));
    return keys->codes;
}

LitterData document(const LitterKey& k, const FarmCodes& codes) {
    LitterData d;
    d.farm = k.farm;
    d.keeper = codes;
    d.chov = k.herd;
    d.sow = k.sow;
    d.farrowed = k.farrowed;
    d.character = QStringLiteral("0");
    d.evenness = QStringLiteral("0");
    return d;
}

std::optional<LitterValues> readRow(const LitterKey& k, bool forUpdate) {
    QSqlQuery q =
        Sql::exec(QStringLiteral("SELECT kod_charvrh, vsetky_nar, zivo_nar, %1, pocet_dochov, "
                                 "hmotnost_vrhu_dochov, kod_VyV FROM tprasopr")
                          .arg(DateText::givenSql(QStringLiteral("datum_odstavu"))) +
                      whereSql + (forUpdate ? QStringLiteral(" FOR UPDATE") : QString()),
                  where(k));
    if (!q.next())
        return std::nullopt;
    LitterValues v;
    v.course = q.value(0).toString().trimmed();
    v.bornAll = q.value(1).toInt();
    v.bornAlive = q.value(2).toInt();
    v.weaned = q.value(3).toDate();
    v.reared = q.value(4).toInt();
    v.weight = q.value(5).toDouble();
    v.evenness = q.value(6).toString().trimmed();
    return v;
}

// RenumberLitters: the sow's litters numbered in date order with their
// intervals, and her average interval (0 with at most one litter).
void renumber(const LitterKey& k) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT datum_oprasenia, kod_charvrh, poradie_vrhu, "
                                           "medzidobie FROM tprasopr WHERE cislo_farmy = ? AND "
                                           "chovatel_chov = ? AND prasnica_farma = ? "
                                           "ORDER BY datum_oprasenia"),
                            {k.farm, k.herd, k.sow});
    QList<SowLitter> litters;
    while (q.next())
        litters.append(
            {q.value(0).toDate(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt()});
    const QList<SowLitter> before = litters;
    const SowLitters numbered = SowLitters::recompute(litters);
    for (int i = 0; i < numbered.litters.size(); ++i) {
        const SowLitter& l = numbered.litters.at(i);
        if (l.number == before.at(i).number && l.interval == before.at(i).interval)
            continue;
        Sql::exec(QStringLiteral("UPDATE tprasopr SET poradie_vrhu = ?, medzidobie = ?") + whereSql,
                  {l.number, l.interval, k.farm, k.herd, k.sow, l.farrowed});
    }
    Sql::exec(QStringLiteral("UPDATE tpraspev SET priem_medzidobie = ? WHERE cislo_farmy = ? "
                             "AND chovatel_chov = ? AND prasnica_farma = ? "
                             "AND NOT (priem_medzidobie <=> ?)"),
              {numbered.averageInterval, k.farm, k.herd, k.sow, numbered.averageInterval});
}

// The sow's weaning entry ('08') follows the litter's weaning date: moved to
// the corrected day, removed when the litter is no longer weaned, written
// when it is weaned now. Her other entries of those days stay.
void followWeaning(const LitterKey& key, const QDate& was, const QDate& now) {
    if (was == now)
        return;
    const QVariantList sow{key.farm, key.herd, key.sow};
    const QString entry = QStringLiteral(" WHERE cislo_farmy = ? AND chovatel_chov = ? AND "
                                         "prasnica_farma = ? AND kod_akcie = '08' AND "
                                         "datum_akcie = ?");
    if (was.isValid() && now.isValid()) {
        Sql::exec(QStringLiteral("UPDATE tprashist SET datum_akcie = ?") + entry,
                  QVariantList{now} + sow + QVariantList{was});
    } else if (was.isValid()) {
        Sql::exec(QStringLiteral("DELETE FROM tprashist") + entry, sow + QVariantList{was});
    } else if (const std::optional<FarmKeys> farm = FarmKeys::read(key.farm)) {
        const QString registerNumber =
            Sql::value(QStringLiteral("SELECT prasnica_krcislo FROM tpraspev WHERE "
                                      "cislo_farmy = ? AND chovatel_chov = ? AND "
                                      "prasnica_farma = ?"),
                       sow)
                .toString();
        SowActions::write(*farm,
                          {{key.herd, key.sow, QStringLiteral("08"), now, 0, registerNumber}});
    }
}

} // namespace

QString correctionTitle() {
    return u("Oprava oprasenia");
}

QString cancelTitle() {
    return u("Zrušenie oprasenia");
}

QStringList fields() {
    return {courseCol, bornCol, aliveCol, weanedCol, rearedCol, weightCol, evennessCol};
}

std::optional<LitterValues> read(const LitterKey& key) {
    return readRow(key, false);
}

std::optional<Notice> check(const QString& column, const QString& typed, const QDate& farrowed,
                            LitterValues& row) {
    const QString t = typed.trimmed();
    const auto count = [&]() { return CellRules::wholeNumber(t); };
    if (column == courseCol) {
        if (!formGood(column, t) || !oneToFour(t))
            return refused("Nekorektne uvedený poriebeh vrhu !");
        row.course = t;
    } else if (column == bornCol) {
        if (!formGood(column, t) || count().value_or(0) == 0)
            return refused("Nekorektne uvedený počet Všetkých narodených !");
        row.bornAll = *count();
    } else if (column == aliveCol) {
        if (!formGood(column, t) || !count())
            return refused("Nekorektné počty Všetkých a Živo narodených !");
        const int alive = *count();
        if (row.course == QLatin1String("3") && alive > 0)
            return refused("Počet živých pri priebehu vrhu - 3 musí byť = 0 !");
        if (alive > row.bornAll && alive != unknownAlive)
            return refused("Nekorektné počty Všetkých a Živo narodených !");
        row.bornAlive = alive;
    } else if (column == weanedCol) {
        const QDate d = DateText::typed(t);
        const qint64 age = d.isValid() ? farrowed.daysTo(d) : -1;
        if (age < 15 || age > 40)
            return refused("Nekorektné uvedený dátum odstavu - (15 - 40 dní)!");
        row.weaned = d;
    } else if (column == rearedCol) {
        const std::optional<int> reared = count();
        const bool good = row.course == QLatin1String("1")
                              ? reared.value_or(0) > 0
                              : (row.bornAlive <= row.bornAll || row.bornAlive == unknownAlive);
        if (!formGood(column, t) || !reared || !good)
            return refused("Nekorektné počty Všetkých, Živo narodených !");
        row.reared = *reared;
    } else if (column == weightCol) {
        const std::optional<double> w = LitterCells::weight(t);
        const CellRule* rule = CellRules::find(LitterCells::rules(), column);
        if (!formGood(column, t) || !w || *w > rule->max ||
            (row.weaned.isValid() && !(*w > 0 && row.course == QLatin1String("1"))))
            return refused("Nekorektne uvedená hmotnosť vrhu !");
        row.weight = *w;
    } else if (column == evennessCol) {
        if (!formGood(column, t) || !oneToFour(t))
            return refused("Nekorektne uvedená vyrovnanosť vrhu !");
        row.evenness = t;
    } else {
        return Notice::error(correctionTitle(), u("Neznámy údaj vrhu: ") + column);
    }
    return std::nullopt;
}

Notice correct(const LitterKey& key, const QList<std::pair<QString, QString>>& typed) {
    const QString title = correctionTitle();
    try {
        Transaction tx;
        std::optional<LitterValues> row = readRow(key, true);
        if (!row)
            return Notice::error(title, u("Oprasenie prasnice nie je evidované !"));
        const QDate wasWeaned = row->weaned;
        // The document carries only the values passed through in this edit.
        LitterData doc = document(key, {});
        bool courseGiven = false;
        for (const auto& [column, text] : typed) {
            if (auto refusal = check(column, text, key.farrowed, *row))
                return *refusal;
            if (column == courseCol) {
                doc.character = row->course;
                courseGiven = true;
            } else if (column == bornCol)
                doc.bornAll = row->bornAll;
            else if (column == aliveCol)
                doc.bornAlive = row->bornAlive;
            else if (column == weanedCol)
                doc.weaned = row->weaned;
            else if (column == rearedCol)
                doc.reared = row->reared;
            else if (column == weightCol)
                doc.weaningWeight = row->weight;
            else if (column == evennessCol)
                doc.evenness = row->evenness;
        }
        if (inPerformanceControl(key)) {
            doc.keeper = farmCodes(key.farm);
            LitterDocument::writeLitterCorrected(doc);
        }
        // A litter set to course 3 has nothing alive to wean; course 4 nothing weaned.
        if (courseGiven &&
            (row->course == QLatin1String("3") || row->course == QLatin1String("4"))) {
            if (row->course == QLatin1String("3"))
                row->bornAlive = 0;
            row->reared = 0;
            row->weight = 0;
            row->weaned = QDate();
        }
        Sql::exec(
            QStringLiteral("UPDATE tprasopr SET kod_charvrh = ?, vsetky_nar = ?, zivo_nar = ?, "
                           "datum_odstavu = ?, pocet_dochov = ?, hmotnost_vrhu_dochov = ?, "
                           "kod_VyV = ?") +
                whereSql,
            QVariantList{row->course, row->bornAll, row->bornAlive,
                         row->weaned.isValid() ? QVariant(row->weaned)
                                               : QVariant(QMetaType(QMetaType::QDate)),
                         row->reared, row->weight, row->evenness} +
                where(key));
        followWeaning(key, wasWeaned, row->weaned);
        // A changed course moves the intervals that count from normal litters.
        if (courseGiven)
            renumber(key);
        tx.commit();
        return Notice::information(u("Oprava oprasenia "),
                                   u("Korektná oprava oprasenia prasnice !"));
    } catch (const SqlError& e) {
        return Notice::error(title, u("Nekorektné vykonanie opravy: ") + e.text());
    }
}

Notice cancel(const LitterKey& key) {
    const QString title = cancelTitle();
    try {
        Transaction tx;
        const std::optional<LitterValues> row = readRow(key, true);
        if (!row)
            return Notice::error(title, u("Oprasenie prasnice nie je evidované !"));
        const QVariantList litter = where(key);
        // The offspring selected from the litter would be left without it.
        bool offspring = false;
        for (const char* table : {"tpotpev", "tpotpoh", "tanimal"})
            offspring = offspring ||
                        Sql::value(QStringLiteral("SELECT 1 FROM ") + QString::fromLatin1(table) +
                                       whereSql + QStringLiteral(" LIMIT 1"),
                                   litter)
                            .isValid();
        if (offspring)
            return Notice::error(
                title,
                u("Oprasenie nemožno zrušiť: z vrhu je vybrané potomstvo, najprv zrušte jeho "
                  "výber !"));
        if (inPerformanceControl(key))
            LitterDocument::writeLitterDeleted(document(key, farmCodes(key.farm)));
        Sql::exec(QStringLiteral("DELETE FROM tprasopr") + whereSql, litter);
        renumber(key);
        const bool noneLeft =
            !Sql::value(QStringLiteral("SELECT 1 FROM tprasopr WHERE cislo_farmy = ? AND "
                                       "chovatel_chov = ? AND prasnica_farma = ? LIMIT 1"),
                        {key.farm, key.herd, key.sow})
                 .isValid();
        if (noneLeft)
            Sql::exec(QStringLiteral("UPDATE tanimal SET strom_ust = '3', strom_ktg = '3', "
                                     "kod_kategorie = '3' WHERE cislo_farmy = ? "
                                     "AND chovatel_chov = ? AND jedinec = ? AND sekcia_kluc = ''"),
                      {key.farm, key.herd, key.sow});
        // Only the litter's own entries leave the history: its farrowing and its weaning.
        Sql::exec(
            QStringLiteral("DELETE FROM tprashist WHERE cislo_farmy = ? AND chovatel_chov = ? "
                           "AND prasnica_farma = ? AND ((kod_akcie = '07' AND datum_akcie = ?) "
                           "OR (kod_akcie = '08' AND datum_akcie = ?))"),
            {key.farm, key.herd, key.sow, key.farrowed,
             row->weaned.isValid() ? QVariant(row->weaned)
                                   : QVariant(QMetaType(QMetaType::QDate))});
        tx.commit();
        return Notice::information(u("Zrušenie oprasenia "),
                                   u("Korektné zrušenie oprasenia prasnice !"));
    } catch (const SqlError& e) {
        return Notice::error(title, u("Nekorektné vykonanie zrušenia: ") + e.text());
    }
}

DayPrintout dayPrintout() {
    return {
        QStringLiteral("ReportDAktOpr"),
        u("Zadaj dátum aktualizácie"),
        "dos4",
        {"cislo_farmy", "podnik", "okres", "zavod", "chov", "prasn4", "datopr4", "vset4", "zive4",
         "chvrhu4", "datodst", "doch4", "hmotn", "vyrovvrh", "datum_vytvorenia", "DI"},
        Notice::error(u("Opis vstupných údajov dávky"),
                      u("Nie sú dáta Oš4 - vrh s uvedeným dátumom aktualizácie !")),
        [](ReportData& data) {
            DayPrintout::readDates(data, {QStringLiteral("datopr4"), QStringLiteral("datodst")});
            DayPrintout::readWeights(data, {QStringLiteral("hmotn")});
        }};
}

} // namespace herd::LitterCorrection
