#include "card/MatingCorrection.h"

#include "batch/CellRule.h"
#include "common/Padding.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "db/Transaction.h"
#include "farms/FarmKeys.h"
#include "litter/LitterHybrid.h"
#include "litter/MatingApply.h"
#include "litter/MatingBatch.h"
#include "litter/MatingPrintout.h"
#include "register/MatingDocument.h"

#include <QSqlQuery>

namespace herd::MatingCorrection {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

const CellRule& rule(const char* column) {
    return *CellRules::find(MatingBatch::cellRules(), QString::fromLatin1(column));
}

// A code passes the batch's cell rule of its column; the padded value.
std::optional<QString> code(const char* column, const QString& typed) {
    const CellVerdict v = CellRules::check(rule(column), typed);
    if (!v.good() || typed.trimmed().isEmpty())
        return std::nullopt;
    return v.value.toString();
}

bool inPerformanceControl(const MatingKey& k) {
    return Sql::value(QStringLiteral("SELECT prasnica_vKU FROM tpraspev WHERE cislo_farmy = ? "
                                     "AND chovatel_chov = ? AND prasnica_farma = ?"),
                      {k.farm, k.herd, k.sow})
               .toString()
               .trimmed() == QLatin1String("1");
}

// The mating's order in its cycle; nothing when it is not recorded.
std::optional<int> matingOrder(const MatingKey& k) {
    const QVariant order =
        Sql::value(QStringLiteral("SELECT poradie_pripustenia FROM tprasins WHERE cislo_farmy = ? "
                                  "AND chovatel_chov = ? AND prasnica_farma = ? "
                                  "AND datum_pripustenia = ? FOR UPDATE"),
                   {k.farm, k.herd, k.sow, k.mated});
    if (!order.isValid())
        return std::nullopt;
    return order.toInt();
}

MatingData document(const MatingKey& k, const FarmKeys& farm, const MatingChange& c) {
    MatingData d;
    d.farm = k.farm;
    d.keeper = farm.codes;
    d.chov = k.herd;
    d.sow = k.sow;
    d.mated = k.mated;
    d.matingCode = c.method.isEmpty() ? QStringLiteral("00") : c.method;
    d.boarLine = c.boarLine.isEmpty() ? QStringLiteral("0000") : c.boarLine;
    d.boarRegister = c.boarLine.isEmpty() ? QStringLiteral("00000") : c.boarRegister;
    d.reInseminations = c.reInseminations.value_or(0);
    return d;
}

Notice notRecorded(const QString& title) {
    return Notice::error(title, u("Pripustenie prasnice nie je evidované !"));
}

FarmKeys farmOf(const QString& farm) {
    std::optional<FarmKeys> keys = FarmKeys::read(farm);
    if (!keys)
        throw SqlError(u("Nebola vybraná aktuálna farma !"));
    return *keys;
}

} // namespace

QString correctionTitle() {
    return u("Oprava pripustenia");
}

QString cancelTitle() {
    return u("Zrušenie pripustenia");
}

QList<BoarChoice> boars() {
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT t.linia_kanca, t.register_kanca, "
        "CONCAT(t.linia_kanca, '  ', t.register_kanca, '  ', COALESCE(l.nazov_linie, '')) "
        "FROM tkance AS t LEFT JOIN ctablin AS l ON (t.linia_kanca = l.linia_kanca) "
        "WHERE t.datum_vyradenia IS NULL ORDER BY t.linia_kanca, t.register_kanca"));
    QList<BoarChoice> list;
    while (q.next())
        list.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    return list;
}

Notice noBoars() {
    return Notice::error(correctionTitle(), u("Nie je evidovaná tabuľka kancov !"));
}

std::optional<Notice> checkBoar(const QString& text, QString* line, QString* registerNumber) {
    // "llll  rrrrr  name": the line and register at their places.
    const std::optional<QString> l = code("Linia_kanca", text.mid(0, 4));
    const std::optional<QString> r = code("Register_kanca", text.mid(6, 5));
    if (!l || !r || (*l == QLatin1String("0000") && *r == QLatin1String("00000")))
        return Notice::error(correctionTitle(), u("Nekorektne uvedený kanec !"));
    *line = *l;
    *registerNumber = *r;
    return std::nullopt;
}

std::optional<Notice> checkMethod(const QString& method) {
    const std::optional<QString> m = code("Kod_pripustenia", method);
    if (!m || !Sql::value(QStringLiteral("SELECT 1 FROM csposprip WHERE kod_pripustenia = ?"), {*m})
                   .isValid())
        return Notice::error(correctionTitle(), u("Nekorektne uvedený spôsob pripustenia !"));
    return std::nullopt;
}

