#include "card/EnrolmentBatch.h"

#include "card/EnrolmentFields.h"
#include "card/SowEnrolment.h"
#include "common/Padding.h"
#include "db/Sql.h"

#include <algorithm>
#include <iterator>

namespace herd {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

BatchTexts enrolmentTexts() {
    return BatchTexts::standard(u("zaradenia"), u("Vytvorenie / kontrola dávky vstupných údajov"));
}

// Columns a row cannot be applied without, even as blanks.
const char* const requiredCodes[] = {"Prasnica_farma", "Prasnica_KrCislo", "Chovatel_Chov"};
// Pedigree codes: an empty one is stored as zeros.
const char* const pedigreeCodes[] = {
    "Linia_otca",  "Register_otca", "Linia_otcaMatky", "Register_otcaMatky", "Povod_kraj",
    "Povod_okres", "Povod_zavod",   "Povod_chov",      "Povod_matka",        "Povod_uscislo"};

bool among(const QString& column, const auto& names) {
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char* c) { return column == QLatin1String(c); });
}

// A row's message for a column: the field's own, or for the fields that the
// entry panel never refuses, one in the same words.
QString rowMessage(const QString& column) {
    QString text = EnrolmentFields::message(column);
    if (column == QLatin1String("Prasnica_farma"))
        text = u("Nekorektne uvedené číslo prasnice na farme !");
    else if (column == QLatin1String("Linia_otcaMatky"))
        text = u("Nekorektne uvedená línia otca matky !");
    else if (column == QLatin1String("Register_otcaMatky"))
        text = u("Nekorektne uvedený register otca matky !");
    else if (column == QLatin1String("Kod_krajiny_NUM"))
        text = u("Nekorektne uvedený kód krajiny !");
    return QStringLiteral("* ") + text;
}

// Columns a row cannot be applied without (the birth date is not required).
const char* const required[] = {"Prasnica_farma", "Chovatel_Chov", "Plemeno_KU", "Prasnica_KrCislo",
                                "Kod_kategorie"};

QList<CellRule> makeRules() {
    using K = CellRule::Kind;
    auto rule = [](const char* column, K kind, int width, int max, QStringList targets) {
        const QString name = QString::fromLatin1(column);
        return CellRule{name, kind, width, 0, max, rowMessage(name).mid(2), std::move(targets)};
    };
    return {
        rule("Prasnica_vKU", K::Code, 1, 1, {"tpraspev.prasnica_vKU"}),
        rule("Prasnica_KrCislo", K::Code, Width::Sow, 0,
             {"tpraspev.prasnica_krcislo", "tanimal.jedinec", "dos1.rmcislo"}),
        rule("Chovatel_Chov", K::Code, Width::Herd, 0,
             {"tpraspev.chovatel_chov", "tanimal.chovatel_chov", "dos1.chov"}),
        rule("Datum_narodenia", K::Date, 0, 0, {}),
        rule("Cecky", K::Code, 2, 0, {"tpraspev.cecky", "dos1.struky"}),
        rule("Kod_kategorie", K::Code, 1, 0, {"tpraspev.kod_kategorie", "tanimal.kod_kategorie"}),
        rule("Plemeno_KU", K::Code, 8, 0, {"tpraspev.plemeno_ku", "dos1.sthybr"}),
        rule("Kod_genofond", K::Code, 1, 0, {"tpraspev.kod_genofond", "dos1.gener"}),
        rule("Kod_krajiny_NUM", K::Code, 2, 0, {"tpraspev.kod_krajiny_num", "dos1.dovoz"}),
        rule("Linia_otca", K::Code, Width::BoarLine, 0, {"tpraspev.linia_otca"}),
        rule("Register_otca", K::Code, Width::BoarRegister, 0, {"tpraspev.register_otca"}),
        rule("Povod_kraj", K::Code, Width::Region, 0, {"tpraspev.povod_kraj", "dos1.podm"}),
        rule("Povod_okres", K::Code, Width::District, 0, {"tpraspev.povod_okres", "dos1.okrm"}),
        rule("Povod_zavod", K::Code, Width::Enterprise, 0, {"tpraspev.povod_zavod", "dos1.zavm"}),
        rule("Povod_chov", K::Code, Width::Herd, 0, {"tpraspev.povod_chov", "dos1.chovm"}),
        rule("Povod_matka", K::Code, Width::Sow, 0, {"tpraspev.povod_matka", "dos1.cism"}),
        // The document takes the ear number's first five digits.
        rule("Povod_uscislo", K::Code, Width::EarNumber, 0, {"tpraspev.povod_uscislo"}),
        rule("Linia_otcaMatky", K::Code, Width::BoarLine, 0,
             {"tpraspev.linia_otcaMatky", "dos1.liniaot"}),
        rule("Register_otcaMatky", K::Code, Width::BoarRegister, 0,
             {"tpraspev.register_otcaMatky", "dos1.regot"}),
        rule("Prasnica_farma", K::Code, Width::Sow, 0,
             {"tpraspev.prasnica_farma", "tanimal.prasnica_farma"}),
        rule("Ustajnenie", K::Section, 3, 0, {"tpraspev.ustajnenie", "tanimal.ustajnenie"}),
        rule("Farma_prisunu", K::Code, 6, 0, {}),
        rule("Farma_povodu", K::Text, 14, 0, {"tpraspev.farma_povodu"}),
    };
}

} // namespace

