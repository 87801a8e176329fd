#include "demo/DemoBatches.h"

#include "card/EnrolmentBatch.h"
#include "card/SowCulling.h"
#include "common/DateText.h"
#include "common/Padding.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "db/Transaction.h"
#include "litter/LitterBatch.h"
#include "litter/MatingBatch.h"
#include "litter/OffspringBatch.h"
#include "litter/SowActions.h"

namespace herd::DemoBatches {

namespace {

const QString herdCode = QStringLiteral("01");

QString u(const char* text) {
    return QString::fromUtf8(text);
}

[[noreturn]] void refused(const QString& what) {
    throw SqlError(u("Generátor stáda: %1").arg(what));
}

// Checks and applies a filled batch (any kind with check, apply, describe);
// throws with the first refused row.
template <typename Batch> void checkAndApply(Batch& batch, const FarmKeys& farm) {
    const BatchOutcome checked = batch.check(farm);
    const QList<BatchRow> faulty = batch.table().faultyRows();
    if (!faulty.isEmpty())
        refused(batch.describe(faulty.first()) + QStringLiteral(": ") +
                faulty.first().text(QStringLiteral("ERR_oznam")).trimmed());
    if (!checked.done)
        refused(texts(checked.notices).join(QLatin1Char(' ')));
    const BatchOutcome applied = batch.apply(farm);
    if (!applied.done)
        refused(texts(applied.notices).join(QLatin1Char(' ')));
    batch.clear();
}

} // namespace

void requireEmptyBatches() {
    for (const char* table : {"davka_zar", "davka_ins", "davka_vrh", "davka_pot"}) {
        if (Sql::value(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(table))
                .toInt() > 0)
            refused(u("dávka %1 nie je prázdna; ukonči ju pred vytvorením stáda.")
                        .arg(QString::fromLatin1(table)));
    }
}

void enrol(const FarmKeys& farm, const QList<WeekEvents::Enrolment>& rows) {
    if (rows.isEmpty())
        return;
    QList<QVariantMap> typed;
    for (const WeekEvents::Enrolment& e : rows) {
        typed.append({
            {QStringLiteral("Prasnica_vKU"),
             e.inControl ? QStringLiteral("1") : QStringLiteral("0")},
            {QStringLiteral("Prasnica_KrCislo"), e.sow},
            {QStringLiteral("Chovatel_Chov"), herdCode},
            {QStringLiteral("Datum_narodenia"), e.born},
            {QStringLiteral("Cecky"), QStringLiteral("14")},
            {QStringLiteral("Kod_kategorie"), e.category},
            {QStringLiteral("Plemeno_KU"), e.breed},
            {QStringLiteral("Kod_genofond"), QStringLiteral("2")},
            {QStringLiteral("Kod_krajiny_NUM"), QStringLiteral("00")},
            {QStringLiteral("Linia_otca"), e.sire.line},
            {QStringLiteral("Register_otca"), e.sire.reg},
            {QStringLiteral("Povod_kraj"), farm.codes.kraj},
            {QStringLiteral("Povod_okres"), farm.codes.okres},
            {QStringLiteral("Povod_zavod"), farm.codes.zavod},
            {QStringLiteral("Povod_chov"), herdCode},
            {QStringLiteral("Povod_matka"), e.dam},
            {QStringLiteral("Povod_uscislo"), e.sow + QStringLiteral("01")},
            {QStringLiteral("Linia_otcaMatky"), QStringLiteral("0000")},
            {QStringLiteral("Register_otcaMatky"), QStringLiteral("00000")},
            {QStringLiteral("Prasnica_farma"), e.sow},
            {QStringLiteral("Ustajnenie"), e.housing},
            {QStringLiteral("Farma_prisunu"), QStringLiteral("000000")},
            {QStringLiteral("Farma_povodu"), farm.farm},
        });
    }
    EnrolmentBatch batch;
    batch.table().insertMany(typed);
    checkAndApply(batch, farm);
}

void mate(const FarmKeys& farm, const QList<WeekEvents::Mating>& rows) {
    if (rows.isEmpty())
        return;
    QList<QVariantMap> typed;
    for (const WeekEvents::Mating& m : rows) {
        typed.append({
            {QStringLiteral("Prasnica_farma"), m.sow},
            {QStringLiteral("Chovatel_chov"), herdCode},
            {QStringLiteral("Datum_pripustenia"), m.date},
            {QStringLiteral("Kod_pripustenia"), m.method},
            {QStringLiteral("Linia_kanca"), m.boar.line},
            {QStringLiteral("Register_kanca"), m.boar.reg},
            {QStringLiteral("Pocet_REIns"), 0},
        });
    }
    MatingBatch batch;
    batch.table().insertMany(typed);
    checkAndApply(batch, farm);
}

void litter(const FarmKeys& farm, const QList<WeekEvents::Litter>& rows) {
    if (rows.isEmpty())
        return;
    QList<QVariantMap> typed;
    for (const WeekEvents::Litter& l : rows) {
        typed.append({
            {QStringLiteral("Prasnica_farma"), l.sow},
            {QStringLiteral("Chovatel_chov"), herdCode},
            {QStringLiteral("Datum_oprasenia"), l.farrowed},
            {QStringLiteral("Kod_charVrh"), l.character},
            {QStringLiteral("Vsetky_nar"), QString::number(l.born)},
            {QStringLiteral("Zivo_nar"), QString::number(l.alive)},
            {QStringLiteral("Pocet_dochov"), QString::number(l.reared)},
            // Typed with its decimal point, as a litter sheet gives it.
            {QStringLiteral("Hmotnost_vrhu_dochov"), QString::number(l.weight, 'f', 1)},
            {QStringLiteral("Datum_odstavu"),
             l.weaned.isValid() ? QVariant(l.weaned) : QVariant(QMetaType(QMetaType::QDate))},
            {QStringLiteral("Kod_VyV"), l.evenness},
        });
    }
    LitterBatch batch;
    batch.table().insertMany(typed);
    checkAndApply(batch, farm);
}

void select(const FarmKeys& farm, const QList<WeekEvents::Selection>& litters) {
    if (litters.isEmpty())
        return;
    OffspringBatch batch;
    const BatchOutcome created = batch.create(farm, std::nullopt);
    if (!created.done)
        refused(texts(created.notices).join(QLatin1Char(' ')));
    // The batch's rows of each litter, in table order.
    QList<BatchRow> rows = batch.table().rows();
    QHash<QString, QList<qsizetype>> ofLitter;
    for (qsizetype i = 0; i < rows.size(); ++i)
        ofLitter[rows.at(i).text(QStringLiteral("Prasnica_farma")) + QLatin1Char('/') +
                 rows.at(i).date(QStringLiteral("Datum_oprasenia")).toString(Qt::ISODate)]
            .append(i);
    // The piglets typed into the rows, written back together.
    QList<BatchRow> typed;
    for (const WeekEvents::Selection& s : litters) {
        const QList<qsizetype> at =
            ofLitter.value(s.sow + QLatin1Char('/') + s.farrowed.toString(Qt::ISODate));
        if (at.size() < s.piglets.size())
            refused(u("vrh prasnice %1 z %2 nie je v dávke selekcie potomstva.")
                        .arg(s.sow, DateText::dotted(s.farrowed)));
        for (qsizetype i = 0; i < s.piglets.size(); ++i) {
            BatchRow row = rows.at(at.at(i));
            row.setValue(QStringLiteral("Usne_cislo"),
                         padLeftZeros(QString::number(s.piglets.at(i).first), Width::EarNumber));
            row.setValue(QStringLiteral("Kod_kategorie"), s.piglets.at(i).second);
            row.setValue(QStringLiteral("Cecky"), QStringLiteral("14"));
            row.setValue(QStringLiteral("status_zaznamu"), QVariant());
            row.setValue(QStringLiteral("ERR_oznam"), QVariant());
            typed.append(row);
        }
    }
    batch.table().store(typed);
    checkAndApply(batch, farm);
}

void treat(const FarmKeys& farm, const QList<WeekEvents::Veterinary>& rows) {
    if (rows.isEmpty())
        return;
    // As the sow card records them, a week's actions in one go.
    QList<SowActions::Entry> entries;
    entries.reserve(rows.size());
    for (const WeekEvents::Veterinary& v : rows)
        entries.append({herdCode, v.sow, QStringLiteral("14"), v.date, v.ukon});
    Transaction transaction;
    SowActions::write(farm, entries);
    transaction.commit();
}

void cull(const FarmKeys& farm, const QList<WeekEvents::Culling>& rows) {
    for (const WeekEvents::Culling& c : rows) {
        const Notice outcome = SowCulling::cull(farm, herdCode, c.sow, c.date, c.reason);
        if (outcome.kind != Notice::Kind::Information)
            refused(c.sow + QStringLiteral(": ") + outcome.text);
    }
}

} // namespace herd::DemoBatches
