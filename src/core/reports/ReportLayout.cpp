#include "reports/ReportLayout.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace herd {

namespace {

// The data font shrinks in these steps (points).
constexpr double fontStep = 0.5;

double sum(const QList<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

// The widest line of a text.
double advance(const QFontMetricsF& metrics, const QString& text) {
    if (!text.contains(QLatin1Char('\n')))
        return metrics.horizontalAdvance(text);
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The widest word of a text (what a wrapped cell still needs).
double widestWord(const QFontMetricsF& metrics, const QString& text) {
    double widest = 0;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || text.at(i).isSpace();
        if (!blank && start < 0)
            start = i;
        if (blank && start >= 0) {
            widest = std::max(widest, metrics.horizontalAdvance(text.mid(start, i - start)));
            start = -1;
        }
    }
    return widest;
}

// Widths for columns that need `least` and would like `natural`, filling
// `room`: when everything fits, each column takes its share after the
// layout's weights but never less than its natural width; otherwise each
// gives up the same part of what it has beyond its least width.
QList<double> distribute(const QList<double>& least, const QList<double>& natural,
                         const QList<double>& weight, double room) {
    const qsizetype n = natural.size();
    QList<double> widths(n, 0);
    if (n == 0)
        return widths;
    const double wanted = sum(natural);
    if (wanted <= room) {
        const auto filled = [&](double scale) {
            double total = 0;
            for (qsizetype i = 0; i < n; ++i)
                total += std::max(natural[i], scale * weight[i]);
            return total;
        };
        const double lightest = *std::min_element(weight.begin(), weight.end());
        double low = 0, high = room / std::max(lightest, 1e-9);
        for (int step = 0; step < 60; ++step) {
            const double mid = (low + high) / 2;
            (filled(mid) > room ? high : low) = mid;
        }
        for (qsizetype i = 0; i < n; ++i)
            widths[i] = std::max(natural[i], low * weight[i]);
        return widths;
    }
    const double needed = sum(least);
    const double share =
        wanted > needed ? std::clamp((room - needed) / (wanted - needed), 0.0, 1.0) : 0.0;
    for (qsizetype i = 0; i < n; ++i)
        widths[i] = least[i] + (natural[i] - least[i]) * share;
    return widths;
}

} // namespace

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
    const ReportData& data = table.data();
    const int columns = int(table.columns().size());
    m_summed.fill(false, columns);
    m_totals.fill(0, columns);
    for (int c = 0; c < columns; ++c) {
        for (const QString& field : definition.totals)
            if (data.fieldIndex(field) == table.columns()[c].field)
                m_summed[c] = true;
        if (m_summed[c])
            for (const QVariantList& row : data.rows)
                m_totals[c] += row.value(table.columns()[c].field).toDouble();
    }
    fitColumns(definition);
    measureFrame(definition, values);
    paginate(definition);
}

