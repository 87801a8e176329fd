#include "reports/ReportRenderer.h"

#include "reports/ReportError.h"
#include "reports/ReportLayout.h"
#include "reports/ReportStyle.h"
#include "reports/ReportTable.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace herd {

namespace {
const QColor headerFill(0xdd, 0xe3, 0xea);
const QColor groupFill(0xee, 0xf1, 0xf4);
const QColor stripeFill(0xf6, 0xf6, 0xf6);
const QColor ruleColor(0x55, 0x55, 0x55);
} // namespace

struct ReportRenderer::Context {
    QPainter& painter;
    const ReportStyle& style;
    const ReportTable& table;
    const ReportLayout& layout;
};

ReportRenderer::ReportRenderer(const ReportDefinition& definition, const ReportData& data,
                               const QHash<QString, QString>& values)
    : m_definition(definition)
    , m_data(data)
    , m_values(values) {
    // The page header may repeat the report's title as "{Nadpis}".
    m_values.insert(QStringLiteral("Nadpis"), ReportLayout::fill(definition.title, values));
}

int ReportRenderer::render(QPagedPaintDevice* device, int fromPage, int toPage) const {
    QPainter painter;
    if (!painter.begin(device))
        throw ReportError(
            QStringLiteral("Zostavu %1 nie je možné vytlačiť: výstup sa nedá otvoriť.")
                .arg(m_definition.name));
    const ReportStyle style(device);
    const ReportTable table(m_definition, m_data);
    const QRectF area = device->pageLayout().paintRectPixels(device->logicalDpiX());
    const ReportLayout layout(style, table, m_definition, m_values, area.size());
    const Context cx{painter, style, table, layout};
    const int pages = int(layout.pages().size());
    const int first = fromPage > 0 ? fromPage - 1 : 0;
    const int last = toPage > 0 ? std::min(toPage, pages) - 1 : pages - 1;
    for (int p = first; p <= last; ++p) {
        if (p > first)
            device->newPage();
        paintPage(cx, p);
    }
    painter.end();
    return pages;
}

void ReportRenderer::paintPage(const Context& cx, int page) const {
    paintFrame(cx, page);
    const ReportPage& sheet = cx.layout.pages()[page];
    double y = cx.layout.headerHeight;
    if (sheet.block == 0) {
        paintTitle(cx);
        y += cx.layout.titleHeight;
    }
    const QList<int>& columns = cx.layout.panels[sheet.panel];
    paintColumnHeader(cx, columns, y);
    for (const ReportItem& item : sheet.items)
        paintItem(cx, columns, item);
}

void ReportRenderer::paintFrame(const Context& cx, int page) const {
    QPainter& p = cx.painter;
    const ReportLayout& l = cx.layout;
    QHash<QString, QString> values = m_values;
    values.insert(QStringLiteral("Strana"), QString::number(page + 1));
    values.insert(QStringLiteral("Stran"), QString::number(l.pages().size()));
    const auto three = [&](double top, double height, const QString& left, const QString& centre,
                           const QString& right) {
        const QRectF band(0, top, l.pageWidth, height);
        p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, ReportLayout::fill(left, values));
        p.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, ReportLayout::fill(centre, values));
        p.drawText(band, Qt::AlignRight | Qt::AlignVCenter, ReportLayout::fill(right, values));
    };
    p.setFont(cx.style.small);
    p.setPen(Qt::black);
    const double line = cx.style.lineHeight(cx.style.small);
    three(0, line, m_definition.headerLeft, m_definition.headerCenter, m_definition.headerRight);
    three(l.footerTop + cx.style.mm(1.5), line, m_definition.footerLeft, m_definition.footerCenter,
          m_definition.footerRight);
    p.setPen(QPen(ruleColor, cx.style.mm(0.25)));
    p.drawLine(QPointF(0, line + cx.style.mm(1)), QPointF(l.pageWidth, line + cx.style.mm(1)));
    p.drawLine(QPointF(0, l.footerTop + cx.style.mm(0.5)),
               QPointF(l.pageWidth, l.footerTop + cx.style.mm(0.5)));
}

