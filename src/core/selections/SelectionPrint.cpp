#include "selections/SelectionPrint.h"

#include "reports/ReportEngine.h"
#include "reports/ReportTable.h"

#include <QRectF>
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
    layout.orientation = orientationFor(data);
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

QPageLayout::Orientation SelectionPrint::orientationFor(const ReportData& data) {
    // The report's 8-point condensed face takes about 1.5 mm a character; a
    // column adds its padding. A text longer than 30 characters wraps.
    constexpr double perCharacter = 1.5;
    constexpr double perColumn = 2.5;
    constexpr int widestColumn = 30;
    const QPageLayout portrait = ReportEngine::pageLayout(QPageLayout::Portrait);
    const double room = portrait.paintRect(QPageLayout::Millimeter).width();
    double needed = 0;
    for (int w : textWidths(data))
        needed += std::min(w, widestColumn) * perCharacter + perColumn;
    return needed <= room ? QPageLayout::Portrait : QPageLayout::Landscape;
}

} // namespace herd