const QList<CellRule>& EnrolmentBatch::cellRules() {
    static const QList<CellRule> rules = makeRules();
    return rules;
}

EnrolmentBatch::EnrolmentBatch()
    : CheckedBatch(BatchTable("davka_zar", "davka_zar_ID", EnrolmentFields::order(), cellRules()),
                   enrolmentTexts()) {}

QString EnrolmentBatch::describe(const BatchRow& row) const {
    return row.text(QStringLiteral("Prasnica_KrCislo")) + QStringLiteral(" chov ") +
           row.text(QStringLiteral("Chovatel_Chov"));
}

QList<BatchRow> EnrolmentBatch::normalise(const FarmKeys&) {
    for (const BatchRow& row : table().rows()) {
        QVariantMap values;
        QString fault;
        for (const CellRule& rule : cellRules()) {
            if (rule.kind == CellRule::Kind::Date || row.isNull(rule.column))
                continue; // the completeness test judges a missing value
            CellVerdict v = CellRules::check(rule, row.value(rule.column));
            const bool empty = v.good() && v.value.toString().isEmpty();
            if (!v.good() || (empty && among(rule.column, requiredCodes))) {
                if (fault.isEmpty())
                    fault = rowMessage(rule.column);
                continue;
            }
            if (empty && among(rule.column, pedigreeCodes))
                v.value = QString(rule.width, QLatin1Char('0'));
            if (v.value != row.value(rule.column))
                values.insert(rule.column, v.value);
        }
        if (row.isNull(QStringLiteral("Kod_krajiny_NUM")))
            values.insert(QStringLiteral("Kod_krajiny_NUM"), QStringLiteral("00"));
        if (!values.isEmpty())
            table().update(row.id(), values);
        table().setVerdict(row.id(), fault.isEmpty(),
                           fault.isEmpty() ? QStringLiteral(" ") : fault);
    }
    return table().rows();
}

bool EnrolmentBatch::checkRow(const BatchRow& row, const FarmKeys& farm) {
    const QString herdCode = row.text(QStringLiteral("Chovatel_Chov"));
    const QString sow = row.text(QStringLiteral("Prasnica_farma"));
    const bool registered =
        Sql::value(QStringLiteral("SELECT datum_vyradenia FROM tpraspev WHERE cislo_farmy = ? "
                                  "AND chovatel_chov = ? AND prasnica_farma = ?"),
                   {farm.farm, herdCode, sow})
            .isValid();
    // A registered sow marks every batch row with her number, whatever its herd.
    if (registered)
        table().markFaultyWhere({{QStringLiteral("Prasnica_farma"), sow}}, alreadyRegistered());
    // Two rows of one sow would collide in the herd tables.
    const int copies = Sql::value(QStringLiteral("SELECT COUNT(*) FROM davka_zar WHERE "
                                                 "chovatel_chov = ? AND prasnica_farma = ?"),
                                  {herdCode, sow})
                           .toInt();
    if (copies > 1)
        table().markFaultyWhere(
            {{QStringLiteral("Chovatel_Chov"), herdCode}, {QStringLiteral("Prasnica_farma"), sow}},
            twiceInBatch(), true);
    // The tree row is unique on farm, herd and register number: another
    // animal of the herd with her register number, or two rows with it.
    const QString registerNo = row.text(QStringLiteral("Prasnica_KrCislo"));
    if (!registerNo.isEmpty() && row.value(QStringLiteral("status_zaznamu")).toInt() == 1) {
        const bool taken =
            Sql::value(QStringLiteral("SELECT 1 FROM tanimal WHERE cislo_farmy = ? AND "
                                      "chovatel_chov = ? AND jedinec = ? AND sekcia_kluc = ''"),
                       {farm.farm, herdCode, registerNo})
                .isValid();
        if (taken)
            table().setVerdict(row.id(), false, registerTaken());
        const int sameRegister =
            Sql::value(QStringLiteral("SELECT COUNT(*) FROM davka_zar WHERE chovatel_chov = ? "
                                      "AND prasnica_krcislo = ?"),
                       {herdCode, registerNo})
                .toInt();
        if (sameRegister > 1)
            table().markFaultyWhere({{QStringLiteral("Chovatel_Chov"), herdCode},
                                     {QStringLiteral("Prasnica_KrCislo"), registerNo}},
                                    registerTwiceInBatch(), true);
    }
    for (const char* column : required)
        if (row.isNull(QString::fromLatin1(column)))
            return false;
    return true;
}

void EnrolmentBatch::applyRow(const BatchRow& row, const FarmKeys& farm) {
    SowEnrolment::insertSowMaster(row, farm);
    SowEnrolment::insertAnimalRow(row, farm);
    SowEnrolment::insertSowHistory(row, farm);
    if (row.text(QStringLiteral("Prasnica_vKU")) == QLatin1String("1"))
        SowEnrolment::insertEnrolmentDocument(row, farm);
}

} // namespace herd
