#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariant>

class QAbstractItemModel;
class QSqlQuery;

namespace herd {

// A field of the data set a report prints.
struct ReportField {
    QString name;
    QString label; // the caption a generic layout prints
    QMetaType type;
    int decimals = -1; // the decimals of a fixed-point column, -1 when not known
};

// The rows a report prints or a grid export writes, read once from the
// caller's query or model: the page count ("n / m") needs them all before the
// first page is drawn.
class ReportData {
public:
    // Reads every row of an executed SELECT (a forward-only query from where
    // it stands, any other from its first row).
    static ReportData fromQuery(QSqlQuery& query);
    // Reads a table model (a QSqlQueryModel of a window, say) with its header
    // labels as captions.
    static ReportData fromModel(const QAbstractItemModel& model);
    // Only the given columns, in the given order (a grid's visible columns as
    // the user has arranged them).
    static ReportData fromModel(const QAbstractItemModel& model, const QList<int>& columns);

    // Captions by field name (case-insensitive), as a grid titles its columns;
    // fields without one keep theirs.
    void setLabels(const QList<std::pair<QString, QString>>& titles);

    QList<ReportField> fields;
    QList<QVariantList> rows;

    // The index of a field by name, case-insensitive; -1 when missing.
    int fieldIndex(const QString& name) const;
};

} // namespace herd
