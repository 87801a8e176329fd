#include "reports/ReportDefinition.h"

namespace herd {

void ReportDefinition::removeRuntimeColumns() {
    columns.removeIf([](const ReportColumn& c) { return c.runtime; });
}

void ReportDefinition::addRuntimeColumn(const QString& headerText, const QString& field,
                                        double proportion) {
    ReportColumn column;
    column.field = field;
    column.caption = headerText;
    column.width = proportion > 0 ? proportion : 1;
    column.runtime = true;
    columns.append(column);
}

void ReportDefinition::followData(const ReportData& data) {
    QList<ReportColumn> followed;
    for (const ReportField& field : data.fields) {
        ReportColumn column;
        for (const ReportColumn& own : std::as_const(columns))
            if (own.field.compare(field.name, Qt::CaseInsensitive) == 0)
                column = own;
        column.field = field.name;
        column.caption = field.label;
        followed.append(column);
    }
    columns = followed;
}

void ReportDefinition::printAsList(const ReportData& data, const QString& listTitle) {
    followData(data);
    if (!listTitle.trimmed().isEmpty()) {
        subtitle = title;
        title = listTitle;
    }
}

} // namespace herd
