#pragma once

#include "common/Notice.h"
#include "reports/ReportData.h"
#include "reports/ReportProject.h"

#include <QHash>
#include <QPageLayout>
#include <QString>
#include <optional>

class QPagedPaintDevice;

namespace herd {

// The report service every panel prints through. In the order a caller uses
// it: name the project, set the parameters, run a report by name on the
// caller's rows. The project file is read on first use and kept.
//
//   ReportEngine engine(ReportEngine::herdProject());
//   engine.setParameter("Kraj", "01");
//   engine.printToPdf("ReportNTPra", ReportData::fromQuery(query), path);
//
// Every failure is thrown as ReportError with a Slovak text (a missing
// project names the file; a missing report prints nothing).
class ReportEngine {
public:
    // The herd, batch, bonitation, catalogue and measurement reports.
    static QString herdProject() { return QStringLiteral("RVOSKorbantix.rav"); }
    // The quick-selection report.
    static QString selectionProject() { return QStringLiteral("GravolentaZostavy.rav"); }

    // A project file name (resolved by ReportProject::locate) or a path.
    explicit ReportEngine(const QString& projectFile);

    // Loads the project unless loaded already.
    const ReportProject& open();
    void setParameter(const QString& name, const QString& text);
    // Names the farm in the page header: the parameter Farma becomes
    // "Farma 900001 – Horné Košariská" (the number alone when the farm has no
    // name or cannot be read).
    void setFarm(const QString& farm);
    QString parameter(const QString& name) const { return m_parameters.value(name); }

    // The report's layout, for the quick selection's run-time columns.
    ReportDefinition& report(const QString& name);

    // Draws the report onto a device (the program's printer, a PDF writer),
    // the pages fromPage to toPage (1-based, 0 for all); returns the report's
    // number of pages.
    int print(const QString& name, const ReportData& data, QPagedPaintDevice* device,
              int fromPage = 0, int toPage = 0);
    // Writes the report as a PDF file on the given pages (A4 in the report's
    // orientation when none is given); returns the number of pages.
    int printToPdf(const QString& name, const ReportData& data, const QString& path,
                   const std::optional<QPageLayout>& layout = std::nullopt);
    // What the user is told after saving a report as PDF.
    static Notice savedNotice(const QString& path);

    // The parameters with the built-in values (Datum = the day of printing;
    // Farma = the current farm when the caller named none).
    QHash<QString, QString> values() const;

    // The page layout a report starts from: A4, its orientation, 12 mm margins.
    static QPageLayout pageLayout(QPageLayout::Orientation orientation);

private:
    QString m_file;
    std::optional<ReportProject> m_project;
    QHash<QString, QString> m_parameters;
};

} // namespace herd
