#include "batch/DayPrintout.h"

#include "common/DateText.h"
#include "common/Padding.h"
#include "db/Sql.h"
#include "reports/ReportEngine.h"

#include <QSqlQuery>

namespace herd {

ReportData DayPrintout::read(const QString& farm, const QDate& day) const {
    QSqlQuery q = Sql::exec(
        QStringLiteral(
            "SELECT %1 FROM %2 WHERE cislo_farmy = ? AND datum_vytvorenia = ? ORDER BY %2_ID")
            .arg(columns.join(QLatin1Char(',')), QString::fromLatin1(table)),
        {farm, day});
    ReportData data = ReportData::fromQuery(q);
    if (readable)
        readable(data);
    return data;
}

namespace {

QDate writtenOn(const ReportData& data, const QVariantList& row) {
    const int f = data.fieldIndex(QStringLiteral("datum_vytvorenia"));
    return f < 0 ? QDate::currentDate() : row.value(f).toDate();
}

bool zerosOnly(const QString& text) {
    const QString t = text.trimmed();
    return t.isEmpty() || t.count(QLatin1Char('0')) == t.size();
}

} // namespace

void DayPrintout::readDates(ReportData& data, const QStringList& fields) {
    for (const QString& name : fields) {
        const int f = data.fieldIndex(name);
        if (f < 0)
            continue;
        data.fields[f].type = QMetaType::fromType<QDate>();
        for (QVariantList& row : data.rows) {
            const QString text = row[f].toString().trimmed();
            const QDate reference = writtenOn(data, row);
            const QDate date = text.size() == 4 ? DateText::fromDdmm(text, reference)
                                                : DateText::fromDdmmyy(text, reference);
            row[f] = date.isValid() ? QVariant(date) : QVariant(QMetaType::fromType<QDate>());
        }
    }
}

void DayPrintout::addDateOfParts(ReportData& data, const QString& target, const QString& day,
                                 const QString& month, const QString& year) {
    const int d = data.fieldIndex(day), m = data.fieldIndex(month), y = data.fieldIndex(year);
    if (d < 0 || m < 0 || y < 0)
        return;
    data.fields.append({target, target, QMetaType::fromType<QDate>()});
    for (QVariantList& row : data.rows) {
        const QDate date = DateText::fromParts(row[d].toString(), row[m].toString(),
                                               row[y].toString(), writtenOn(data, row));
        row.append(date.isValid() ? QVariant(date) : QVariant(QMetaType::fromType<QDate>()));
    }
}

void DayPrintout::readWeights(ReportData& data, const QStringList& fields) {
    for (const QString& name : fields) {
        const int f = data.fieldIndex(name);
        if (f < 0)
            continue;
        data.fields[f].type = QMetaType::fromType<double>();
        data.fields[f].decimals = 1;
        for (QVariantList& row : data.rows) {
            const std::optional<double> kg = kilogramsFromTenths(row[f].toString());
            row[f] = kg && *kg > 0 ? QVariant(*kg) : QVariant(QMetaType::fromType<double>());
        }
    }
}

void DayPrintout::blankEmptySlots(ReportData& data, const QList<QStringList>& slotFields) {
    for (const QStringList& slot : slotFields) {
        QList<int> indexes;
        for (const QString& name : slot)
            indexes.append(data.fieldIndex(name));
        if (indexes.isEmpty() || indexes.first() < 0)
            continue;
        for (QVariantList& row : data.rows) {
            if (!zerosOnly(row[indexes.first()].toString()))
                continue;
            for (int f : indexes)
                if (f >= 0)
                    row[f] = QVariant(data.fields[f].type);
        }
    }
}

void DayPrintout::setParameters(ReportEngine& engine, const QString& farm, const QDate& day) const {
    engine.setFarm(farm);
    engine.setParameter(QStringLiteral("DatumAktualizacie"), DateText::dotted(day));
}

} // namespace herd
