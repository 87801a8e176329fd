#include "selections/SelectionPrint.h"

#include "reports/ReportEngine.h"
#include "reports/ReportTable.h"

#include <algorithm>

namespace herd {

void SelectionPrint::prepare(ReportEngine& engine, const QString& name, const QString& description,
                             const ReportData& data, const QList<int>& widths) {
    engine.setParameter(QStringLiteral("Nazov"), name);
    engine.setParameter(QStringLiteral("Popis"), description);
    for (const char* empty : {"Podnik", "NazovPodniku", "Copyright"})
        engine.setParameter(QString::fromLatin1(empty), QString());

    const QList<int> shares = widths.size() == data.fields.size() ? widths : textWidths(data);
    double total = 0;
    for (int w : shares)
        total += std::max(w, 1);
    ReportDefinition& layout = engine.report(report());
    layout.removeRuntimeColumns();
    for (int i = 0; i < data.fields.size(); ++i)
        layout.addRuntimeColumn(data.fields[i].label, data.fields[i].name,
                                std::max(shares[i], 1) / total);
}

QList<int> SelectionPrint::textWidths(const ReportData& data) {
    QList<int> widths;
    for (int c = 0; c < data.fields.size(); ++c) {
        qsizetype widest = data.fields[c].label.size();
        for (const QVariantList& row : data.rows)
            widest = std::max(widest, ReportTable::valueText(row.value(c)).size());
        widths.append(int(widest));
    }
    return widths;
}

} // namespace herd
