#include "litter/LitterApply.h"

#include "common/DateText.h"
#include "common/Rounding.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "litter/LitterCells.h"
#include "litter/LitterHybrid.h"
#include "register/LitterDocument.h"

#include <QSqlQuery>
#include <algorithm>

namespace herd {

namespace {

const QString farrowedAction = QStringLiteral("07");
const QString weanedAction = QStringLiteral("08");

QVariant nullable(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant(QMetaType(QMetaType::QDate));
}

// The litter as the row reports it.
struct Litter {
    QString herd, sow, character, evenness;
    QDate farrowed, weaned;
    int born = 0, alive = 0, reared = 0;
    double weight = 0;
};

Litter litterOf(const BatchRow& row) {
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

[[noreturn]] void herdChanged(const Litter& l) {
    throw SqlError(QString::fromUtf8("Prasnica %1 chov %2 nie je evidovaná; dávku skontroluj "
                                     "znova !")
                       .arg(l.sow, l.herd));
}

} // namespace

LitterApply::LitterApply(const FarmKeys& farm, const QString& batchTable, const QList<BatchRow>&)
    : m_farm(farm) {
    const QString join =
        QStringLiteral(
            "JOIN (SELECT DISTINCT Chovatel_chov, Prasnica_farma FROM %1) b "
            "ON b.Chovatel_chov = t.chovatel_chov AND b.Prasnica_farma = t.prasnica_farma "
            "WHERE t.cislo_farmy = ?")
            .arg(batchTable);
    QSqlQuery sows =
        Sql::exec(QStringLiteral(
                      "SELECT t.chovatel_chov, t.prasnica_farma, t.prasnica_vKU FROM tpraspev t ") +
                      join,
                  {farm.farm});
    while (sows.next())
        m_sows[SowHistory::key(sows.value(0).toString(), sows.value(1).toString())].inControl =
            sows.value(2).toString() == QLatin1String("1");
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
            m_sows[key].litters.append({litters.value(2).toDate(), litters.value(3).toString(),
                                        litters.value(4).toInt(), litters.value(5).toInt()});
    }
}

LitterApply::Sow& LitterApply::sow(const QString& herd, const QString& number) {
    return m_sows[SowHistory::key(herd, number)];
}

void LitterApply::apply(const BatchRow& row) {
    const Litter l = litterOf(row);
    const QString key = SowHistory::key(l.herd, l.sow);
    if (!m_sows.contains(key))
        herdChanged(l);
    Sow& s = sow(l.herd, l.sow);

    // The litter's boar: that of the sow's last event before the farrowing.
    QString line = QStringLiteral("0000"), reg = QStringLiteral("00000");
    bool latest = true;
    for (const SowEvent& e : s.events) {
        if (e.date < l.farrowed && e.type == SowEvent::Type::Mating) {
            line = e.boarLine;
            reg = e.boarRegister;
        } else if (e.date < l.farrowed) {
            line = QStringLiteral("0000");
            reg = QStringLiteral("00000");
        }
        if (e.date > l.farrowed)
            latest = false;
    }
    const QString hybrid = LitterHybrid::hybridCode(m_farm.farm, l.herd, l.sow, line, reg);

    // RecomputeSowLitters, with the new litter among hers.
    QList<SowLitter> before = s.litters;
    before.append({l.farrowed, l.character, 0, 0});
    const SowLitters numbered = SowLitters::recompute(before);
    SowLitter added;
    for (const SowLitter& n : numbered.litters) {
        if (n.farrowed == l.farrowed) {
            added = n;
            continue;
        }
        const auto old = std::find_if(s.litters.cbegin(), s.litters.cend(),
                                      [&](const SowLitter& o) { return o.farrowed == n.farrowed; });
        if (old != s.litters.cend() && old->number == n.number && old->interval == n.interval)
            continue;
        Sql::exec(QStringLiteral("UPDATE tprasopr SET medzidobie = ?, poradie_vrhu = ? "
                                 "WHERE cislo_farmy = ? AND chovatel_chov = ? "
                                 "AND prasnica_farma = ? AND datum_oprasenia = ?"),
                  {n.interval, n.number, m_farm.farm, l.herd, l.sow, n.farrowed});
    }
    s.litters = numbered.litters;

    Sql::exec(
        QStringLiteral(
            "INSERT INTO tprasopr (cislo_farmy, chovatel_chov, prasnica_farma, prasnica_krcislo, "
            "chovatel_kraj, chovatel_okres, chovatel_zavod, datum_oprasenia, poradie_vrhu, "
            "kod_charvrh, kod_vyv, plemeno_vu, vsetky_nar, zivo_nar, defekt_nar, mrtvo_nar, "
            "hmot_vrhu_nar, kanceky_nar, prasnicky_nar, kod_porodu, datum_odstavu, pocet_dochov, "
            "kanceky_dochov, prasnicky_dochov, hmotnost_vrhu_dochov, medzidobie) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, 0, 0, '0', ?, ?, 0, 0, ?, "
            "?)"),
        {m_farm.farm, l.herd, l.sow, l.sow, m_farm.codes.kraj, m_farm.codes.okres,
         m_farm.codes.zavod, l.farrowed, added.number, l.character, l.evenness, hybrid, l.born,
         l.alive, nullable(l.weaned), l.reared, l.weight, added.interval});

    // A weaned litter records only its weaning.
    const bool weaned = l.weaned.isValid();
    const QString action = weaned ? weanedAction : farrowedAction;
    const QDate actionDate = weaned ? l.weaned : l.farrowed;
    Sql::exec(QStringLiteral("INSERT INTO tprashist (cislo_farmy, chovatel_chov, prasnica_farma, "
                             "prasnica_krcislo, chovatel_kraj, chovatel_okres, chovatel_zavod, "
                             "kod_akcie, cveterukony_ID, datum_akcie, farma_pohybu) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, ?, NULL)"),
              {m_farm.farm, l.herd, l.sow, l.sow, m_farm.codes.kraj, m_farm.codes.okres,
               m_farm.codes.zavod, action, actionDate});

    if (s.inControl) {
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
        LitterDocument::writeFarrowing(d);
        if (weaned)
            LitterDocument::writeWeaning(d);
    }

    // A litter reported late leaves her housing and last action as they are.
    if (latest)
        Sql::exec(
            QStringLiteral("UPDATE tpraspev SET ustajnenie = 'M01', kod_akcie = ?, "
                           "datum_akcie = ?, kod_kategorie = '1', priem_medzidobie = ? "
                           "WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ?"),
            {action, actionDate, numbered.averageInterval, m_farm.farm, l.herd, l.sow});
    else
        Sql::exec(
            QStringLiteral("UPDATE tpraspev SET kod_kategorie = '1', priem_medzidobie = ? "
                           "WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ?"),
            {numbered.averageInterval, m_farm.farm, l.herd, l.sow});
    // The tree row of the sow of this herd (numbers repeat across herds).
    Sql::exec(QStringLiteral("UPDATE tanimal SET strom_ust = '2', strom_ktg = '2', "
                             "kod_kategorie = '1' WHERE cislo_farmy = ? AND chovatel_chov = ? "
                             "AND jedinec = ? AND sekcia_kluc = ''"),
              {m_farm.farm, l.herd, l.sow.leftJustified(10, QLatin1Char(' '))});

    SowEvent e;
    e.type = SowEvent::Type::Litter;
    e.date = l.farrowed;
    e.character = l.character;
    e.weaned = l.weaned;
    e.evenness = l.evenness;
    s.events.append(e);
    std::stable_sort(s.events.begin(), s.events.end(),
                     [](const SowEvent& a, const SowEvent& b) { return a.date < b.date; });
}

} // namespace herd
