#include "reports/FormUniZostava.h"

#include "common/FileNames.h"
#include "db/SqlError.h"
#include "reports/ReportEngine.h"
#include "reports/ReportError.h"
#include "reports/ReportPreviewDialog.h"
#include "selections/SelectionPrint.h"
#include "selections/SelectionReport.h"
#include "shell/Dialogs.h"
#include "spreadsheet/GridExport.h"
#include "spreadsheet/WorkbookError.h"
#include "widgets/GridExportMenu.h"
#include "widgets/GridSetup.h"
#include "widgets/Hourglass.h"
#include "widgets/RowsModel.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

using herd::SelectionReport;
using herd::SqlError;

namespace {

QLabel* panel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setContentsMargins(4, 0, 4, 0);
    return label;
}

} // namespace

FormUniZostava::FormUniZostava(int selectionId, QWidget* parent)
    : QDialog(parent)
    , m_id(selectionId)
    , m_grid(new QTableView(this))
    , m_rows(new RowsModel(this)) {
    setObjectName(QStringLiteral("FormUniZostava"));
    setWindowTitle(QStringLiteral("[Zostava]"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(900, 600);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBarZostava"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto add = [&](const char* name, const QString& text, QStyle::StandardPixmap icon) {
        QAction* a = bar->addAction(style()->standardIcon(icon), text);
        bar->widgetForAction(a)->setObjectName(QLatin1String(name));
        return a;
    };
    connect(
        add("ToolButtonExcel", QStringLiteral("Export do MS Excel"), QStyle::SP_DialogSaveButton),
        &QAction::triggered, this, &FormUniZostava::exportWorkbook);
    connect(add("ToolButtonTlac", QStringLiteral("Vytlačiť zostavu"),
                QStyle::SP_FileDialogDetailedView),
            &QAction::triggered, this, &FormUniZostava::print);
    m_allRows = add("ToolButtonVsetky", SelectionReport::allRowsCaption(), QStyle::SP_ArrowDown);
    m_allRows->setEnabled(false);
    connect(m_allRows, &QAction::triggered, this, &FormUniZostava::showAllRows);
    bar->addSeparator();
    connect(
        add("ToolButtonZavriet", QStringLiteral("Zavrieť zostavu"), QStyle::SP_DialogCloseButton),
        &QAction::triggered, this, &QDialog::accept);

    m_grid->setObjectName(QStringLiteral("DBGridZostava"));
    m_grid->setModel(m_rows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAlternatingRowColors(true);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    GridSetup::prepare(m_grid, QStringLiteral("Zostava"));

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBarZostava"));
    status->setSizeGripEnabled(false);
    m_count = panel("StatusPanelZaznamov", QStringLiteral("Záznamov:"), status);
    m_name = panel("StatusPanelNazov", QStringLiteral("Názov:"), status);
    m_description = panel("StatusPanelPopis", QStringLiteral("Popis:"), status);
    m_savedPanel = panel("StatusPanelVytvorena", QStringLiteral("Vytvorená:"), status);
    status->addWidget(m_count, 2);
    status->addWidget(m_name, 2);
    status->addWidget(m_description, 3);
    status->addWidget(m_savedPanel, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_grid, 1);
    layout->addWidget(status);

    load();
}

void FormUniZostava::fail(const QString& text) {
    Dialogs::error(herd::SavedSelections::title(), QStringLiteral("Chyba: ") + text);
}

void FormUniZostava::load() {
    m_rows->clear();
    m_allRows->setEnabled(false);
    try {
        m_saved = herd::SavedSelections::find(m_id);
        if (!m_saved) {
            fail(SelectionReport::missingText());
            return;
        }
        setWindowTitle(SelectionReport::caption(*m_saved));
        m_name->setText(SelectionReport::nameText(*m_saved));
        m_description->setText(SelectionReport::descriptionText(*m_saved));
        m_savedPanel->setText(SelectionReport::savedText(*m_saved));
        GridExportMenu::setTitle(m_grid, m_saved->name);
        herd::SelectionRows result;
        {
            Hourglass wait;
            result = SelectionReport::read(*m_saved, m_limits);
        }
        m_count->setText(SelectionReport::countText(result));
        m_allRows->setEnabled(result.limited);
        m_rows->setRows(std::move(result.data));
        m_grid->resizeColumnsToContents();
    } catch (const SqlError& e) {
        m_count->setText(QStringLiteral("Záznamov:"));
        fail(e.text());
    }
}

void FormUniZostava::showAllRows() {
    m_limits = herd::ReadOnlyLimits::allRows();
    load();
}

std::optional<herd::ReportData> FormUniZostava::allRows() {
    if (!m_saved)
        return std::nullopt;
    try {
        Hourglass wait;
        return SelectionReport::read(*m_saved, herd::ReadOnlyLimits::allRows()).data;
    } catch (const SqlError& e) {
        fail(e.text());
    }
    return std::nullopt;
}

void FormUniZostava::print() {
    const std::optional<herd::ReportData> data = allRows();
    if (!data)
        return;
    // The grid's column widths (resized by the user) give the proportions.
    QList<int> widths;
    for (int c = 0; c < m_rows->columnCount(); ++c)
        widths.append(m_grid->columnWidth(c));
    try {
        herd::ReportEngine engine(herd::ReportEngine::selectionProject());
        herd::SelectionPrint::prepare(engine, m_saved->name, m_saved->description, *data, widths);
        ReportPreviewDialog::run(engine, herd::SelectionPrint::report(), *data, this);
    } catch (const herd::ReportError& e) {
        Dialogs::instance().show(e.notice());
    }
}

void FormUniZostava::exportWorkbook() {
    if (!m_saved)
        return;
    QString path =
        Dialogs::instance().saveFile(herd::GridExport::title(),
                                     herd::FileNames::inDocuments(herd::GridExport::fileName(
                                         m_saved->name, QStringLiteral("xlsx"))),
                                     QStringLiteral("Zošit (*.xlsx)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        path += QLatin1String(".xlsx");
    const std::optional<herd::ReportData> data = allRows();
    if (!data)
        return;
    try {
        herd::GridExport::save(*data, m_saved->name, path);
    } catch (const herd::WorkbookError& e) {
        fail(e.text());
        return;
    }
    Dialogs::instance().show(herd::GridExport::savedNotice(path));
}