void ReportLayout::fitColumns(const ReportDefinition& definition) {
    const QList<PrintedColumn>& columns = m_table.columns();
    const int n = int(columns.size());
    const int rows = int(m_table.data().rows.size());
    const double padding = 2 * cellPadding;
    const double room = pageWidth;

    // The texts as printed, read once.
    QList<QStringList> texts(n);
    for (int c = 0; c < n; ++c) {
        texts[c].reserve(rows);
        for (int r = 0; r < rows; ++r)
            texts[c].append(m_table.cellText(r, c));
    }
    QList<double> weight, natural, least;
    for (const PrintedColumn& column : columns)
        weight.append(column.weight);

    const auto fontsAt = [&](double points) {
        body = m_style.body;
        body.setPointSizeF(points);
        bold = m_style.bold;
        bold.setPointSizeF(points);
    };
    // The width each column would like (its widest text on one line) and the
    // least it needs (its widest word where its text may wrap), at a size.
    const auto measure = [&](double points) {
        fontsAt(points);
        const QFontMetricsF data(body, m_style.device());
        const QFontMetricsF captions(bold, m_style.device());
        natural.fill(0, n);
        least.fill(0, n);
        for (int c = 0; c < n; ++c) {
            double full = advance(captions, columns[c].caption);
            double word = widestWord(captions, columns[c].caption);
            if (m_summed[c]) {
                const double total = captions.horizontalAdvance(
                    ReportTable::valueText(m_totals[c], columns[c].format));
                full = std::max(full, total);
                word = std::max(word, total);
            }
            for (const QString& text : std::as_const(texts[c])) {
                if (text.isEmpty())
                    continue;
                const double width = advance(data, text);
                full = std::max(full, width);
                word = std::max(word, columns[c].text ? widestWord(data, text) : width);
            }
            natural[c] = full + padding;
            least[c] = word + padding;
        }
    };

    const double normal = m_style.body.pointSizeF();
    const double smallest = std::min(normal, definition.minFontSize);
    double size = normal;
    measure(size);
    if (sum(natural) > room && size > smallest) {
        // Text widths grow with the size: start near the size that fits.
        const double text = sum(natural) - n * padding;
        const double estimate = text > 0 ? normal * (room - n * padding) / text : smallest;
        size = std::clamp(std::floor(estimate / fontStep) * fontStep, smallest, normal);
        measure(size);
        while (sum(natural) > room && size > smallest) {
            size = std::max(smallest, size - fontStep);
            measure(size);
        }
    }

    wrapFlags.clear();
    for (const PrintedColumn& column : columns)
        wrapFlags.append(column.text ? int(Qt::TextWordWrap) : 0);
    columnX.fill(0, n);
    columnWidth.fill(0, n);
    panels.clear();

    if (sum(least) <= room) {
        // One page wide: at full width when it fits, else text columns wrap.
        const QList<double> widths = distribute(least, natural, weight, room);
        QList<int> all(n);
        std::iota(all.begin(), all.end(), 0);
        double x = 0;
        for (int c = 0; c < n; ++c) {
            columnX[c] = x;
            columnWidth[c] = widths[c];
            x += widths[c];
        }
        panels.append(all);
        return;
    }

    // The columns continue on following pages, the key columns repeated.
    const QList<double> words = least;
    const auto widestWordOf = [&](int c) { return words[c]; };
    QList<int> keys;
    for (int c = 0; c < n; ++c)
        if (columns[c].key)
            keys.append(c);
    if (keys.isEmpty())
        keys.append(0);
    double keyNatural = 0, keyLeast = 0;
    for (int c : keys) {
        keyNatural += natural[c];
        keyLeast += least[c];
    }
    const bool keysAtFull = keyNatural <= room / 3;
    if (!keysAtFull && keyLeast > room / 2)
        keys.clear(); // keys this wide would leave no room: they print once, like the others
    double x = 0;
    for (int c : keys) {
        columnX[c] = x;
        columnWidth[c] = keysAtFull ? natural[c] : least[c];
        x += columnWidth[c];
    }
    const double keyWidth = x;
    const double rest = room - keyWidth;

    QList<QList<int>> chunks;
    double used = 0;
    for (int c = 0; c < n; ++c) {
        if (keys.contains(c))
            continue;
        // Columns that continue on another page need not wrap: each takes its
        // natural width unless that alone is wider than a page.
        least[c] = std::min(natural[c], rest);
        if (natural[c] > rest && (!columns[c].text || widestWordOf(c) > rest))
            wrapFlags[c] = int(Qt::TextWrapAnywhere); // a word wider than the page
        if (chunks.isEmpty() || used + least[c] > rest) {
            chunks.append(QList<int>());
            used = 0;
        }
        chunks.last().append(c);
        used += least[c];
    }
    for (const QList<int>& chunk : std::as_const(chunks)) {
        QList<double> l, m, w;
        for (int c : chunk) {
            l.append(least[c]);
            m.append(std::max(natural[c], least[c]));
            w.append(weight[c]);
        }
        const QList<double> widths = distribute(l, m, w, rest);
        double left = keyWidth;
        for (qsizetype i = 0; i < chunk.size(); ++i) {
            columnX[chunk[i]] = left;
            columnWidth[chunk[i]] = widths[i];
            left += widths[i];
        }
        panels.append(keys + chunk);
    }
    if (panels.isEmpty())
        panels.append(keys);
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

    columnHeaderHeight = m_style.lineHeight(bold);
    for (int c = 0; c < m_table.columns().size(); ++c)
        columnHeaderHeight =
            std::max(columnHeaderHeight,
                     m_style.textHeight(bold, m_table.columns()[c].caption, innerWidth(c)));
    columnHeaderHeight += m_style.mm(2);
    m_lineAdvance = m_style.textHeight(body, QStringLiteral("X\nX"), pageWidth) -
                    m_style.textHeight(body, QStringLiteral("X"), pageWidth);
    if (m_lineAdvance <= 0)
        m_lineAdvance = m_style.lineHeight(body);
}

double ReportLayout::innerWidth(int column) const {
    return std::max(1.0, columnWidth[column] - 2 * cellPadding);
}

double ReportLayout::rowTopPadding() const {
    return m_style.mm(0.6);
}

double ReportLayout::cellTextHeight(const QFont& font, const QString& text, int column) const {
    if (wrapFlags[column] == 0 && !text.contains(QLatin1Char('\n')))
        return m_style.lineHeight(font);
    const QFontMetricsF metrics(font, m_style.device());
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, innerWidth(column), 1e9),
                                               wrapFlags[column] | Qt::AlignLeft, text);
    return std::max(bounds.height(), metrics.lineSpacing());
}

double ReportLayout::rowHeight(int row) const {
    double height = m_style.lineHeight(body);
    for (int c = 0; c < m_table.columns().size(); ++c) {
        const QString text = m_table.cellText(row, c);
        if (!text.isEmpty())
            height = std::max(height, cellTextHeight(body, text, c));
    }
    return height + 2 * rowTopPadding();
}

void ReportLayout::newPage() {
    m_pages.append(ReportPage());
    m_pages.last().block = int(m_pages.size()) - 1;
    m_y = headerHeight + columnHeaderHeight;
}

