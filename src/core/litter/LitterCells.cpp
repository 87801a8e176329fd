#include "litter/LitterCells.h"

#include "batch/CellRule.h"
#include "common/DateText.h"
#include "common/Padding.h"

#include <algorithm>
#include <optional>

namespace herd::LitterCells {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

const char* const sowCol = "Prasnica_farma";
const char* const herdCol = "Chovatel_chov";
const char* const farrowedCol = "Datum_oprasenia";
const char* const characterCol = "Kod_charVrh";
const char* const bornCol = "Vsetky_nar";
const char* const aliveCol = "Zivo_nar";
const char* const rearedCol = "Pocet_dochov";
const char* const weightCol = "Hmotnost_vrhu_dochov";
const char* const weanedCol = "Datum_odstavu";
const char* const evennessCol = "Kod_VyV";

// Born alive of 99 stands for an unknown count and passes the comparison.
constexpr int unknownAlive = 99;
// Herds from this number on report litters without rearing data.
constexpr int rearingFreeHerd = 20;
// A weight at or above this, typed without its decimal point, is in tenths.
constexpr double tenthsFrom = 150;

bool is(const QString& column, const char* name) {
    return column.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

QVariant cell(const BatchRow& row, const char* column) {
    return row.value(QString::fromLatin1(column));
}

// A count as the rules read it: empty is 0, anything else not a number -1.
int count(const BatchRow& row, const char* column) {
    const QVariant v = cell(row, column);
    if (v.isNull() || v.toString().trimmed().isEmpty())
        return 0;
    return wholeNumber(v).value_or(-1);
}

bool oneOf(int value, std::initializer_list<int> allowed) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

// The largest litter count the herd tables and the register documents take.
constexpr int maxCount = 99;
// The heaviest litter weight (kg), four digits of tenths in the documents.
constexpr int maxWeight = 999;

QList<CellRule> cellRules() {
    using K = CellRule::Kind;
    return {
        {u(sowCol),
         K::Code,
         Width::Sow,
         0,
         0,
         u("Nekorektne uvedená prasnica !"),
         {"tprasopr.prasnica_farma", "dos22.prasn", "dos23.pras23"}},
        {u(herdCol),
         K::Code,
         Width::Herd,
         0,
         0,
         u("Nekorektne uvedený chov prasnice !"),
         {"tprasopr.chovatel_chov", "dos22.chov", "dos23.chov"}},
        {u(farrowedCol), K::Date, 0, 0, 0, u("Nekorektne uvedený dátum oprasenia !"), {}},
        {u(characterCol),
         K::Code,
         1,
         0,
         4,
         u("Nekorektne uvedený charekter vrhu - 1,2,3,4 !"),
         {"tprasopr.kod_charvrh", "dos22.chvrhu"}},
        {u(bornCol),
         K::Count,
         2,
         0,
         maxCount,
         u("Nekorektne uvedený počet Všetkých narodených !"),
         {"tprasopr.vsetky_nar", "dos22.vset"}},
        {u(aliveCol),
         K::Count,
         2,
         0,
         maxCount,
         u("Nekorektne uvedený počet Živo narodených !"),
         {"tprasopr.zivo_nar", "dos22.zive"}},
        {u(rearedCol),
         K::Count,
         2,
         0,
         maxCount,
         u("Nekorektne uvedený počet Dochovaných !"),
         {"tprasopr.pocet_dochov", "dos23.doch"}},
        // The range is that of the kilograms, after a weight typed in tenths is read.
        {u(weightCol),
         K::Weight,
         6,
         0,
         maxWeight,
         u("Nekorektne uvedená hmotnosť vrhu !"),
         {"tprasopr.hmotnost_vrhu_dochov", "dos23.hmotv"}},
        {u(weanedCol), K::Date, 0, 0, 0, u("Nie je uvedený dátum odstavu !"), {}},
        {u(evennessCol),
         K::Code,
         1,
         0,
         4,
         u("Nekorektne uvedená vyrovnanosť vrhu - 1,2,3,4 !"),
         {"tprasopr.kod_VyV", "dos23.vyrovvrh"}},
    };
}

CellVerdict refuse(const BatchRow& row, const QString& column, const char* message) {
    return {row.value(column), u(message)};
}

CellVerdict code(const BatchRow& row, const QString& column, int width, const char* message) {
    const QVariant typed = row.value(column);
    const QString trimmed = typed.toString().trimmed();
    if (trimmed.isEmpty())
        return {typed.isNull() ? QVariant() : QVariant(QString()), {}};
    const std::optional<int> n = wholeNumber(typed);
    if (!n || *n < 0 || trimmed.size() > width)
        return refuse(row, column, message);
    return {padLeftZeros(trimmed, width), {}};
}

CellVerdict oneToFour(const BatchRow& row, const QString& column, const char* message) {
    const std::optional<int> n = wholeNumber(row.value(column));
    if (!n || *n < 1 || *n > 4)
        return refuse(row, column, message);
    return {QString::number(*n), {}};
}

// The count as it is kept: the number without blanks, empty stays empty.
QVariant countValue(const BatchRow& row, const QString& column) {
    const QVariant typed = row.value(column);
    const std::optional<int> n = wholeNumber(typed);
    return n ? QVariant(QString::number(*n)) : typed;
}

} // namespace

std::optional<int> wholeNumber(const QVariant& typed) {
    return CellRules::wholeNumber(typed);
}

std::optional<double> weight(const QVariant& typed) {
    return CellRules::decimal(typed);
}

const QList<CellRule>& rules() {
    static const QList<CellRule> list = cellRules();
    return list;
}

QStringList columns() {
    return CellRules::columns(rules());
}

CellVerdict check(const QString& column, const BatchRow& row) {
    // What the column may hold at all (digits, width, range), before the
    // rules that weigh the row's other cells.
    if (const CellRule* rule = CellRules::find(rules(), column);
        rule && rule->kind != CellRule::Kind::Date) {
        const CellVerdict form = CellRules::check(*rule, row.value(column));
        if (!form.good())
            return form;
    }
    const int character = wholeNumber(cell(row, characterCol)).value_or(0);
    const bool rearingFree = wholeNumber(cell(row, herdCol)).value_or(0) >= rearingFreeHerd;
    const int born = count(row, bornCol);
    const int alive = count(row, aliveCol);
    const bool aliveAboveBorn = alive > born && alive != unknownAlive;

    if (is(column, sowCol))
        return code(row, column, Width::Sow, "Nekorektne uvedená prasnica !");
    if (is(column, herdCol))
        return code(row, column, Width::Herd, "Nekorektne uvedený chov prasnice !");
    if (is(column, farrowedCol)) {
        if (!DateText::given(row.date(column)).isValid())
            return refuse(row, column, "Nekorektne uvedený dátum oprasenia !");
        return {row.value(column), {}};
    }
    if (is(column, characterCol))
        return oneToFour(row, column, "Nekorektne uvedený charekter vrhu - 1,2,3,4 !");
    if (is(column, bornCol)) {
        if (!((born > 0 && oneOf(character, {1, 3, 4})) || (born == 0 && character == 2)))
            return refuse(row, column, "Nie je uvedený počet Všetkých narodených !");
        return {countValue(row, column), {}};
    }
    if (is(column, aliveCol)) {
        if (!((alive > 0 && oneOf(character, {1, 4})) || (alive == 0 && oneOf(character, {2, 3}))))
            return refuse(row, column, "Nie je uvedený počet Živo narodených !");
        if (aliveAboveBorn)
            return refuse(row, column, "Nekorektné počty Všetkých a Živo narodených !");
        return {countValue(row, column), {}};
    }
    if (is(column, rearedCol)) {
        const int reared = count(row, rearedCol);
        if (!(reared >= 0 && ((reared > 0 && character == 1) || rearingFree ||
                              (reared == 0 && oneOf(character, {2, 3, 4})))))
            return refuse(row, column, "Nie je uvedený počet Dochovaných !");
        if (aliveAboveBorn)
            return refuse(row, column, "Nekorektné počty Všetkých, Živo narodených !");
        return {countValue(row, column), {}};
    }
    if (is(column, weightCol)) {
        const QVariant typed = row.value(column);
        const bool empty = typed.isNull() || typed.toString().trimmed().isEmpty();
        const std::optional<double> w = empty ? std::optional<double>(0) : weight(typed);
        if (!w || !((*w > 0 && character == 1) || rearingFree ||
                    (*w == 0 && oneOf(character, {2, 3, 4}))))
            return refuse(row, column, "Nekorektne uvedená hmotnosť vrhu !");
        if (empty)
            return {typed, {}};
        const QString t = typed.toString();
        // Only a weight typed without its decimal point is in tenths. A weight
        // kept from 150 kg on keeps its point ("162.0"), so leaving the cell or
        // checking again never divides it twice.
        const bool noPoint = !t.contains(QLatin1Char('.')) && !t.contains(QLatin1Char(','));
        const double kg = noPoint && *w >= tenthsFrom ? *w / 10 : *w;
        if (kg > maxWeight)
            return refuse(row, column, "Nekorektne uvedená hmotnosť vrhu !");
        QString kept = QString::number(kg, 'f', 2);
        while (kept.endsWith(QLatin1Char('0')) && !kept.endsWith(QLatin1String(".0")))
            kept.chop(1);
        if (kg < tenthsFrom && kept.endsWith(QLatin1String(".0")))
            kept.chop(2);
        return {kept, {}};
    }
    if (is(column, weanedCol)) {
        const QDate weaned = DateText::given(row.date(column));
        const bool given = weaned.isValid();
        if (!((given && character == 1) || rearingFree || (!given && oneOf(character, {2, 3, 4}))))
            return refuse(row, column, "Nie je uvedený dátum odstavu !");
        const QDate farrowed = row.date(QString::fromLatin1(farrowedCol));
        if (given && farrowed.isValid() && weaned <= farrowed)
            return refuse(row, column, "Nekorektné uvedený dátum odstavu !");
        return {given ? QVariant(weaned) : QVariant(QMetaType(QMetaType::QDate)), {}};
    }
    if (is(column, evennessCol))
        return oneToFour(row, column, "Nekorektne uvedená vyrovnanosť vrhu - 1,2,3,4 !");
    return {row.value(column), {}};
}

QString normalise(BatchRow& row) {
    QString fault;
    for (const QString& column : columns()) {
        const CellVerdict v = check(column, row);
        if (v.good())
            row.setValue(column, v.value);
        else if (fault.isEmpty())
            fault = v.message;
    }
    return fault;
}

} // namespace herd::LitterCells
