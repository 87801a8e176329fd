#include "litter/MatingApply.h"

#include "common/DateText.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "litter/LitterHybrid.h"
#include "litter/MatingSituation.h"
#include "register/MatingDocument.h"

#include <QSqlQuery>
#include <algorithm>

namespace herd::MatingApply {

namespace {

// Up to the sow's next litter (after the day): the matings of this cycle only.
QString laterMatingsSql() {
    return QStringLiteral(
        "SELECT i.datum_pripustenia FROM tprasins i WHERE i.cislo_farmy = ? "
        "AND i.chovatel_chov = ? AND i.prasnica_farma = ? AND i.datum_pripustenia > ? "
        "AND NOT EXISTS (SELECT 1 FROM tprasopr o WHERE o.cislo_farmy = i.cislo_farmy "
        "AND o.chovatel_chov = i.chovatel_chov AND o.prasnica_farma = i.prasnica_farma "
        "AND o.datum_oprasenia > ? AND o.datum_oprasenia <= i.datum_pripustenia) "
        "ORDER BY i.datum_pripustenia");
}

QString reorderSql() {
    return QStringLiteral("UPDATE tprasins SET poradie_pripustenia = ? WHERE "
                          "cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ? "
                          "AND datum_pripustenia = ?");
}

struct Row {
    QString herd, sow, method, line, reg;
    QDate mated;
    int reIns = 0;
};

void insertMating(Statements& st, const FarmKeys& farm, const Row& r, const MatingSituation& s,
                  int order, const QString& sign) {
    st.insert.exec({farm.farm, r.herd, r.sow, r.sow, farm.codes.kraj, farm.codes.okres,
                    farm.codes.zavod, r.mated, order, r.method, sign, r.line, r.reg, r.reIns});
    // A mating reported late does not move the sow back to the mating house.
    if (s.next.type == SowEvent::Type::None)
        st.housing.insert(SowHistory::key(r.herd, r.sow), {r.herd, r.sow, r.mated});
    st.actions.append({r.herd, r.sow, QStringLiteral("05"), r.mated});
}

// The previous mating takes this row's method and boar, one more re-insemination.
void repeatPrevious(Statements& st, const FarmKeys& farm, const Row& r, const MatingSituation& s) {
    st.repeat.exec({r.method, r.line, r.reg, s.previous.reInseminations + 1, farm.farm, r.herd,
                    r.sow, s.previous.date});
}

MatingData document(const FarmKeys& farm, const Row& r) {
    MatingData d;
    d.farm = farm.farm;
    d.keeper = farm.codes;
    d.chov = r.herd;
    d.matingCode = r.method;
    d.mated = r.mated;
    d.sow = r.sow;
    d.boarLine = r.line;
    d.boarRegister = r.reg;
    d.reInseminations = r.reIns;
    return d;
}

[[noreturn]] void noAction(const Row& r) {
    throw SqlError(QString::fromUtf8("Pripustenie prasnice %1 chov %2 z %3 nezodpovedá "
                                     "udalostiam prasnice; dávku skontroluj znova !")
                       .arg(r.sow, r.herd, DateText::dotted(r.mated)));
}

} // namespace

Statements::Statements(const QString& farm)
    : insert(
          QStringLiteral("INSERT INTO tprasins (cislo_farmy, chovatel_chov, prasnica_farma, "
                         "prasnica_krcislo, chovatel_kraj, chovatel_okres, chovatel_zavod, "
                         "datum_pripustenia, poradie_pripustenia, kod_pripustenia, prasnica_cka, "
                         "kod_brezost, linia_kanca, register_kanca, pocer_REins) "
                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '0', ?, ?, ?)"))
    , repeat(QStringLiteral("UPDATE tprasins SET kod_pripustenia = ?, linia_kanca = ?, "
                            "register_kanca = ?, kod_brezost = '0', pocer_REins = ? "
                            "WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ? "
                            "AND datum_pripustenia = ?"))
    // Up to the sow's next litter (after the day): the matings of this cycle only.
    , laterMatings(laterMatingsSql())
    , reorder(reorderSql()) {
    // Whether a sow is in performance control does not change while the batch applies.
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT chovatel_chov, prasnica_farma, prasnica_vKU "
                                           "FROM tpraspev WHERE cislo_farmy = ? AND "
                                           "(chovatel_chov, prasnica_farma) IN "
                                           "(SELECT Chovatel_chov, Prasnica_farma FROM davka_ins)"),
                            {farm});
    while (q.next()) {
        const QString sow = SowHistory::key(q.value(0).toString(), q.value(1).toString());
        inControl.insert(sow, q.value(2).toString());
        unchanged.insert(sow, {}); // a sow without matings and litters
    }
    const QHash<QString, QList<SowEvent>> read =
        SowHistory::readForBatch(farm, QStringLiteral("davka_ins"));
    for (auto it = read.cbegin(); it != read.cend(); ++it)
        unchanged.insert(it.key(), it.value());
}

QList<SowEvent> Statements::events(const QString& farm, const QString& herd, const QString& sow) {
    const auto it = unchanged.constFind(SowHistory::key(herd, sow));
    if (it == unchanged.cend())
        return history.read(farm, herd, sow);
    QList<SowEvent> events = it.value();
    unchanged.erase(it);
    return events;
}

