#include "reports/ReportData.h"

#include <QAbstractItemModel>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace herd {

namespace {

// Decimal columns keep their scale in print (a weight of 5.0 stays "5,0").
constexpr int maxFixedDecimals = 6;

ReportField fieldOf(const QSqlField& f) {
    ReportField field{f.name(), f.name(), f.metaType()};
    if (f.metaType().id() == QMetaType::Double && f.precision() >= 0 &&
        f.precision() <= maxFixedDecimals)
        field.decimals = f.precision();
    return field;
}

} // namespace

ReportData ReportData::fromQuery(QSqlQuery& query) {
    ReportData data;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        data.fields.append(fieldOf(record.field(i)));
    const auto take = [&] {
        QVariantList row;
        row.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            row.append(query.value(i));
        data.rows.append(row);
    };
    if (query.isForwardOnly()) {
        while (query.next())
            take();
    } else if (query.first()) {
        do
            take();
        while (query.next());
    }
    return data;
}

ReportData ReportData::fromModel(const QAbstractItemModel& model) {
    QList<int> columns;
    for (int c = 0; c < model.columnCount(); ++c)
        columns.append(c);
    return fromModel(model, columns);
}

ReportData ReportData::fromModel(const QAbstractItemModel& model, const QList<int>& columns) {
    ReportData data;
    // A query model keeps its field names apart from the captions it shows.
    const auto* sqlModel = qobject_cast<const QSqlQueryModel*>(&model);
    const QSqlRecord record = sqlModel ? sqlModel->record() : QSqlRecord();
    for (const int c : columns) {
        const QString label = model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        if (c < record.count()) {
            ReportField field = fieldOf(record.field(c));
            field.label = label;
            data.fields.append(field);
            continue;
        }
        const QVariant sample =
            model.rowCount() > 0 ? model.index(0, c).data(Qt::EditRole) : QVariant();
        data.fields.append({label, label, sample.metaType()});
    }
    for (int r = 0; r < model.rowCount(); ++r) {
        QVariantList row;
        row.reserve(columns.size());
        for (const int c : columns)
            row.append(model.index(r, c).data(Qt::EditRole));
        data.rows.append(row);
    }
    return data;
}

void ReportData::setLabels(const QList<std::pair<QString, QString>>& titles) {
    for (const auto& [name, title] : titles) {
        const int f = fieldIndex(name);
        if (f >= 0)
            fields[f].label = title;
    }
}

int ReportData::fieldIndex(const QString& name) const {
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace herd
