#include "card/TransferBatch.h"

#include "card/SowRecordsMove.h"
#include "common/Padding.h"
#include "db/Sql.h"
#include "litter/SowActions.h"
#include "register/TransferDocument.h"

#include <QHash>
#include <QSqlQuery>

namespace herd {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

BatchTexts transferTexts() {
    BatchTexts t = BatchTexts::standard(u("presun"), u("Vytvorenie /oprava dávky"));
    t.applied = u("Presun prasníc ukončený !");
    t.applyFailed = u("Nekorektné ukončenie presunu: ");
    return t;
}

CellRule code(const char* column, int width, const char* message, QStringList targets) {
    return {u(column), CellRule::Kind::Code, width, 0, 0, u(message), std::move(targets)};
}

const QList<CellRule>& rules() {
    static const QList<CellRule> list{
        code("PPodnik", 2, "Nekorektne uvedený pôvodný podnik !", {"dprepra.ppodnik"}),
        code("POkres", 2, "Nekorektne uvedený pôvodný okres !", {"dprepra.pokres"}),
        code("PZavod", 3, "Nekorektne uvedený pôvodný závod !", {"dprepra.pzavod"}),
        code("PCHov", 2, "Nekorektne uvedený pôvodný chov !", {"dprepra.pchov"}),
        code("PRMcis", Width::Sow, "Nekorektne uvedená prasnica !",
             {"tpraspev.prasnica_farma", "tprashist.prasnica_krcislo", "dprepra.prmcis",
              "dprepra.nrmcis", "tanimal.jedinec"}),
        code("NPodnik", 2, "Nekorektne uvedený nový podnik !",
             {"tpraspev.chovatel_kraj", "tprashist.chovatel_kraj", "dprepra.npodnik"}),
        code("NOkres", 2, "Nekorektne uvedený nový okres !",
             {"tpraspev.chovatel_okres", "tprashist.chovatel_okres", "dprepra.nokres"}),
        code("NZavod", 3, "Nekorektne uvedený nový závod !",
             {"tpraspev.chovatel_zavod", "tprashist.chovatel_zavod", "dprepra.nzavod"}),
        code("NCHov", Width::Herd, "Nekorektne uvedený nový chov !",
             {"tpraspev.chovatel_chov", "tanimal.chovatel_chov", "tprashist.chovatel_chov",
              "dprepra.nchov"}),
    };
    return list;
}

BreederSow former(const BatchRow& r) {
    return {{r.text(QStringLiteral("PPodnik")), r.text(QStringLiteral("POkres")),
             r.text(QStringLiteral("PZavod"))},
            r.text(QStringLiteral("PCHov")),
            r.text(QStringLiteral("PRMcis"))};
}

FarmCodes newCodes(const BatchRow& r) {
    return {r.text(QStringLiteral("NPodnik")), r.text(QStringLiteral("NOkres")),
            r.text(QStringLiteral("NZavod"))};
}

QString newHerd(const BatchRow& r) {
    return r.text(QStringLiteral("NCHov"));
}

// The sow a row moves, and the place she takes on the farm (her number in the
// new herd): two rows sharing either would move one sow twice or put two
// sows in one place.
QStringList keys(const BatchRow& r) {
    const BreederSow s = former(r);
    return {
        QStringList{QStringLiteral("P"), s.codes.kraj, s.codes.okres, s.codes.zavod, s.chov, s.sow}
            .join(QLatin1Char('-')),
        QStringList{QStringLiteral("N"), newHerd(r), s.sow}.join(QLatin1Char('-'))};
}

} // namespace

TransferBatch::TransferBatch()
    : CheckedBatch(BatchTable("davka_presun", "davka_presun_ID", columns(), rules()),
                   transferTexts()) {}

const QList<CellRule>& TransferBatch::cellRules() {
    return rules();
}

QStringList TransferBatch::columns() {
    return CellRules::columns(rules());
}

QString TransferBatch::cellMessage(const QString& column) {
    return CellRules::message(rules(), column);
}

std::optional<QVariant> TransferBatch::cellValue(const QString& column, const QVariant& typed) {
    const CellRule* c = CellRules::find(rules(), column);
    if (!c)
        return typed;
    const CellVerdict v = CellRules::check(*c, typed);
    const QString kept = v.value.toString();
    if (!v.good() || kept.isEmpty() || kept == QString(c->width, QLatin1Char('0')))
        return std::nullopt;
    return v.value;
}