void ReportRenderer::paintTitle(const Context& cx) const {
    QPainter& p = cx.painter;
    const ReportLayout& l = cx.layout;
    const double width = l.pageWidth;
    double y = l.headerHeight + cx.style.mm(1);
    p.setPen(Qt::black);
    p.setFont(cx.style.title);
    double h = cx.style.textHeight(cx.style.title, l.title, width);
    p.drawText(QRectF(0, y, width, h), Qt::AlignHCenter | Qt::TextWordWrap, l.title);
    y += h + cx.style.mm(1);
    p.setFont(cx.style.subtitle);
    for (const QString& text : {l.subtitle, l.parameterLine}) {
        if (text.isEmpty())
            continue;
        h = cx.style.textHeight(cx.style.subtitle, text, width);
        p.drawText(QRectF(0, y, width, h), Qt::AlignHCenter | Qt::TextWordWrap, text);
        y += h + cx.style.mm(0.5);
    }
}

void ReportRenderer::paintColumnHeader(const Context& cx, const QList<int>& columns,
                                       double y) const {
    QPainter& p = cx.painter;
    const ReportLayout& l = cx.layout;
    const double height = l.columnHeaderHeight;
    p.fillRect(QRectF(0, y, l.pageWidth, height), headerFill);
    p.setPen(QPen(ruleColor, cx.style.mm(0.3)));
    p.drawLine(QPointF(0, y), QPointF(l.pageWidth, y));
    p.drawLine(QPointF(0, y + height), QPointF(l.pageWidth, y + height));
    p.setPen(Qt::black);
    p.setFont(l.bold);
    const double pad = l.cellPadding;
    for (int c : columns) {
        const PrintedColumn& column = cx.table.columns()[c];
        const QRectF cell(l.columnX[c] + pad, y, l.columnWidth[c] - 2 * pad, height);
        p.drawText(cell, column.alignment | Qt::AlignVCenter | Qt::TextWordWrap, column.caption);
    }
}

void ReportRenderer::paintItem(const Context& cx, const QList<int>& columns,
                               const ReportItem& item) const {
    QPainter& p = cx.painter;
    const ReportLayout& l = cx.layout;
    const double pad = l.cellPadding;
    const QRectF band(0, item.y, l.pageWidth, item.height);
    p.setPen(Qt::black);
    switch (item.kind) {
    case ReportItem::Kind::Row: {
        if (item.row % 2 == 1)
            p.fillRect(band, stripeFill);
        p.setFont(l.body);
        for (int c : columns) {
            // A part of a row taller than a page shows its lines from `offset`.
            const QRectF clip(l.columnX[c], item.y, l.columnWidth[c], item.height);
            const QRectF text(l.columnX[c] + pad, item.y + l.rowTopPadding() - item.offset,
                              l.columnWidth[c] - 2 * pad, item.offset + item.height + l.pageHeight);
            p.save();
            p.setClipRect(clip);
            p.drawText(text, cx.table.columns()[c].alignment | Qt::AlignTop | l.wrapFlags[c],
                       cx.table.cellText(item.row, c));
            p.restore();
        }
        break;
    }
    case ReportItem::Kind::Group:
        p.fillRect(band.adjusted(0, cx.style.mm(0.5), 0, 0), groupFill);
        p.setFont(l.bold);
        p.drawText(band.adjusted(pad, cx.style.mm(0.5), -pad, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   item.text);
        break;
    case ReportItem::Kind::Subtotal:
    case ReportItem::Kind::Total: {
        const double weight = item.kind == ReportItem::Kind::Total ? 0.4 : 0.2;
        p.setPen(QPen(ruleColor, cx.style.mm(weight)));
        p.drawLine(band.topLeft(), band.topRight());
        p.setPen(Qt::black);
        p.setFont(l.bold);
        bool labelled = false;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const int c = columns[i];
            const QRectF cell(l.columnX[c] + pad, item.y, l.columnWidth[c] - 2 * pad, item.height);
            if (!std::isnan(item.sums[c])) {
                const PrintedColumn& column = cx.table.columns()[c];
                p.drawText(cell, column.alignment | Qt::AlignVCenter,
                           ReportTable::valueText(item.sums[c], column.format));
            } else if (!labelled) {
                // The label may run on over the following columns that carry no sum.
                int last = c;
                for (qsizetype j = i + 1; j < columns.size() && std::isnan(item.sums[columns[j]]);
                     ++j)
                    last = columns[j];
                const double right = l.columnX[last] + l.columnWidth[last] - pad;
                p.drawText(QRectF(cell.left(), item.y, right - cell.left(), item.height),
                           Qt::AlignLeft | Qt::AlignVCenter, item.text);
                labelled = true;
            }
        }
        break;
    }
    case ReportItem::Kind::Count:
        p.setFont(l.body);
        p.drawText(band.adjusted(pad, 0, -pad, 0), Qt::AlignLeft | Qt::AlignBottom, item.text);
        break;
    }
}

} // namespace herd
