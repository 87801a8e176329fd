#include "litter/LitterApply.h"

#include "common/DateText.h"
#include "common/Rounding.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "litter/LitterCells.h"
#include "litter/LitterHybrid.h"
#include "litter/SowActions.h"
#include "register/LitterDocument.h"

#include <QSqlQuery>
#include <algorithm>

namespace herd {

namespace {

const QString farrowedAction = QStringLiteral("07");
const QString weanedAction = QStringLiteral("08");
const QString farrowingHouse = QStringLiteral("M01");

QVariant nullable(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant(QMetaType(QMetaType::QDate));
}

[[noreturn]] void herdChanged(const QString& text) {
    throw SqlError(text + QString::fromUtf8("; dávku skontroluj znova !"));
}

const SowLitter* litterOn(const QList<SowLitter>& litters, const QDate& farrowed) {
    for (const SowLitter& l : litters)
        if (l.farrowed == farrowed)
            return &l;
    return nullptr;
}

} // namespace

LitterApply::LitterApply(const FarmKeys& farm, const QString& batchTable)
    : m_farm(farm)
    , m_batchTable(batchTable) {
    const QString join =
        QStringLiteral(
            "JOIN (SELECT DISTINCT Chovatel_chov, Prasnica_farma FROM %1) b "
            "ON b.Chovatel_chov = t.chovatel_chov AND b.Prasnica_farma = t.prasnica_farma "
            "WHERE t.cislo_farmy = ?")
            .arg(batchTable);
    QSqlQuery sows =
        Sql::exec(QStringLiteral("SELECT t.chovatel_chov, t.prasnica_farma, t.prasnica_vKU, "
                                 "t.ustajnenie, t.kod_akcie, t.datum_akcie, "
                                 "COALESCE(t.plemeno_ku, '00000000') FROM tpraspev t ") +
                      join,
                  {farm.farm});
    while (sows.next()) {
        Sow& s = m_sows[SowHistory::key(sows.value(0).toString(), sows.value(1).toString())];
        s.inControl = sows.value(2).toString() == QLatin1String("1");
        s.housing = sows.value(3).toString();
        s.action = sows.value(4).toString();
        s.actionDate = sows.value(5).toDate();
        s.breed = sows.value(6).toString();
    }
    const QHash<QString, QList<SowEvent>> histories =
        SowHistory::readForBatch(farm.farm, batchTable);
    for (auto it = histories.cbegin(); it != histories.cend(); ++it)
        if (m_sows.contains(it.key()))
            m_sows[it.key()].events = it.value();
    QSqlQuery litters =
        Sql::exec(QStringLiteral("SELECT t.chovatel_chov, t.prasnica_farma, t.datum_oprasenia, "
                                 "t.kod_charvrh, t.poradie_vrhu, t.medzidobie FROM tprasopr t ") +
                      join + QStringLiteral(" ORDER BY t.datum_oprasenia"),
                  {farm.farm});
    while (litters.next()) {
        const QString key =
            SowHistory::key(litters.value(0).toString(), litters.value(1).toString());
        if (m_sows.contains(key))
            m_sows[key].stored.append({litters.value(2).toDate(), litters.value(3).toString(),
                                       litters.value(4).toInt(), litters.value(5).toInt()});
    }
    for (Sow& s : m_sows)
        s.litters = s.stored;
}

LitterApply::Litter LitterApply::litterOf(const BatchRow& row) {
    auto text = [&](const char* column) { return row.text(QString::fromLatin1(column)).trimmed(); };
    auto number = [&](const char* column) {
        return LitterCells::wholeNumber(row.value(QString::fromLatin1(column))).value_or(0);
    };
    Litter l;
    l.herd = text("Chovatel_chov");
    l.sow = text("Prasnica_farma");
    l.character = text("Kod_charVrh");
    l.evenness = text("Kod_VyV");
    l.farrowed = row.date(QStringLiteral("Datum_oprasenia"));
    l.weaned = DateText::given(row.date(QStringLiteral("Datum_odstavu")));
    l.born = number("Vsetky_nar");
    l.alive = number("Zivo_nar");
    l.reared = number("Pocet_dochov");
    l.weight = roundHalfEven(
        LitterCells::weight(row.value(QStringLiteral("Hmotnost_vrhu_dochov"))).value_or(0), 1);
    return l;
}

void LitterApply::apply(const BatchRow& row) {
    Litter l = litterOf(row);
    const auto found = m_sows.find(SowHistory::key(l.herd, l.sow));
    if (found == m_sows.end())
        herdChanged(QString::fromUtf8("Prasnica %1 chov %2 nie je evidovaná").arg(l.sow, l.herd));
    Sow& s = *found;
    if (litterOn(s.litters, l.farrowed))
        herdChanged(QString::fromUtf8("Oprasenie prasnice %1 chov %2 z %3 je už evidované")
                        .arg(l.sow, l.herd, DateText::dotted(l.farrowed)));

    // The litter's boar: that of the sow's last event before the farrowing.
    QString line = QStringLiteral("0000"), reg = QStringLiteral("00000");
    bool latest = true;
    for (const SowEvent& e : s.events) {
        if (e.date < l.farrowed) {
            const bool mating = e.type == SowEvent::Type::Mating;
            line = mating ? e.boarLine : QStringLiteral("0000");
            reg = mating ? e.boarRegister : QStringLiteral("00000");
        } else if (e.date > l.farrowed) {
            latest = false;
        }
    }
    l.hybrid = hybrid(s.breed, line, reg);

    // RecomputeSowLitters, with the new litter among hers.
    QList<SowLitter> litters = s.litters;
    litters.append({l.farrowed, l.character, 0, 0});
    const SowLitters numbered = SowLitters::recompute(litters);
    s.litters = numbered.litters;
    s.averageInterval = numbered.averageInterval;
    // A litter reported late leaves her housing and last action as they are.
    if (latest) {
        s.housing = farrowingHouse;
        s.action = l.weaned.isValid() ? weanedAction : farrowedAction;
        s.actionDate = l.weaned.isValid() ? l.weaned : l.farrowed;
    }
    SowEvent e;
    e.type = SowEvent::Type::Litter;
    e.date = l.farrowed;
    e.character = l.character;
    e.evenness = l.evenness;
    e.weaned = l.weaned;
    s.events.append(e);
    std::stable_sort(s.events.begin(), s.events.end(),
                     [](const SowEvent& a, const SowEvent& b) { return a.date < b.date; });
    m_applied.append(l);
}

QString LitterApply::hybrid(const QString& sowBreed, const QString& line, const QString& reg) {
    // The breeds repeat across a batch: each boar and each pair is read once.
    const QString boar = line + QLatin1Char(' ') + reg;
    auto boarBreed = m_boarBreeds.constFind(boar);
    if (boarBreed == m_boarBreeds.cend())
        boarBreed = m_boarBreeds.insert(boar, LitterHybrid::boarBreed(line, reg));
    const QString pair = sowBreed + QLatin1Char('/') + *boarBreed;
    auto code = m_hybrids.constFind(pair);
    if (code == m_hybrids.cend())
        code = m_hybrids.insert(pair, LitterHybrid::hybridOf(sowBreed, *boarBreed));
    return *code;
}

void LitterApply::finish() {
    writeLitters();
    writeHistory();
    writeDocuments();
    writeSows();
}

void LitterApply::writeLitters() {
    QList<QVariantList> rows;
    for (const Litter& l : m_applied) {
        const SowLitter* n = litterOn(m_sows[SowHistory::key(l.herd, l.sow)].litters, l.farrowed);
        rows.append({m_farm.farm, l.herd, l.sow, l.sow, m_farm.codes.kraj, m_farm.codes.okres,
                     m_farm.codes.zavod, l.farrowed, n->number, l.character, l.evenness, l.hybrid,
                     l.born, l.alive, nullable(l.weaned), l.reared, l.weight, n->interval});
    }
    // A plain insert: a litter recorded since the check fails the whole batch.
    Sql::execRows(
        QStringLiteral(
            "INSERT INTO tprasopr (cislo_farmy, chovatel_chov, prasnica_farma, prasnica_krcislo, "
            "chovatel_kraj, chovatel_okres, chovatel_zavod, datum_oprasenia, poradie_vrhu, "
            "kod_charvrh, kod_vyv, plemeno_vu, vsetky_nar, zivo_nar, defekt_nar, mrtvo_nar, "
            "hmot_vrhu_nar, kanceky_nar, prasnicky_nar, kod_porodu, datum_odstavu, pocet_dochov, "
            "kanceky_dochov, prasnicky_dochov, hmotnost_vrhu_dochov, medzidobie) VALUES"),
        QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, 0, 0, '0', ?, ?, 0, 0, "
                       "?, ?)"),
        rows);
    // Recorded litters renumbered around a litter reported late.
    for (auto it = m_sows.cbegin(); it != m_sows.cend(); ++it)
        for (const SowLitter& old : it->stored) {
            const SowLitter* n = litterOn(it->litters, old.farrowed);
            if (n->number == old.number && n->interval == old.interval)
                continue;
            const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
            Sql::exec(QStringLiteral("UPDATE tprasopr SET medzidobie = ?, poradie_vrhu = ? "
                                     "WHERE cislo_farmy = ? AND chovatel_chov = ? "
                                     "AND prasnica_farma = ? AND datum_oprasenia = ?"),
                      {n->interval, n->number, m_farm.farm, it.key().left(slash),
                       it.key().mid(slash + 1), old.farrowed});
        }
}

