#include "reports/ReportEngine.h"

#include "common/DateText.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "reports/ReportError.h"
#include "reports/ReportLayout.h"
#include "reports/ReportRenderer.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QSqlQuery>

namespace herd {

ReportEngine::ReportEngine(const QString& projectFile)
    : m_file(projectFile) {}

const ReportProject& ReportEngine::open() {
    if (!m_project)
        m_project = ReportProject::load(ReportProject::locate(m_file));
    return *m_project;
}

void ReportEngine::setParameter(const QString& name, const QString& text) {
    m_parameters.insert(name, text);
}

ReportDefinition& ReportEngine::report(const QString& name) {
    open();
    ReportDefinition* definition = m_project->report(name);
    if (!definition)
        throw ReportError(QStringLiteral("Zostava %1 v projekte %2 neexistuje, nič sa nevytlačilo.")
                              .arg(name, m_project->fileName()));
    return *definition;
}

namespace {

// "Farma 900001 – Horné Košariská"; the number alone when the farm has no name.
QString farmHeader(const QString& farm, const QString& name) {
    return name.trimmed().isEmpty() ? QStringLiteral("Farma ") + farm
                                    : QStringLiteral("Farma %1 – %2").arg(farm, name.trimmed());
}

// The farm a header names, by number or (empty) the current farm; nothing
// when it cannot be read: the print goes on without it.
std::optional<std::pair<QString, QString>> farmRow(const QString& farm) {
    try {
        QSqlQuery q = farm.isEmpty()
                          ? Sql::exec(QStringLiteral("SELECT cislo_farmy, Nazov_farmy FROM tfarmy "
                                                     "WHERE aktualna = 1 ORDER BY cislo_farmy"))
                          : Sql::exec(QStringLiteral("SELECT cislo_farmy, Nazov_farmy FROM tfarmy "
                                                     "WHERE cislo_farmy = ?"),
                                      {farm});
        if (q.next())
            return std::make_pair(q.value(0).toString(), q.value(1).toString());
    } catch (const SqlError&) {
    }
    return std::nullopt;
}

} // namespace

void ReportEngine::setFarm(const QString& farm) {
    const auto row = farmRow(farm);
    setParameter(QStringLiteral("Farma"), farmHeader(farm, row ? row->second : QString()));
}

QHash<QString, QString> ReportEngine::values() const {
    QHash<QString, QString> values = m_parameters;
    if (!values.contains(QStringLiteral("Farma"))) {
        // A caller that names no farm prints under the current one.
        if (const auto row = farmRow(QString()))
            values.insert(QStringLiteral("Farma"), farmHeader(row->first, row->second));
    }
    if (!values.contains(QStringLiteral("Datum")))
        values.insert(QStringLiteral("Datum"), DateText::dotted(QDate::currentDate()));
    return values;
}

int ReportEngine::print(const QString& name, const ReportData& data, QPagedPaintDevice* device,
                        int fromPage, int toPage) {
    const ReportDefinition& definition = report(name);
    return ReportRenderer(definition, data, values()).render(device, fromPage, toPage);
}

int ReportEngine::printToPdf(const QString& name, const ReportData& data, const QString& path,
                             const std::optional<QPageLayout>& layout) {
    const ReportDefinition& definition = report(name);
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly))
            throw ReportError(
                QStringLiteral("Súbor %1 sa nedá zapísať: %2").arg(path, probe.errorString()));
    }
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageLayout(layout ? *layout : pageLayout(definition.orientation));
    writer.setTitle(ReportLayout::fill(definition.title, values()));
    writer.setCreator(QStringLiteral("wGravolenta OŠ"));
    const int pages = ReportRenderer(definition, data, values()).render(&writer);
    return pages;
}

Notice ReportEngine::savedNotice(const QString& path) {
    return Notice::information(QStringLiteral("Uložiť ako PDF"),
                               QStringLiteral("Zostava je uložená do súboru:\n") +
                                   QDir::toNativeSeparators(path));
}

QPageLayout ReportEngine::pageLayout(QPageLayout::Orientation orientation) {
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

} // namespace herd
