#include "reports/ReportPreviewDialog.h"

#include "common/FileNames.h"
#include "reports/ReportEngine.h"
#include "reports/ReportError.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPageSetup.h"
#include "shell/Dialogs.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using herd::ReportEngine;
using herd::ReportError;

void ReportPreviewDialog::run(ReportEngine& engine, const QString& report, herd::ReportData data,
                              QWidget* parent) {
    try {
        engine.report(report);
    } catch (const ReportError& e) {
        Dialogs::instance().show(e.notice());
        return;
    }
    ReportPreviewDialog dialog(engine, report, std::move(data), parent);
    dialog.exec();
}

ReportPreviewDialog::ReportPreviewDialog(ReportEngine& engine, const QString& report,
                                         herd::ReportData data, QWidget* parent)
    : QDialog(parent)
    , m_engine(engine)
    , m_report(report)
    , m_data(std::move(data))
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("ReportPreviewDialog"));
    setWindowTitle(QStringLiteral("Náhľad tlače"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1000, 760);

    const herd::ReportDefinition& definition = engine.report(report);
    // The page the user set up for this report last time, else the report's own.
    m_printer->setPageLayout(herd::ReportPageSetup::remembered(definition.name)
                                 .value_or(ReportEngine::pageLayout(definition.orientation)));
    m_printer->setDocName(definition.name);

    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName(QStringLiteral("PrintPreview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &ReportPreviewDialog::paint);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this,
            &ReportPreviewDialog::updatePageLabel);
    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_preview->setZoomFactor(1.0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    layout->addWidget(findChild<QToolBar*>(QStringLiteral("ToolBarNahlad")));
    layout->addWidget(m_preview, 1);
    m_preview->updatePreview();
}

ReportPreviewDialog::~ReportPreviewDialog() = default;

void ReportPreviewDialog::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBarNahlad"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // Page navigation shows icons with the words as tool tips, so that the
    // bar fits the window; zoom shows words (the style has no zoom icons).
    Qt::ToolButtonStyle buttonStyle = Qt::ToolButtonTextBesideIcon;
    const auto add = [&](const char* name, const QString& text, QStyle::StandardPixmap icon,
                         auto slot) {
        QAction* a = bar->addAction(style()->standardIcon(icon), text);
        a->setObjectName(QLatin1String(name));
        a->setToolTip(text);
        connect(a, &QAction::triggered, this, slot);
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a)))
            button->setToolButtonStyle(buttonStyle);
        return a;
    };
    add("ActionTlacit", QStringLiteral("Tlačiť"), QStyle::SP_DialogApplyButton,
        &ReportPreviewDialog::print);
    add("ActionUlozitPdf", QStringLiteral("Uložiť ako PDF"), QStyle::SP_DialogSaveButton,
        &ReportPreviewDialog::saveAsPdf);
    add("ActionNastavenia", QStringLiteral("Nastavenia"), QStyle::SP_FileDialogDetailedView,
        &ReportPreviewDialog::pageSetup);
    bar->addSeparator();
    buttonStyle = Qt::ToolButtonIconOnly;
    add("ActionPrvaStrana", QStringLiteral("Prvá"), QStyle::SP_MediaSkipBackward,
        [this] { showPage(1); });
    add("ActionPredchStrana", QStringLiteral("Predchádzajúca"), QStyle::SP_MediaSeekBackward,
        [this] { showPage(m_preview->currentPage() - 1); });
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("LabelStrana"));
    m_pageLabel->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(m_pageLabel);
    add("ActionDalsiaStrana", QStringLiteral("Ďalšia"), QStyle::SP_MediaSeekForward,
        [this] { showPage(m_preview->currentPage() + 1); });
    add("ActionPoslednaStrana", QStringLiteral("Posledná"), QStyle::SP_MediaSkipForward,
        [this] { showPage(m_preview->pageCount()); });
    bar->addSeparator();
    buttonStyle = Qt::ToolButtonTextOnly;
    add("ActionZvacsit", QStringLiteral("Zväčšiť"), QStyle::SP_ArrowUp,
        [this] { m_preview->zoomIn(); });
    add("ActionZmensit", QStringLiteral("Zmenšiť"), QStyle::SP_ArrowDown,
        [this] { m_preview->zoomOut(); });
    add("ActionCelaStrana", QStringLiteral("Celá strana"), QStyle::SP_TitleBarNormalButton,
        [this] { m_preview->fitInView(); });
    bar->addSeparator();
    buttonStyle = Qt::ToolButtonTextBesideIcon;
    add("ActionZavriet", QStringLiteral("Zavrieť"), QStyle::SP_DialogCloseButton, &QDialog::reject);
}

void ReportPreviewDialog::paint(QPrinter* printer) {
    try {
        if (m_printing)
            m_engine.print(m_report, m_data, printer, printer->fromPage(), printer->toPage());
        else
            m_engine.print(m_report, m_data, printer);
    } catch (const ReportError& e) {
        Dialogs::instance().show(e.notice());
    }
}

void ReportPreviewDialog::showPage(int page) {
    m_preview->setCurrentPage(std::clamp(page, 1, std::max(1, m_preview->pageCount())));
    updatePageLabel();
}

void ReportPreviewDialog::updatePageLabel() {
    m_pageLabel->setText(
        QStringLiteral("Strana %1 / %2").arg(m_preview->currentPage()).arg(m_preview->pageCount()));
}

void ReportPreviewDialog::print() {
    QPrintDialog dialog(m_printer.get(), this);
    dialog.setWindowTitle(QStringLiteral("Tlač"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, std::max(1, m_preview->pageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_printing = true;
    m_preview->print();
    m_printing = false;
    m_printer->setFromTo(0, 0);
}

void ReportPreviewDialog::saveAsPdf() {
    // The report's title and the day, in the user's documents folder.
    const QString title =
        herd::ReportLayout::fill(m_engine.report(m_report).title, m_engine.values());
    const QString suggested =
        herd::FileNames::inDocuments(herd::FileNames::readable(title, QStringLiteral("pdf")));
    const QString path = Dialogs::instance().saveFile(QStringLiteral("Uložiť ako PDF"), suggested,
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    try {
        m_engine.printToPdf(m_report, m_data, path, m_printer->pageLayout());
        Dialogs::instance().show(ReportEngine::savedNotice(path));
    } catch (const ReportError& e) {
        Dialogs::instance().show(e.notice());
    }
}

void ReportPreviewDialog::pageSetup() {
    QPageSetupDialog dialog(m_printer.get(), this);
    dialog.setWindowTitle(QStringLiteral("Nastavenia"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    herd::ReportPageSetup::remember(m_engine.report(m_report).name, m_printer->pageLayout());
    m_preview->updatePreview();
}
