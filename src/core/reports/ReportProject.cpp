#include "reports/ReportProject.h"

#include "reports/ReportError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace herd {

namespace {

QString text(const QJsonObject& o, const char* key, const QString& fallback = {}) {
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isString() ? v.toString() : fallback;
}

Qt::Alignment alignmentOf(const QString& name) {
    if (name == QLatin1String("right"))
        return Qt::AlignRight;
    if (name == QLatin1String("center"))
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

ReportColumn columnOf(const QJsonObject& o) {
    ReportColumn c;
    c.field = text(o, "field");
    c.caption = text(o, "caption", c.field);
    c.width = o.value(QLatin1String("width")).toDouble(10);
    if (c.width <= 0)
        c.width = 10;
    c.alignmentGiven = o.contains(QLatin1String("align"));
    c.alignment = alignmentOf(text(o, "align"));
    c.format = text(o, "format");
    c.key = o.value(QLatin1String("key")).toBool(false);
    return c;
}

// Page header and footer: the report's own texts, else the project's.
void readFrame(const QJsonObject& report, const QJsonObject& project, ReportDefinition& d) {
    const auto part = [&](const char* band, const char* side) {
        const QJsonObject own = report.value(QLatin1String(band)).toObject();
        const QJsonObject common = project.value(QLatin1String(band)).toObject();
        return text(own, side, text(common, side));
    };
    d.headerLeft = part("pageHeader", "left");
    d.headerCenter = part("pageHeader", "center");
    d.headerRight = part("pageHeader", "right");
    d.footerLeft = part("pageFooter", "left");
    d.footerCenter = part("pageFooter", "center");
    d.footerRight = part("pageFooter", "right");
}

ReportDefinition reportOf(const QJsonObject& o, const QJsonObject& project) {
    ReportDefinition d;
    d.name = text(o, "name");
    d.title = text(o, "title", d.name);
    d.subtitle = text(o, "subtitle");
    d.orientation = text(o, "orientation") == QLatin1String("landscape") ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait;
    for (const QJsonValue& v : o.value(QLatin1String("parameters")).toArray()) {
        const QJsonObject p = v.toObject();
        d.parameters.append({text(p, "name"), text(p, "caption", text(p, "name"))});
    }
    for (const QJsonValue& v : o.value(QLatin1String("columns")).toArray())
        d.columns.append(columnOf(v.toObject()));
    d.groupBy = text(o, "groupBy");
    d.groupCaption = text(o, "groupCaption", QStringLiteral("{value}"));
    for (const QJsonValue& v : o.value(QLatin1String("totals")).toArray())
        d.totals.append(v.toString());
    d.minFontSize = std::clamp(o.value(QLatin1String("minFontSize")).toDouble(6), 4.0, 8.0);
    readFrame(o, project, d);
    return d;
}

} // namespace

QString ReportProject::locate(const QString& fileName) {
    if (fileName.contains(QLatin1Char('/')) || fileName.startsWith(QLatin1Char(':')))
        return fileName;
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(beside))
        return beside;
    return QStringLiteral(":/reports/") + fileName;
}

ReportProject ReportProject::load(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists())
        throw ReportError(QStringLiteral("Súbor projektu zostáv %1 neexistuje.").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("Súbor projektu zostáv %1 sa nedá čítať: %2")
                              .arg(path, file.errorString()));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (doc.isNull() || !doc.isObject())
        throw ReportError(QStringLiteral("Súbor projektu zostáv %1 je poškodený: %2")
                              .arg(name, error.errorString()));
    const QJsonObject root = doc.object();
    ReportProject project;
    project.m_path = path;
    for (const QJsonValue& v : root.value(QLatin1String("reports")).toArray()) {
        ReportDefinition d = reportOf(v.toObject(), root);
        if (!d.name.isEmpty())
            project.m_reports.append(d);
    }
    return project;
}

QString ReportProject::fileName() const {
    return QFileInfo(m_path).fileName();
}

QStringList ReportProject::reportNames() const {
    QStringList names;
    for (const ReportDefinition& d : m_reports)
        names.append(d.name);
    return names;
}

const ReportDefinition* ReportProject::report(const QString& name) const {
    for (const ReportDefinition& d : m_reports)
        if (d.name.compare(name, Qt::CaseInsensitive) == 0)
            return &d;
    return nullptr;
}

ReportDefinition* ReportProject::report(const QString& name) {
    return const_cast<ReportDefinition*>(std::as_const(*this).report(name));
}

} // namespace herd