void LitterApply::writeHistory() {
    // A weaned litter records only its weaning.
    QList<SowActions::Entry> entries;
    for (const Litter& l : m_applied) {
        const bool weaned = l.weaned.isValid();
        entries.append({l.herd, l.sow, weaned ? weanedAction : farrowedAction,
                        weaned ? l.weaned : l.farrowed});
    }
    SowActions::write(m_farm, entries);
}

void LitterApply::writeDocuments() {
    // Only sows in performance control are reported to the register.
    QList<LitterData> farrowings, weanings;
    for (const Litter& l : m_applied) {
        if (!m_sows[SowHistory::key(l.herd, l.sow)].inControl)
            continue;
        LitterData d;
        d.farm = m_farm.farm;
        d.keeper = m_farm.codes;
        d.chov = l.herd;
        d.sow = l.sow;
        d.farrowed = l.farrowed;
        d.bornAll = l.born;
        d.bornAlive = l.alive;
        d.character = l.character;
        d.weaned = l.weaned;
        d.reared = l.reared;
        d.weaningWeight = l.weight;
        d.evenness = l.evenness;
        farrowings.append(d);
        if (l.weaned.isValid())
            weanings.append(d);
    }
    LitterDocument::writeFarrowings(farrowings);
    LitterDocument::writeWeanings(weanings);
}