void Statements::finish(const FarmKeys& farm) {
    SowActions::write(farm, std::exchange(actions, {}));
    MatingDocument::writeMatings(std::exchange(documents, {}));
    Sql::execOverRows(QStringLiteral("UPDATE tpraspev p JOIN (%1) x ON p.chovatel_chov = x.h "
                                     "AND p.prasnica_farma = x.s SET p.ustajnenie = 'J01', "
                                     "p.kod_akcie = '05', p.datum_akcie = x.d "
                                     "WHERE p.cislo_farmy = ?"),
                      {QStringLiteral("h"), QStringLiteral("s"), QStringLiteral("d")},
                      std::exchange(housing, {}).values(), {farm.farm});
}

void apply(const BatchRow& batchRow, const FarmKeys& farm, Statements& st) {
    Row r;
    r.sow = batchRow.text(QStringLiteral("Prasnica_farma"));
    r.herd = batchRow.text(QStringLiteral("Chovatel_chov"));
    r.mated = batchRow.date(QStringLiteral("Datum_pripustenia"));
    r.method = batchRow.text(QStringLiteral("Kod_pripustenia"));
    r.line = batchRow.text(QStringLiteral("Linia_kanca"));
    r.reg = batchRow.text(QStringLiteral("Register_kanca"));
    r.reIns = batchRow.value(QStringLiteral("Pocet_REIns")).toInt();

    const bool inControl = st.inControl.value(SowHistory::key(r.herd, r.sow)) == QLatin1String("1");
    const QList<SowEvent> events = st.events(farm.farm, r.herd, r.sow);
    const MatingSituation s = MatingSituation::of(events, r.mated);
    if (!s.fault().isEmpty())
        noAction(r);

    bool hybrid = false;
    int renumberFrom = 0; // the order the cycle's later matings continue from
    switch (s.code) {
    case 0:
        insertMating(st, farm, r, s, 1, QStringLiteral("1"));
        hybrid = true;
        break;
    case 1:
    case 3:
    case 6:
        if (s.repeatsPrevious()) {
            repeatPrevious(st, farm, r, s);
            // The repeated mating may be the fertile one of the next litter.
            hybrid = s.code == 1;
        } else {
            insertMating(st, farm, r, s, s.previous.order + 1, s.previous.sign);
            hybrid = s.code == 1;
            if (s.code == 3)
                renumberFrom = s.previous.order + 1;
        }
        break;
    case 2:
    case 5:
        insertMating(st, farm, r, s, 1, QLatin1String(s.code == 2 ? "1" : "3"));
        renumberFrom = 1;
        break;
    case 4:
        insertMating(st, farm, r, s, 1, QStringLiteral("3"));
        break;
    case 7:
        insertMating(st, farm, r, s, 1, QStringLiteral("1"));
        break;
    case 8:
        insertMating(st, farm, r, s, 1, QStringLiteral("3"));
        hybrid = true;
        break;
    default:
        noAction(r);
    }
    if (inControl)
        st.documents.append(document(farm, r));
    if (renumberFrom > 0)
        renumberMatings(st, farm, r.herd, r.sow, r.mated, renumberFrom + 1);
    // Only a litter after the mating takes its hybrid code from it.
    if (hybrid && std::any_of(events.cbegin(), events.cend(), [&](const SowEvent& e) {
            return e.type == SowEvent::Type::Litter && e.date > r.mated;
        }))
        LitterHybrid::update(farm.farm, r.herd, r.sow, r.mated);
}

void renumberMatings(Statements& st, const FarmKeys& farm, const QString& herd, const QString& sow,
                     const QDate& after, int first) {
    QSqlQuery& q = st.laterMatings.exec({farm.farm, herd, sow, after, after});
    QList<QDate> dates;
    while (q.next())
        dates.append(q.value(0).toDate());
    int order = first;
    for (const QDate& d : dates)
        st.reorder.exec({order++, farm.farm, herd, sow, d});
}

void renumberMatings(const QString& farm, const QString& herd, const QString& sow,
                     const QDate& after, int first) {
    QSqlQuery q = Sql::exec(laterMatingsSql(), {farm, herd, sow, after, after});
    QList<QDate> dates;
    while (q.next())
        dates.append(q.value(0).toDate());
    int order = first;
    for (const QDate& d : dates)
        Sql::exec(reorderSql(), {order++, farm, herd, sow, d});
}

void updateEnrolmentDates(const FarmKeys& farm) {
    Sql::exec(QStringLiteral(
                  "UPDATE tpraspev p JOIN (SELECT i.cislo_farmy, i.chovatel_chov, "
                  "i.prasnica_farma, MIN(i.datum_pripustenia) AS prvy FROM tprasins i "
                  "JOIN (SELECT DISTINCT Chovatel_chov, Prasnica_farma FROM davka_ins) b "
                  "ON b.Chovatel_chov = i.chovatel_chov AND b.Prasnica_farma = i.prasnica_farma "
                  "WHERE i.cislo_farmy = ? "
                  "GROUP BY i.cislo_farmy, i.chovatel_chov, i.prasnica_farma) i "
                  "ON i.cislo_farmy = p.cislo_farmy AND i.chovatel_chov = p.chovatel_chov "
                  "AND i.prasnica_farma = p.prasnica_farma SET p.datum_zaradenia = i.prvy "
                  // Rows already right are not written again (no locks, no undo).
                  "WHERE NOT (p.datum_zaradenia <=> i.prvy)"),
              {farm.farm});
}

} // namespace herd::MatingApply
