#include "selections/SelectionRows.h"

namespace herd {

SelectionRows SelectionRows::read(const SelectionStatement& statement,
                                  const ReadOnlyLimits& limits) {
    SelectionRows result;
    ReadOnlySelect::run(statement.sql, statement.values, limits,
                        [&](QSqlQuery& query) { result.data = ReportData::fromQuery(query); });
    for (int i = 0; i < statement.fields.size() && i < result.data.fields.size(); ++i)
        result.data.fields[i].label = statement.captions.value(i);
    result.limited = limits.reached(int(result.data.rows.size()));
    return result;
}

} // namespace herd