QString TransferBatch::describe(const BatchRow& row) const {
    const BreederSow s = former(row);
    const FarmCodes to = newCodes(row);
    return s.sow + QLatin1Char(' ') + s.codes.kraj + QLatin1Char('-') + s.codes.okres +
           QLatin1Char('-') + s.codes.zavod + QLatin1Char('-') + s.chov + QStringLiteral(" > ") +
           to.kraj + QLatin1Char('-') + to.okres + QLatin1Char('-') + to.zavod + QLatin1Char('-') +
           newHerd(row);
}

QList<BatchRow> TransferBatch::normalise(const FarmKeys&) {
    // The codes are padded here, not cut: a value longer than its width, not
    // a whole number, empty or zeros alone makes the row faulty with its
    // cell's message.
    QHash<int, QString> faults;
    QList<BatchRow> rows = table().rows();
    for (BatchRow& row : rows) {
        QVariantMap values;
        QString fault;
        for (const CellRule& c : rules()) {
            const std::optional<QVariant> kept = cellValue(c.column, row.value(c.column));
            if (!kept) {
                if (fault.isEmpty())
                    fault = QStringLiteral("* ") + c.message;
                continue;
            }
            if (kept->toString() != row.text(c.column))
                values.insert(c.column, *kept);
        }
        if (!values.isEmpty())
            table().update(row.id(), values);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            row.setValue(it.key(), it.value());
        if (!fault.isEmpty())
            faults.insert(row.id(), fault);
    }
    table().markAllGood();
    for (auto it = faults.cbegin(); it != faults.cend(); ++it)
        table().setVerdict(it.key(), false, it.value());
    for (BatchRow& row : rows) {
        const auto fault = faults.constFind(row.id());
        row.setValue(QStringLiteral("status_zaznamu"), fault == faults.cend() ? 1 : 0);
        row.setValue(QStringLiteral("ERR_oznam"),
                     fault == faults.cend() ? QStringLiteral(" ") : fault.value());
    }
    return rows;
}

void TransferBatch::beginCheck(const QList<BatchRow>& rows, const FarmKeys&) {
    QHash<QString, int> seen;
    for (const BatchRow& row : rows)
        if (row.value(QStringLiteral("status_zaznamu")).toInt() == 1)
            for (const QString& key : keys(row))
                ++seen[key];
    m_twice.clear();
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        if (it.value() > 1)
            m_twice.insert(it.key());
}

bool TransferBatch::checkRow(const BatchRow& row, const FarmKeys& farm) {
    if (row.value(QStringLiteral("status_zaznamu")).toInt() == 0)
        return true; // a value the normalisation refused: nothing to look up
    std::optional<QString> fault =
        SowRecordsMove::refusal(farm.farm, former(row), newCodes(row), newHerd(row));
    if (!fault)
        for (const QString& key : keys(row))
            if (m_twice.contains(key))
                fault = twice();
    if (fault)
        table().setVerdict(row.id(), false, *fault);
    return true;
}

void TransferBatch::applyRow(const BatchRow& row, const FarmKeys& farm) {
    const BreederSow from = former(row);
    const FarmCodes to = newCodes(row);
    const QString toChov = newHerd(row);
    SowRecordsMove::moveSowRecords(farm.farm, from, to, toChov);
    SowActions::write(FarmKeys{farm.farm, toChov, to}, {{toChov, from.sow, QStringLiteral("70"),
                                                         QDate::currentDate(), 0, from.sow}});
    TransferDocument::write({farm.farm, from.codes, from.chov, from.sow, to, toChov});
}

ReportData TransferBatch::faultyRows() {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT PRMcis, PPodnik, POkres, PZavod, PCHov, "
                                           "NPodnik, NOkres, NZavod, NCHov, ERR_oznam FROM "
                                           "davka_presun WHERE status_zaznamu = 0 ORDER BY "
                                           "davka_presun_ID"));
    return ReportData::fromQuery(q);
}

DayPrintout TransferBatch::day() {
    return {QStringLiteral("ReportDAktPre"),
            u("Zadaj dátum aktualizácie"),
            "dprepra",
            {"cislo_farmy", "ppodnik", "pokres", "pzavod", "pchov", "plinia", "prmcis", "npodnik",
             "nokres", "nzavod", "nchov", "nrmcis", "datum_vytvorenia", "DI"},
            Notice::error(u("Opis vstupných údajov dávky"),
                          u("Nie sú dáta Prepra - presun prasníc s uvedeným dátumom "
                            "aktualizácie !"))};
}

} // namespace herd
