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

} // namespace herd
