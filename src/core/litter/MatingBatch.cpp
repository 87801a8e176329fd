#include "litter/MatingBatch.h"

#include "common/DateText.h"
#include "common/Padding.h"
#include "litter/MatingApply.h"
#include "litter/MatingSituation.h"

#include <algorithm>

namespace herd {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

BatchTexts matingTexts() {
    return BatchTexts::standard(u("pripúšťanie"), u("Vytvorenie/oprava dávky vstupných údajov"));
}

QList<CellRule> cellRules() {
    using K = CellRule::Kind;
    return {
        {u("Prasnica_farma"),
         K::Code,
         Width::Sow,
         0,
         0,
         u("Nekorektne uvedená prasnica !"),
         {"tprasins.prasnica_farma", "dos3.prasnica_farma", "tanimal.jedinec"}},
        {u("Chovatel_chov"),
         K::Code,
         Width::Herd,
         0,
         0,
         u("Nekorektne uvedený chov prasnice !"),
         {"tprasins.chovatel_chov", "dos3.chovatel_chov"}},
        {u("Datum_pripustenia"), K::Date, 0, 0, 0, u("Nekorektne uvedený dátum pripustenia !"), {}},
        {u("Kod_pripustenia"),
         K::Code,
         Width::Method,
         0,
         0,
         u("Nekorektne uvedený spôsob pripustenia !"),
         {"tprasins.kod_pripustenia", "dos3.kod_pripustenia"}},
        {u("Linia_kanca"),
         K::Code,
         Width::BoarLine,
         0,
         0,
         u("Nekorektne uvedená línia kanca !"),
         {"tprasins.linia_kanca", "dos3.linia_kanca"}},
        {u("Register_kanca"),
         K::Code,
         Width::BoarRegister,
         0,
         0,
         u("Nekorektne uvedený register kanca !"),
         {"tprasins.register_kanca", "dos3.register_kanca"}},
        // A re-insemination adds one to the previous mating's count.
        {u("Pocet_REIns"),
         K::Count,
         2,
         0,
         98,
         u("Nekorektne uvedený počet reinseminácií !"),
         {"tprasins.pocer_REins", "dos3.pocet_REIns"}},
    };
}

const QList<CellRule>& rules() {
    static const QList<CellRule> list = cellRules();
    return list;
}

QString rowMessage(const QString& column) {
    return QStringLiteral("* ") + MatingBatch::cellMessage(column);
}

const QString sowCol = QStringLiteral("Prasnica_farma");
const QString herdCol = QStringLiteral("Chovatel_chov");
const QString dateCol = QStringLiteral("Datum_pripustenia");
const QString methodCol = QStringLiteral("Kod_pripustenia");
const QString lineCol = QStringLiteral("Linia_kanca");
const QString registerCol = QStringLiteral("Register_kanca");

// The batch's rows of the sow that are applied before this one (earlier
// days, or the same day typed earlier), as the matings they will be.
QList<SowEvent> earlierRows(const BatchRow& row, const QList<BatchRow>& sowRows) {
    const QDate mated = row.date(dateCol);
    QList<SowEvent> events;
    if (!mated.isValid())
        return events;
    for (const BatchRow& other : sowRows) {
        const QDate date = other.date(dateCol);
        if (date.isValid() && (date < mated || (date == mated && other.id() < row.id()))) {
            SowEvent e;
            e.type = SowEvent::Type::Mating;
            e.date = date;
            events.append(e);
        }
    }
    // In date order, as the table's rows were read before.
    std::stable_sort(events.begin(), events.end(),
                     [](const SowEvent& a, const SowEvent& b) { return a.date < b.date; });
    return events;
}

} // namespace

MatingBatch::MatingBatch()
    : CheckedBatch(BatchTable("davka_ins", "davka_ins_ID", columns(), rules()), matingTexts()) {}

const QList<CellRule>& MatingBatch::cellRules() {
    return rules();
}

QStringList MatingBatch::columns() {
    return CellRules::columns(rules());
}

QString MatingBatch::cellMessage(const QString& column) {
    return CellRules::message(rules(), column);
}

std::optional<QVariant> MatingBatch::cellValue(const QString& column, const QVariant& typed) {
    const CellRule* c = CellRules::find(rules(), column);
    if (!c)
        return typed;
    if (c->kind == CellRule::Kind::Date) {
        if (typed.isNull() || !typed.toDate().isValid())
            return std::nullopt;
        return typed;
    }
    const CellVerdict v = CellRules::check(*c, typed);
    if (!v.good())
        return std::nullopt;
    if (c->kind == CellRule::Kind::Count) // no count typed: none repeated
        return QVariant(v.value.toString().isEmpty() ? 0 : v.value.toInt());
    return v.value;
}

QString MatingBatch::describe(const BatchRow& row) const {
    return row.text(sowCol) + QStringLiteral(" chov ") + row.text(herdCol) + QLatin1Char(' ') +
           DateText::dotted(row.date(dateCol));
}

