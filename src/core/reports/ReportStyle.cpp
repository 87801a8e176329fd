#include "reports/ReportStyle.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QStringList>

namespace herd {

QString ReportStyle::family() {
    static const QString name = [] {
        QString family = QStringLiteral("DejaVu Sans Condensed");
        for (const char* file :
             {":/fonts/DejaVuSansCondensed.ttf", ":/fonts/DejaVuSansCondensed-Bold.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(QLatin1String(file));
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty())
                family = families.first();
        }
        return family;
    }();
    return name;
}

ReportStyle::ReportStyle(QPaintDevice* device)
    : m_device(device)
    , m_dpi(device->logicalDpiY()) {
    const auto font = [](double points, bool isBold) {
        QFont f(family());
        f.setPointSizeF(points);
        f.setBold(isBold);
        // The condensed faces share the family "DejaVu Sans"; the stretch picks them.
        f.setStretch(QFont::SemiCondensed);
        f.setStyleStrategy(QFont::PreferOutline);
        return f;
    };
    body = font(8, false);
    bold = font(8, true);
    small = font(7, false);
    title = font(13, true);
    subtitle = font(9, false);
}

double ReportStyle::mm(double millimetres) const {
    return millimetres * m_dpi / 25.4;
}

double ReportStyle::textHeight(const QFont& font, const QString& text, double width) const {
    const QFontMetricsF metrics(font, m_device);
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap | Qt::AlignLeft, text);
    return std::max(bounds.height(), metrics.lineSpacing());
}

double ReportStyle::lineHeight(const QFont& font) const {
    return QFontMetricsF(font, m_device).lineSpacing();
}

} // namespace herd
