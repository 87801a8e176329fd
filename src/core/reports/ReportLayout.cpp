#include "reports/ReportLayout.h"

#include <QRegularExpression>
#include <cmath>

namespace herd {

QString ReportLayout::fill(const QString& text, const QHash<QString, QString>& values) {
    static const QRegularExpression placeholder(QStringLiteral("\\{(\\w+)\\}"));
    QString result;
    qsizetype last = 0;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) {
        result += text.mid(last, m.capturedStart() - last);
        result += values.value(m.captured(1));
        last = m.capturedEnd();
    }
    return result + text.mid(last);
}

ReportLayout::ReportLayout(const ReportStyle& style, const ReportTable& table,
                           const ReportDefinition& definition,
                           const QHash<QString, QString>& values, const QSizeF& page)
    : pageWidth(page.width())
    , pageHeight(page.height())
    , m_style(style)
    , m_table(table) {
    cellPadding = style.mm(1);
    double total = 0;
    for (const PrintedColumn& c : table.columns())
        total += c.weight;
    double x = 0;
    for (const PrintedColumn& c : table.columns()) {
        const double width = total > 0 ? pageWidth * c.weight / total : 0;
        columnX.append(x);
        columnWidth.append(width);
        x += width;
    }
    measureFrame(definition, values);
    paginate(definition);
}

void ReportLayout::measureFrame(const ReportDefinition& definition,
                                const QHash<QString, QString>& values) {
    headerHeight = m_style.lineHeight(m_style.small) + m_style.mm(3);
    footerTop = pageHeight - m_style.lineHeight(m_style.small) - m_style.mm(2);

    title = fill(definition.title, values);
    subtitle = fill(definition.subtitle, values);
    QStringList parts;
    for (const ReportParameterLine& p : definition.parameters)
        parts.append(p.caption + QStringLiteral(": ") + values.value(p.name));
    parameterLine = parts.join(QStringLiteral("     "));
    titleHeight = m_style.textHeight(m_style.title, title, pageWidth) + m_style.mm(2);
    if (!subtitle.isEmpty())
        titleHeight += m_style.textHeight(m_style.subtitle, subtitle, pageWidth);
    if (!parameterLine.isEmpty())
        titleHeight +=
            m_style.textHeight(m_style.subtitle, parameterLine, pageWidth) + m_style.mm(1);
    titleHeight += m_style.mm(3);

    columnHeaderHeight = m_style.lineHeight(m_style.bold);
    for (int c = 0; c < m_table.columns().size(); ++c)
        columnHeaderHeight =
            std::max(columnHeaderHeight,
                     m_style.textHeight(m_style.bold, m_table.columns()[c].caption, innerWidth(c)));
    columnHeaderHeight += m_style.mm(2);
}

double ReportLayout::innerWidth(int column) const {
    return std::max(1.0, columnWidth[column] - 2 * cellPadding);
}

double ReportLayout::rowHeight(int row) const {
    double height = m_style.lineHeight(m_style.body);
    for (int c = 0; c < m_table.columns().size(); ++c) {
        const QString text = m_table.cellText(row, c);
        if (!text.isEmpty())
            height = std::max(height, m_style.textHeight(m_style.body, text, innerWidth(c)));
    }
    return height + m_style.mm(1.2);
}

void ReportLayout::place(ReportItem item, double keepWithNext) {
    const bool pageHasItems = !m_pages.last().items.isEmpty();
    if (pageHasItems && m_y + item.height + keepWithNext > footerTop - m_style.mm(1)) {
        m_pages.append(ReportPage());
        m_y = headerHeight + columnHeaderHeight;
        if (!m_group.isEmpty() && item.kind != ReportItem::Kind::Group) {
            ReportItem caption;
            caption.kind = ReportItem::Kind::Group;
            caption.text = m_group + QStringLiteral(" (pokračovanie)");
            caption.height = m_style.lineHeight(m_style.bold) + m_style.mm(2);
            caption.y = m_y;
            m_y += caption.height;
            m_pages.last().items.append(caption);
        }
    }
    item.y = m_y;
    m_y += item.height;
    m_pages.last().items.append(item);
}

ReportItem ReportLayout::sumItem(ReportItem::Kind kind, const QString& label,
                                 const QList<double>& sums, const QList<bool>& summed) const {
    ReportItem item;
    item.kind = kind;
    item.text = label;
    for (int c = 0; c < sums.size(); ++c)
        item.sums.append(summed[c] ? sums[c] : std::nan(""));
    item.height = m_style.lineHeight(m_style.bold) + m_style.mm(2);
    return item;
}

void ReportLayout::paginate(const ReportDefinition& definition) {
    const ReportData& data = m_table.data();
    const int columns = int(m_table.columns().size());
    QList<bool> summed(columns, false);
    for (int c = 0; c < columns; ++c)
        for (const QString& field : definition.totals)
            if (data.fieldIndex(field) == m_table.columns()[c].field)
                summed[c] = true;
    const bool hasTotals = summed.contains(true);
    const int groupField = definition.groupBy.isEmpty() ? -1 : data.fieldIndex(definition.groupBy);

    m_pages = {ReportPage()};
    m_y = headerHeight + titleHeight + columnHeaderHeight;
    QList<double> groupSums(columns, 0), allSums(columns, 0);
    QString group;
    bool inGroup = false;
    const QString subtotalLabel = QStringLiteral("Spolu");
    for (int r = 0; r < data.rows.size(); ++r) {
        const double height = rowHeight(r);
        if (groupField >= 0) {
            const QString value = ReportTable::valueText(data.rows[r].value(groupField));
            if (!inGroup || value != group) {
                if (inGroup && hasTotals)
                    place(sumItem(ReportItem::Kind::Subtotal, subtotalLabel, groupSums, summed));
                groupSums.fill(0);
                group = value;
                inGroup = true;
                ReportItem caption;
                caption.kind = ReportItem::Kind::Group;
                caption.text = fill(definition.groupCaption, {{QStringLiteral("value"), value}});
                caption.height = m_style.lineHeight(m_style.bold) + m_style.mm(2);
                place(caption, height);
                m_group = caption.text;
            }
        }
        for (int c = 0; c < columns; ++c) {
            if (!summed[c])
                continue;
            const double v = data.rows[r].value(m_table.columns()[c].field).toDouble();
            groupSums[c] += v;
            allSums[c] += v;
        }
        ReportItem row;
        row.row = r;
        row.height = height;
        place(row);
    }
    if (inGroup && hasTotals)
        place(sumItem(ReportItem::Kind::Subtotal, subtotalLabel, groupSums, summed));
    m_group.clear();
    if (hasTotals)
        place(
            sumItem(ReportItem::Kind::Total, QStringLiteral("Spolu za zostavu"), allSums, summed));
    ReportItem count;
    count.kind = ReportItem::Kind::Count;
    count.text = QStringLiteral("Počet záznamov: %1").arg(data.rows.size());
    count.height = m_style.lineHeight(m_style.body) + m_style.mm(3);
    place(count);
}

} // namespace herd