std::optional<Notice> checkReInseminations(const QString& typed, int* value) {
    const CellVerdict v = CellRules::check(rule("Pocet_REIns"), typed);
    if (!v.good() || typed.trimmed().isEmpty())
        return Notice::error(correctionTitle(), u("Nekorektne uvedený počet RE !"));
    *value = v.value.toInt();
    return std::nullopt;
}

Notice correct(const MatingKey& key, const MatingChange& change) {
    const QString title = correctionTitle();
    MatingChange c = change;
    if (!c.boarLine.isEmpty() || !c.boarRegister.isEmpty()) {
        QString line, reg;
        const QString text = padLeftZeros(c.boarLine, Width::BoarLine) + QStringLiteral("  ") +
                             padLeftZeros(c.boarRegister, Width::BoarRegister);
        if (auto refused = checkBoar(text, &line, &reg))
            return *refused;
        c.boarLine = line;
        c.boarRegister = reg;
    }
    if (c.reInseminations) {
        int count = 0;
        if (auto refused = checkReInseminations(QString::number(*c.reInseminations), &count))
            return *refused;
    }
    try {
        if (!c.boarLine.isEmpty() &&
            !Sql::value(QStringLiteral("SELECT 1 FROM tkance WHERE linia_kanca = ? AND "
                                       "register_kanca = ? AND datum_vyradenia IS NULL"),
                        {c.boarLine, c.boarRegister})
                 .isValid())
            return Notice::error(title, u("Nekorektne uvedený kanec !"));
        if (!c.method.isEmpty()) {
            if (auto refused = checkMethod(c.method))
                return *refused;
            c.method = padLeftZeros(c.method, Width::Method);
        }
        Transaction tx;
        if (!matingOrder(key))
            return notRecorded(title);
        const FarmKeys farm = farmOf(key.farm);
        const QVariantList where{key.farm, key.herd, key.sow, key.mated};
        const QString whereSql =
            QStringLiteral(" WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ? "
                           "AND datum_pripustenia = ?");
        if (!c.boarLine.isEmpty())
            Sql::exec(QStringLiteral("UPDATE tprasins SET linia_kanca = ?, register_kanca = ?") +
                          whereSql,
                      QVariantList{c.boarLine, c.boarRegister} + where);
        if (!c.method.isEmpty())
            Sql::exec(QStringLiteral("UPDATE tprasins SET kod_pripustenia = ?") + whereSql,
                      QVariantList{c.method} + where);
        if (c.reInseminations)
            Sql::exec(QStringLiteral("UPDATE tprasins SET pocer_REins = ?") + whereSql,
                      QVariantList{*c.reInseminations} + where);
        if (inPerformanceControl(key))
            MatingDocument::writeMatingCorrected(document(key, farm, c));
        // A new boar gives the litter of this mating (and its offspring) a new breed.
        if (!c.boarLine.isEmpty())
            LitterHybrid::update(key.farm, key.herd, key.sow, key.mated);
        tx.commit();
        return Notice::information(u("Oprava pripustenia "),
                                   u("Korektná oprava pripustenia prasnice !"));
    } catch (const SqlError& e) {
        return Notice::error(title, u("Nekorektné vykonanie opravy: ") + e.text());
    }
}

Notice cancel(const MatingKey& key) {
    const QString title = cancelTitle();
    try {
        Transaction tx;
        const std::optional<int> order = matingOrder(key);
        if (!order)
            return notRecorded(title);
        const FarmKeys farm = farmOf(key.farm);
        if (inPerformanceControl(key))
            MatingDocument::writeMatingDeleted(document(key, farm, {}));
        Sql::exec(QStringLiteral("DELETE FROM tprasins WHERE cislo_farmy = ? AND chovatel_chov = ? "
                                 "AND prasnica_farma = ? AND datum_pripustenia = ?"),
                  {key.farm, key.herd, key.sow, key.mated});
        // The cycle's later matings close the gap.
        MatingApply::renumberMatings(key.farm, key.herd, key.sow, key.mated, *order);
        // The next litter takes the breed of its mating as it now stands.
        LitterHybrid::update(key.farm, key.herd, key.sow, key.mated);
        // Only the mating's own entry of that day leaves the history.
        Sql::exec(
            QStringLiteral("DELETE FROM tprashist WHERE cislo_farmy = ? AND chovatel_chov = ? "
                           "AND prasnica_farma = ? AND datum_akcie = ? AND kod_akcie = '05'"),
            {key.farm, key.herd, key.sow, key.mated});
        tx.commit();
        return Notice::information(u("Zrušenie pripustenia "),
                                   u("Korektné zrušenie pripustenia prasnice !"));
    } catch (const SqlError& e) {
        return Notice::error(title, u("Nekorektné vykonanie zrušenia: ") + e.text());
    }
}

DayPrintout dayPrintout() {
    DayPrintout printout = MatingPrintout::day();
    printout.report = QStringLiteral("ReportDAktInsO");
    return printout;
}

} // namespace herd::MatingCorrection