void LitterApply::writeSows() {
    QList<QVariantList> rows;
    for (auto it = m_sows.cbegin(); it != m_sows.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        rows.append({m_farm.farm, it.key().left(slash), it.key().mid(slash + 1), it->housing,
                     it->action, nullable(it->actionDate), it->averageInterval});
    }
    // Every sow was read in this transaction, so every row updates her.
    Sql::execRows(
        QStringLiteral("INSERT INTO tpraspev (cislo_farmy, chovatel_chov, "
                       "prasnica_farma, ustajnenie, kod_akcie, datum_akcie, "
                       "kod_kategorie, priem_medzidobie) VALUES"),
        QStringLiteral("(?, ?, ?, ?, ?, ?, '1', ?)"), rows,
        QStringLiteral("ON DUPLICATE KEY UPDATE ustajnenie = VALUES(ustajnenie), "
                       "kod_akcie = VALUES(kod_akcie), datum_akcie = VALUES(datum_akcie), "
                       "kod_kategorie = '1', priem_medzidobie = VALUES(priem_medzidobie)"));
    // The sows' tree rows, of their own herds (numbers repeat across herds).
    Sql::exec(QStringLiteral("UPDATE tanimal t JOIN (SELECT DISTINCT Chovatel_chov, Prasnica_farma "
                             "FROM %1) b ON b.Chovatel_chov = t.chovatel_chov "
                             "AND b.Prasnica_farma = t.jedinec "
                             "SET t.strom_ust = '2', t.strom_ktg = '2', t.kod_kategorie = '1' "
                             "WHERE t.cislo_farmy = ? AND t.sekcia_kluc = ''")
                  .arg(m_batchTable),
              {m_farm.farm});
}

} // namespace herd