QList<BatchRow> MatingBatch::normalise(const FarmKeys& farm) {
    // Only rows whose values change are written; the verdicts are set for
    // all rows at once and then for the faulty ones.
    QHash<int, QString> faults;
    QList<BatchRow> rows = table().rows();
    for (BatchRow& row : rows) {
        QVariantMap values;
        QString fault;
        for (const CellRule& c : rules()) {
            const QString& column = c.column;
            if (c.kind == CellRule::Kind::Date || row.isNull(column))
                continue;
            if (c.kind == CellRule::Kind::Code && row.text(column).trimmed().isEmpty() &&
                !CellRules::hasControl(row.text(column)))
                continue; // the completeness test judges a missing value
            const std::optional<QVariant> kept = cellValue(column, row.value(column));
            if (!kept) {
                if (fault.isEmpty())
                    fault = rowMessage(column);
                continue;
            }
            if (kept->toString() != row.text(column))
                values.insert(column, *kept);
        }
        const QString count = QStringLiteral("Pocet_REIns");
        if (row.isNull(count))
            values.insert(count, 0);
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
    // The verdicts just written, in memory too.
    for (BatchRow& row : rows) {
        const auto fault = faults.constFind(row.id());
        row.setValue(QStringLiteral("status_zaznamu"), fault == faults.cend() ? 1 : 0);
        row.setValue(QStringLiteral("ERR_oznam"),
                     fault == faults.cend() ? QStringLiteral(" ") : fault.value());
    }
    m_data = MatingCheckData::read(farm.farm, rows);
    return rows;
}

bool MatingBatch::checkRow(const BatchRow& row, const FarmKeys& farm) {
    const bool complete =
        !row.text(sowCol).trimmed().isEmpty() && !row.text(herdCol).trimmed().isEmpty() &&
        !row.text(methodCol).trimmed().isEmpty() && !row.text(lineCol).trimmed().isEmpty() &&
        !row.text(registerCol).trimmed().isEmpty();
    if (row.value(QStringLiteral("status_zaznamu")).toInt() == 0 || !complete)
        return complete; // a value the normalisation refused: the queries would be pointless

    const QString sow = row.text(sowCol);
    const QString herd = row.text(herdCol);
    const QDate mated = row.date(dateCol);
    const QString sowKey = SowHistory::key(herd, sow);
    // A later fault of the row replaces an earlier one's message.
    QString fault;
    const auto boar =
        m_data.boars.constFind(MatingCheckData::boarKey(row.text(lineCol), row.text(registerCol)));
    if (boar == m_data.boars.cend())
        fault = boarUnknown();
    else if (!boar->isNull() && mated.isValid() && boar->toDate() <= mated)
        fault = boarCulled();
    const auto sowRow = m_data.sows.constFind(sowKey);
    if (sowRow == m_data.sows.cend())
        fault = sowUnknown();
    else if (!sowRow->isNull())
        fault = sowCulled();
    QList<SowEvent> events = m_data.histories.value(sowKey);
    const QList<SowEvent> batchEvents = earlierRows(row, m_data.rows.value(sowKey));
    for (const SowEvent& e : events + batchEvents)
        if (e.type == SowEvent::Type::Mating && e.date == mated)
            fault = duplicate();
    const auto born = m_data.births.constFind(sowKey);
    if (born != m_data.births.cend() && mated.isValid() && mated < *born)
        fault = beforeBirth();
    if (!m_data.methods.contains(row.text(methodCol)))
        fault = rowMessage(methodCol);
    if (!mated.isValid())
        fault = rowMessage(dateCol);
    if (fault.isEmpty()) {
        events += batchEvents;
        std::stable_sort(events.begin(), events.end(),
                         [](const SowEvent& a, const SowEvent& b) { return a.date < b.date; });
        fault = MatingSituation::of(events, mated).fault();
    }
    if (!fault.isEmpty())
        table().setVerdict(row.id(), false, fault);
    return true;
}

QList<BatchRow> MatingBatch::rowsToApply() const {
    // A sow's rows build on each other: each is checked against her earlier
    // days, so they are applied in date order.
    QList<BatchRow> rows = table().rows();
    std::stable_sort(rows.begin(), rows.end(), [](const BatchRow& a, const BatchRow& b) {
        return a.date(dateCol) < b.date(dateCol);
    });
    return rows;
}

void MatingBatch::beginApply(const QList<BatchRow>&, const FarmKeys& farm) {
    m_statements.emplace(farm.farm);
}

void MatingBatch::applyRow(const BatchRow& row, const FarmKeys& farm) {
    MatingApply::apply(row, farm, *m_statements);
}

void MatingBatch::finishApply(const FarmKeys& farm) {
    m_statements->finish(farm);
    MatingApply::updateEnrolmentDates(farm);
    m_statements.reset();
}

} // namespace herd