void ReportLayout::breakPage(bool continueGroup) {
    newPage();
    if (continueGroup && !m_group.isEmpty()) {
        ReportItem caption;
        caption.kind = ReportItem::Kind::Group;
        caption.text = m_group + QStringLiteral(" (pokračovanie)");
        caption.height = m_style.lineHeight(bold) + m_style.mm(2);
        caption.y = m_y;
        m_y += caption.height;
        m_pages.last().items.append(caption);
    }
}

void ReportLayout::place(ReportItem item, double keepWithNext) {
    const bool pageHasItems = !m_pages.last().items.isEmpty();
    if (pageHasItems && m_y + item.height + keepWithNext > footerTop - m_style.mm(1))
        breakPage(item.kind != ReportItem::Kind::Group);
    item.y = m_y;
    m_y += item.height;
    m_pages.last().items.append(item);
}

void ReportLayout::placeRow(ReportItem row) {
    const double bottom = footerTop - m_style.mm(1);
    const double pageRoom = bottom - headerHeight - columnHeaderHeight - m_style.mm(10);
    if (row.height <= pageRoom) {
        place(row);
        return;
    }
    // Taller than a page: printed in parts that end between two lines.
    const double full = row.height;
    double done = 0;
    while (full - done > 1e-6) {
        const double space = bottom - m_y;
        if (full - done <= space) {
            row.offset = done;
            row.height = full - done;
            place(row);
            return;
        }
        const double lines = std::floor((done + space - rowTopPadding()) / m_lineAdvance + 1e-9);
        double cut = rowTopPadding() + lines * m_lineAdvance - done;
        if (cut < m_lineAdvance * 0.99) {
            if (!m_pages.last().items.isEmpty()) {
                breakPage(true);
                continue;
            }
            cut = space; // a page lower than one line: nothing better is possible
        }
        row.offset = done;
        row.height = cut;
        row.y = m_y;
        m_pages.last().items.append(row);
        done += cut;
        breakPage(true);
    }
}

ReportItem ReportLayout::sumItem(ReportItem::Kind kind, const QString& label,
                                 const QList<double>& sums) const {
    ReportItem item;
    item.kind = kind;
    item.text = label;
    for (int c = 0; c < sums.size(); ++c)
        item.sums.append(m_summed[c] ? sums[c] : std::nan(""));
    item.height = m_style.lineHeight(bold) + m_style.mm(2);
    return item;
}

void ReportLayout::paginate(const ReportDefinition& definition) {
    const ReportData& data = m_table.data();
    const int columns = int(m_table.columns().size());
    const bool hasTotals = m_summed.contains(true);
    const int groupField = definition.groupBy.isEmpty() ? -1 : data.fieldIndex(definition.groupBy);

    m_pages = {ReportPage()};
    m_y = headerHeight + titleHeight + columnHeaderHeight;
    QList<double> groupSums(columns, 0);
    QString group;
    bool inGroup = false;
    const QString subtotalLabel = QStringLiteral("Spolu");
    for (int r = 0; r < data.rows.size(); ++r) {
        const double height = rowHeight(r);
        if (groupField >= 0) {
            const QString value = ReportTable::valueText(data.rows[r].value(groupField));
            if (!inGroup || value != group) {
                if (inGroup && hasTotals)
                    place(sumItem(ReportItem::Kind::Subtotal, subtotalLabel, groupSums));
                groupSums.fill(0);
                group = value;
                inGroup = true;
                ReportItem caption;
                caption.kind = ReportItem::Kind::Group;
                caption.text = fill(definition.groupCaption, {{QStringLiteral("value"), value}});
                caption.height = m_style.lineHeight(bold) + m_style.mm(2);
                place(caption, std::min(height, m_style.lineHeight(body) * 3));
                m_group = caption.text;
            }
        }
        for (int c = 0; c < columns; ++c)
            if (m_summed[c])
                groupSums[c] += data.rows[r].value(m_table.columns()[c].field).toDouble();
        ReportItem row;
        row.row = r;
        row.height = height;
        placeRow(row);
    }
    if (inGroup && hasTotals)
        place(sumItem(ReportItem::Kind::Subtotal, subtotalLabel, groupSums));
    m_group.clear();
    if (hasTotals)
        place(sumItem(ReportItem::Kind::Total, QStringLiteral("Spolu za zostavu"), m_totals));
    ReportItem count;
    count.kind = ReportItem::Kind::Count;
    count.text = QStringLiteral("Počet záznamov: %1").arg(data.rows.size());
    count.height = m_style.lineHeight(body) + m_style.mm(3);
    place(count);

    if (panels.size() > 1) {
        // Each block of rows is printed panel by panel, so that the pages of
        // one block lie side by side.
        QList<ReportPage> pages;
        for (const ReportPage& page : std::as_const(m_pages))
            for (int p = 0; p < panels.size(); ++p) {
                pages.append(page);
                pages.last().panel = p;
            }
        m_pages = pages;
    }
}

} // namespace herd
