#include "card/EnrolmentBatch.h"

#include "card/EnrolmentFields.h"
#include "card/SowEnrolment.h"
#include "common/Padding.h"
#include "db/Sql.h"

namespace herd {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

BatchTexts enrolmentTexts() {
    return BatchTexts::standard(u("zaradenia"), u("Vytvorenie / kontrola dávky vstupných údajov"));
}

// The codes the check pads to their width. A value that is too long, and an
// empty sow number, register number or herd, make the row faulty with the
// field's message instead of being cut or turned into zeros.
struct PaddedColumn {
    const char* column;
    int width;
    bool required;
};
const PaddedColumn padded[] = {
    {"Prasnica_farma", Width::Sow, true},
    {"Prasnica_KrCislo", Width::Sow, true},
    {"Chovatel_Chov", Width::Herd, true},
    {"Linia_otca", Width::BoarLine, false},
    {"Register_otca", Width::BoarRegister, false},
    {"Linia_otcaMatky", Width::BoarLine, false},
    {"Register_otcaMatky", Width::BoarRegister, false},
    {"Povod_kraj", Width::Region, false},
    {"Povod_okres", Width::District, false},
    {"Povod_zavod", Width::Enterprise, false},
    {"Povod_chov", Width::Herd, false},
    {"Povod_matka", Width::Sow, false},
    {"Povod_uscislo", Width::EarNumber, false},
};

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
    return QStringLiteral("* ") + text;
}

// Columns a row cannot be applied without (the birth date is not required).
const char* const required[] = {"Prasnica_farma", "Chovatel_Chov", "Plemeno_KU", "Prasnica_KrCislo",
                                "Kod_kategorie"};

} // namespace

EnrolmentBatch::EnrolmentBatch()
    : CheckedBatch(BatchTable("davka_zar", "davka_zar_ID", EnrolmentFields::order()),
                   enrolmentTexts()) {}

QString EnrolmentBatch::describe(const BatchRow& row) const {
    return row.text(QStringLiteral("Prasnica_KrCislo")) + QStringLiteral(" chov ") +
           row.text(QStringLiteral("Chovatel_Chov"));
}

QList<BatchRow> EnrolmentBatch::normalise(const FarmKeys&) {
    for (const BatchRow& row : table().rows()) {
        QVariantMap values;
        QString fault;
        for (const PaddedColumn& p : padded) {
            const QString column = QString::fromLatin1(p.column);
            if (row.isNull(column))
                continue; // the completeness test judges a missing value
            const QString trimmed = row.text(column).trimmed();
            if (trimmed.size() > p.width || (p.required && trimmed.isEmpty())) {
                if (fault.isEmpty())
                    fault = rowMessage(column);
                continue;
            }
            values.insert(column, padLeftZeros(trimmed, p.width));
        }
        if (row.isNull(QStringLiteral("Kod_krajiny_NUM")))
            values.insert(QStringLiteral("Kod_krajiny_NUM"), QStringLiteral("00"));
        if (row.text(QStringLiteral("Cecky")).trimmed().size() > 2 && fault.isEmpty())
            fault = rowMessage(QStringLiteral("Cecky"));
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
