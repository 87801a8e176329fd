#pragma once

#include "reports/ReportData.h"
#include "reports/ReportDefinition.h"

#include <QHash>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace herd {

class ReportLayout;
class ReportStyle;
class ReportTable;
struct ReportItem;

// Draws a report onto a paged device: a QPdfWriter in the core, the CLI and
// the tests, or the program's printer and print preview. The page size,
// orientation and margins are the device's.
class ReportRenderer {
public:
    ReportRenderer(const ReportDefinition& definition, const ReportData& data,
                   const QHash<QString, QString>& values);

    // Draws the pages fromPage to toPage (1-based; 0 for all), starting each
    // after the first with newPage(). Returns the report's number of pages;
    // throws ReportError when the device cannot be painted on.
    int render(QPagedPaintDevice* device, int fromPage = 0, int toPage = 0) const;

private:
    struct Context;
    void paintPage(const Context& cx, int page) const;
    void paintFrame(const Context& cx, int page) const;
    void paintTitle(const Context& cx) const;
    void paintColumnHeader(const Context& cx, const QList<int>& columns, double y) const;
    void paintItem(const Context& cx, const QList<int>& columns, const ReportItem& item) const;

    const ReportDefinition& m_definition;
    const ReportData& m_data;
    QHash<QString, QString> m_values;
};

} // namespace herd
