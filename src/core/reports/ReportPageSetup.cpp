#include "reports/ReportPageSetup.h"

#include "db/Config.h"

#include <QHash>
#include <QSettings>
#include <QSizeF>
#include <QVariant>

namespace herd::ReportPageSetup {

namespace {

QHash<QString, QPageLayout>& thisRun() {
    static QHash<QString, QPageLayout> pages;
    return pages;
}

QString key(const QString& report, const char* name) {
    return QStringLiteral("tlac/%1_%2").arg(report, QLatin1String(name));
}

} // namespace

std::optional<QPageLayout> remembered(const QString& report) {
    if (thisRun().contains(report))
        return thisRun().value(report);
    const QSettings ini(Config::load().settingsPath(), QSettings::IniFormat);
    const QList<QVariant> size = ini.value(key(report, "papier")).toList();
    const QList<QVariant> margins = ini.value(key(report, "okraje")).toList();
    if (size.size() != 3 || margins.size() != 4)
        return std::nullopt;
    const auto id = QPageSize::PageSizeId(size[0].toInt());
    const QPageSize page =
        id == QPageSize::Custom
            ? QPageSize(QSizeF(size[1].toDouble(), size[2].toDouble()), QPageSize::Millimeter)
            : QPageSize(id);
    const auto orientation =
        ini.value(key(report, "orientacia")).toString() == QLatin1String("na sirku")
            ? QPageLayout::Landscape
            : QPageLayout::Portrait;
    QPageLayout layout(page, orientation,
                       QMarginsF(margins[0].toDouble(), margins[1].toDouble(),
                                 margins[2].toDouble(), margins[3].toDouble()),
                       QPageLayout::Millimeter);
    if (!layout.isValid())
        return std::nullopt;
    thisRun().insert(report, layout);
    return layout;
}

void remember(const QString& report, const QPageLayout& layout) {
    thisRun().insert(report, layout);
    QSettings ini(Config::load().settingsPath(), QSettings::IniFormat);
    const QSizeF size = layout.pageSize().size(QPageSize::Millimeter);
    ini.setValue(key(report, "papier"),
                 QVariantList{int(layout.pageSize().id()), size.width(), size.height()});
    ini.setValue(key(report, "orientacia"), layout.orientation() == QPageLayout::Landscape
                                                ? QStringLiteral("na sirku")
                                                : QStringLiteral("na vysku"));
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    ini.setValue(key(report, "okraje"), QVariantList{m.left(), m.top(), m.right(), m.bottom()});
}

} // namespace herd::ReportPageSetup
