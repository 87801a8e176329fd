#include "litter/LitterBatch.h"

#include "common/DateText.h"
#include "db/Sql.h"
#include "litter/LitterApply.h"
#include "litter/LitterCells.h"
#include "litter/LitterTiming.h"

#include <QSqlQuery>
#include <algorithm>

namespace herd {

namespace {

const QString sowCol = QStringLiteral("Prasnica_farma");
const QString herdCol = QStringLiteral("Chovatel_chov");
const QString farrowedCol = QStringLiteral("Datum_oprasenia");
const QString characterCol = QStringLiteral("Kod_charVrh");
const QString weanedCol = QStringLiteral("Datum_odstavu");
const QString statusCol = QStringLiteral("status_zaznamu");
const QString messageCol = QStringLiteral("ERR_oznam");
const QString blank = QStringLiteral(" ");

BatchTexts litterTexts() {
    return BatchTexts::standard(QString::fromUtf8("oprasenia"),
                                QString::fromUtf8("Vytvorenie/oprava dávky vstupných údajov"));
}

QString sowOf(const BatchRow& row) {
    return SowHistory::key(row.text(herdCol), row.text(sowCol));
}

QString litterOf(const BatchRow& row) {
    return sowOf(row) + QLatin1Char('/') + DateText::iso(row.date(farrowedCol));
}

void setVerdict(BatchRow& row, bool good, const QString& message) {
    row.setValue(statusCol, good ? 1 : 0);
    row.setValue(messageCol, message);
}

} // namespace

LitterBatch::LitterBatch()
    : CheckedBatch(BatchTable("davka_vrh", "davka_vrh_ID", columns(), LitterCells::rules()),
                   litterTexts()) {}

LitterBatch::~LitterBatch() = default;

QStringList LitterBatch::columns() {
    return LitterCells::columns();
}

QString LitterBatch::describe(const BatchRow& row) const {
    return row.text(sowCol) + QStringLiteral(" chov ") + row.text(herdCol) + QLatin1Char(' ') +
           DateText::dotted(row.date(farrowedCol));
}

QList<BatchRow> LitterBatch::normalise(const FarmKeys&) {
    // The cell rules once more: a value the grid would refuse is never applied.
    // Rows typed through the grid are normalised already: only the others
    // are written back whole, the verdicts of all in a few statements.
    QList<BatchRow> rows = table().rows();
    QList<BatchRow> changed;
    for (BatchRow& row : rows) {
        const BatchRow typed = row;
        const QString fault = LitterCells::normalise(row);
        setVerdict(row, fault.isEmpty(), fault.isEmpty() ? blank : QStringLiteral("* ") + fault);
        const QStringList& columns = table().columns();
        if (std::any_of(columns.cbegin(), columns.cend(), [&](const QString& c) {
                return typed.value(c) != row.value(c) ||
                       typed.value(c).isNull() != row.value(c).isNull();
            }))
            changed.append(row);
    }
    table().store(changed);
    table().storeVerdicts(rows);
    return rows;
}

void LitterBatch::beginCheck(const QList<BatchRow>& rows, const FarmKeys& farm) {
    m_culled.clear();
    m_births.clear();
    m_batchLitters.clear();
    m_rowsPerLitter.clear();
    m_changed.clear();
    QSqlQuery sows = Sql::exec(
        QStringLiteral(
            "SELECT p.chovatel_chov, p.prasnica_farma, p.datum_vyradenia, p.datum_narodenia "
            "FROM tpraspev p "
            "JOIN (SELECT DISTINCT Chovatel_chov, Prasnica_farma FROM davka_vrh) b "
            "ON b.Chovatel_chov = p.chovatel_chov AND b.Prasnica_farma = p.prasnica_farma "
            "WHERE p.cislo_farmy = ?"),
        {farm.farm});
    while (sows.next()) {
        const QString key = SowHistory::key(sows.value(0).toString(), sows.value(1).toString());
        m_culled.insert(key, sows.value(2));
        const QDate born = DateText::given(sows.value(3).toDate());
        if (born.isValid())
            m_births.insert(key, born);
    }
    m_histories = SowHistory::readForBatch(farm.farm, table().name());
    for (const BatchRow& row : rows) {
        if (!row.date(farrowedCol).isValid())
            continue;
        ++m_rowsPerLitter[litterOf(row)];
        SowEvent litter;
        litter.type = SowEvent::Type::Litter;
        litter.date = row.date(farrowedCol);
        litter.character = row.text(characterCol);
        m_batchLitters[sowOf(row)].append(litter);
    }
}

bool LitterBatch::checkRow(const BatchRow& row, const FarmKeys&) {
    const bool complete =
        !row.text(sowCol).trimmed().isEmpty() && !row.text(herdCol).trimmed().isEmpty() &&
        !row.text(characterCol).trimmed().isEmpty() &&
        LitterCells::wholeNumber(row.value(QStringLiteral("Vsetky_nar"))).value_or(0) >= 0;
    if (!complete || row.value(statusCol).toInt() == 0)
        return complete; // a cell the rules refused: its message stands
    const QString message = verdictOf(row);
    if (message != blank) {
        BatchRow judged = row;
        setVerdict(judged, !message.startsWith(QLatin1Char('*')), message);
        m_changed.append(judged);
    }
    return true;
}

QString LitterBatch::verdictOf(const BatchRow& row) const {
    const QString sow = sowOf(row);
    const QDate farrowed = row.date(farrowedCol);
    // A later fault of the row replaces an earlier one's message.
    QString fault = LitterTiming::weaningFault(farrowed, DateText::given(row.date(weanedCol)));
    const auto culled = m_culled.constFind(sow);
    if (culled == m_culled.cend())
        fault = sowUnknown();
    else if (!culled->isNull())
        fault = sowCulled();
    const auto born = m_births.constFind(sow);
    if (born != m_births.cend() && farrowed.isValid() && farrowed < *born)
        fault = beforeBirth();
    if (m_rowsPerLitter.value(litterOf(row)) > 1)
        fault = twiceInBatch();
    const QList<SowEvent> herdEvents = m_histories.value(sow);
    for (const SowEvent& e : herdEvents)
        if (e.type == SowEvent::Type::Litter && e.date == farrowed)
            fault = duplicate();
    if (!fault.isEmpty())
        return fault;

    // The batch's other litters of the sow count as hers.
    QList<SowEvent> events = herdEvents;
    for (const SowEvent& e : m_batchLitters.value(sow))
        if (e.date != farrowed)
            events.append(e);
    std::stable_sort(events.begin(), events.end(),
                     [](const SowEvent& a, const SowEvent& b) { return a.date < b.date; });
    const LitterTiming::Gestation g =
        LitterTiming::gestation(LitterTiming::reference(events, farrowed), farrowed,
                                row.text(characterCol).trimmed().toInt());
    return g.message.isEmpty() ? blank : g.message;
}

void LitterBatch::finishCheck(const FarmKeys&) {
    table().storeVerdicts(m_changed);
    m_changed.clear();
}

QList<BatchRow> LitterBatch::rowsToApply() const {
    // A sow's litters build on each other (numbers, intervals): date order.
    QList<BatchRow> rows = table().rows();
    std::stable_sort(rows.begin(), rows.end(), [](const BatchRow& a, const BatchRow& b) {
        return a.date(farrowedCol) < b.date(farrowedCol);
    });
    return rows;
}

void LitterBatch::beginApply(const QList<BatchRow>&, const FarmKeys& farm) {
    m_apply = std::make_unique<LitterApply>(farm, table().name());
}

void LitterBatch::applyRow(const BatchRow& row, const FarmKeys&) {
    m_apply->apply(row);
}

void LitterBatch::finishApply(const FarmKeys&) {
    m_apply->finish();
    m_apply.reset();
}

} // namespace herd
