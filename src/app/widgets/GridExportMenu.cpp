#include "widgets/GridExportMenu.h"

#include "common/FileNames.h"
#include "shell/Dialogs.h"
#include "spreadsheet/GridExport.h"
#include "spreadsheet/WorkbookError.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QSqlQueryModel>
#include <QTableView>

namespace GridExportMenu {

namespace {

const char* titleProperty = "exportTitle";

// The columns as the user sees them: visible ones, in their visual order.
QList<int> shownColumns(const QTableView* grid) {
    const QHeaderView* header = grid->horizontalHeader();
    QList<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!grid->isColumnHidden(logical))
            columns.append(logical);
    }
    return columns;
}

} // namespace

void attach(QTableView* grid, const QString& gridTitle) {
    setTitle(grid, gridTitle);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, grid, [grid](const QPoint& at) {
        QMenu menu(grid);
        menu.setObjectName(QStringLiteral("MenuExport"));
        QAction* workbook = menu.addAction(QStringLiteral("Exportovať do zošita (.xlsx)…"));
        workbook->setObjectName(QStringLiteral("ActionExportXlsx"));
        QAction* csv = menu.addAction(QStringLiteral("Exportovať do CSV…"));
        csv->setObjectName(QStringLiteral("ActionExportCsv"));
        const bool empty = !grid->model() || grid->model()->columnCount() == 0;
        workbook->setEnabled(!empty);
        csv->setEnabled(!empty);
        QAction* chosen = menu.exec(grid->viewport()->mapToGlobal(at));
        if (chosen == workbook)
            exportGrid(grid, Kind::Workbook);
        else if (chosen == csv)
            exportGrid(grid, Kind::Csv);
    });
}

void setTitle(QTableView* grid, const QString& gridTitle) {
    grid->setProperty(titleProperty, gridTitle);
}

QString title(const QTableView* grid) {
    const QString t = grid->property(titleProperty).toString();
    return t.isEmpty() ? grid->objectName() : t;
}

herd::ReportData gridData(QTableView* grid) {
    QAbstractItemModel* model = grid->model();
    if (!model)
        return {};
    // A query model reads its rows in portions; the export and the print take them all.
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    return herd::ReportData::fromModel(*model, shownColumns(grid));
}

QString exportGrid(QTableView* grid, Kind kind) {
    QAbstractItemModel* model = grid->model();
    if (!model)
        return {};
    const bool book = kind == Kind::Workbook;
    const QString suffix = book ? QStringLiteral("xlsx") : QStringLiteral("csv");
    QString path = Dialogs::instance().saveFile(
        herd::GridExport::title(),
        herd::FileNames::inDocuments(herd::GridExport::fileName(title(grid), suffix)),
        book ? QStringLiteral("Zošit (*.xlsx)") : QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return {};
    // The kind follows the suffix, so a name typed without one gets it.
    if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        path += QLatin1Char('.') + suffix;
    try {
        herd::GridExport::save(gridData(grid), title(grid), path);
    } catch (const herd::WorkbookError& e) {
        Dialogs::error(herd::GridExport::title(), e.text());
        return {};
    }
    Dialogs::instance().show(herd::GridExport::savedNotice(path));
    return path;
}

} // namespace GridExportMenu
