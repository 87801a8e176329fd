#include "bonitation/BoarBonitationTab.h"

#include "batch/LookupEntries.h"
#include "bonitation/BoarBonitation.h"
#include "bonitation/BoarChart.h"
#include "bonitation/BoarPerformance.h"
#include "bonitation/ExcelDelivery.h"
#include "bonitation/SowClassification.h"
#include "card/BoarCard.h"
#include "common/DateText.h"
#include "db/SqlError.h"
#include "reports/ReportEngine.h"
#include "reports/ReportError.h"
#include "reports/ReportPreviewDialog.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"
#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"
#include "widgets/RowEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QToolButton>
#include <QVBoxLayout>

using namespace herd;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

QListWidget* list(const QString& name, const QStringList& items, QWidget* parent) {
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    l->addItems(items);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setFixedHeight(l->fontMetrics().height() * 3 + 2 * l->frameWidth() + 10);
    l->setMaximumWidth(200);
    return l;
}

} // namespace

BoarBonitationTab::BoarBonitationTab(const ShellState& state,
                                     std::function<void(const QString&)> message, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_message(std::move(message))
    , m_farmLabel(new QLabel(this))
    , m_reports(list(QStringLiteral("ListBoxZostavyKance"), {u("Úžitkovosť kancov")}, this))
    , m_outputs(list(QStringLiteral("ListBoxZostavyUz"),
                     {u("Tlač"), QStringLiteral("Excel"), QStringLiteral("Graf ")}, this))
    , m_work(new QWidget(this))
    , m_workLabel(new QLabel(u("Vyradenie kanca pred bonitáciou"), m_work))
    , m_grid(new QueryGrid(QStringLiteral("DBGridKance"), m_work))
    , m_editRow(new QWidget(m_work))
    , m_culled(new QLineEdit(m_editRow))
    , m_reason(new QComboBox(m_editRow))
    , m_navigator(new RecordNavigator(m_editRow))
    , m_editor(new RowEditor(m_grid, m_navigator,
                             {[this](const QSqlRecord& r) { showRecord(r); },
                              [this](const QSqlRecord& r, bool open) { openFields(r, open); },
                              [this] { post(); }},
                             this))
    , m_performance(new QGroupBox(u("Úžitkovosť kancov na farme"), this))
    , m_performanceGrid(new QueryGrid(QStringLiteral("DBGridUzKan"), m_performance))
    , m_chartLabel(new QLabel(this))
    , m_chart(new BoarChart(this)) {
    setObjectName(QStringLiteral("TabSheetKanceObsah"));
    m_farmLabel->setObjectName(QStringLiteral("LabelFarmaKance"));
    auto* preparation = new QGroupBox(u("Príprava bonitácie"), this);
    preparation->setObjectName(QStringLiteral("GroupBoxPripravaKance"));
    auto* culling = new QPushButton(u("Vyradenie kancov"), preparation);
    culling->setObjectName(QStringLiteral("BitBtnVyradenieKancov"));
    auto* catalogue = new QPushButton(u("Bonitačný katalóg"), preparation);
    catalogue->setObjectName(QStringLiteral("BitBtnKatalogKancov"));
    auto* prepLayout = new QGridLayout(preparation);
    prepLayout->addWidget(culling, 0, 0);
    prepLayout->addWidget(catalogue, 1, 0);
    prepLayout->addWidget(new QLabel(QStringLiteral("Zostavy"), preparation), 0, 1);
    prepLayout->addWidget(m_reports, 1, 1, 2, 1);
    auto* outputsBox = new QWidget(this);
    auto* outputsLayout = new QVBoxLayout(outputsBox);
    outputsLayout->setContentsMargins(0, 0, 0, 0);
    outputsLayout->addWidget(new QLabel(QStringLiteral("Zostavy"), outputsBox));
    outputsLayout->addWidget(m_outputs);
    outputsLayout->addStretch(1);
    m_outputs->setParent(outputsBox);

    // The culling area.
    m_work->setObjectName(QStringLiteral("PanelVyradenieKancov"));
    m_workLabel->setObjectName(QStringLiteral("LabelVyradenieKancov"));
    m_workLabel->setStyleSheet(QStringLiteral("color: #800000;"));
    m_grid->setTitles(BoarBonitation::cullingTitles());
    m_grid->setExportTitle(u("Vyradenie kancov"));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_culled->setObjectName(QStringLiteral("DBEditVyradenyKanec"));
    m_culled->setPlaceholderText(QStringLiteral("dd.mm.rrrr"));
    m_culled->setFixedWidth(
        m_culled->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 16);
    m_reason->setObjectName(QStringLiteral("DBLookupComboBoxDovodKanca"));
    m_reason->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_reason->setMinimumContentsLength(18);
    m_navigator->setObjectName(QStringLiteral("DBNavigatorKance"));
    for (RecordNavigator::Button b :
         {RecordNavigator::Insert, RecordNavigator::Delete, RecordNavigator::Refresh})
        m_navigator->button(b)->hide();
    auto* edits = new QHBoxLayout(m_editRow);
    edits->setContentsMargins(0, 0, 0, 0);
    edits->addWidget(new QLabel(u("vyradený"), m_editRow));
    edits->addWidget(m_culled);
    edits->addWidget(new QLabel(QStringLiteral("/"), m_editRow));
    edits->addWidget(m_reason, 1);
    edits->addWidget(m_navigator);
    auto* workLayout = new QVBoxLayout(m_work);
    workLayout->setContentsMargins(0, 0, 0, 0);
    workLayout->addWidget(m_workLabel);
    workLayout->addWidget(m_grid, 1);
    workLayout->addWidget(m_editRow);

    // The performance area: the farm's averages beside the boars' grid.
    m_performance->setObjectName(QStringLiteral("PanelUzitkovostKancov"));
    auto* farmBox = new QGroupBox(u("Úžitkovosť farmy"), m_performance);
    farmBox->setObjectName(QStringLiteral("GroupBoxUzFarmy"));
    auto* farmGrid = new QGridLayout(farmBox);
    const char* heads[] = {"VS", "ZI", "DO"};
    const char* rowsNames[] = {"1. vrhy", "2. vrhy", "2>vrhy"};
    for (int c = 0; c < 3; ++c)
        farmGrid->addWidget(new QLabel(QString::fromLatin1(heads[c]), farmBox), 0, c + 1,
                            Qt::AlignRight);
    for (int r = 0; r < 3; ++r) {
        farmGrid->addWidget(new QLabel(QString::fromLatin1(rowsNames[r]), farmBox), r + 1, 0);
        for (int c = 0; c < 3; ++c) {
            m_farmCells[r][c] = new QLabel(QStringLiteral("0"), farmBox);
            m_farmCells[r][c]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_farmCells[r][c]->setMinimumWidth(40);
            farmGrid->addWidget(m_farmCells[r][c], r + 1, c + 1);
        }
    }
    farmGrid->setRowStretch(4, 1);
    m_performanceGrid->setTitles(BoarPerformance::titles());
    for (const char* name : {"vs", "zi", "do", "hm"})
        for (int n = 1; n <= 3; ++n)
            m_performanceGrid->setDecimals(QString::fromLatin1(name) + QString::number(n), 1);
    m_performanceGrid->setExportTitle(u("Úžitkovosť kancov"));
    m_performanceGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_performanceGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* perfLayout = new QHBoxLayout(m_performance);
    perfLayout->addWidget(farmBox);
    perfLayout->addWidget(m_performanceGrid, 1);

    m_chartLabel->setObjectName(QStringLiteral("LabelGrafKanec"));
    m_chartLabel->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));

    auto* top = new QHBoxLayout;
    top->addWidget(preparation);
    top->addWidget(outputsBox);
    top->addStretch(1);
    auto* box = new QGroupBox(u("Bonitácie kancov "), this);
    box->setObjectName(QStringLiteral("GroupBoxBonitKance"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(box);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_farmLabel);
    layout->addLayout(top);
    layout->addWidget(m_chartLabel);
    layout->addStretch(1);
    layout->addWidget(m_work);
    layout->addWidget(m_performance);
    layout->addWidget(m_chart);
    m_work->setFixedHeight(338);
    m_performance->setFixedHeight(338);
    m_chart->setFixedHeight(350);

    connect(culling, &QPushButton::clicked, this, &BoarBonitationTab::showCulling);
    connect(catalogue, &QPushButton::clicked, this, &BoarBonitationTab::printCatalogue);
    connect(m_reports, &QListWidget::itemClicked, this, [this] { showPerformance(); });
    connect(m_outputs, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = m_outputs->row(item);
        if (row == 0)
            printPerformance();
        else if (row == 1)
            exportPerformance();
        else
            showChart();
    });
    connect(m_performanceGrid, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { chooseBoar(index.row()); });
    connect(m_chart, &BoarChart::clicked, this, [this] {
        hideChart();
        m_outputs->clearSelection();
    });
    m_culled->installEventFilter(this);
    m_reason->installEventFilter(this);
    showTab();
}

void BoarBonitationTab::showTab() {
    m_farmLabel->setText(u("Bonitácia na farme: ") + m_state.aktFarma);
    m_editRow->hide();
    m_grid->hide();
    m_workLabel->hide();
    m_work->show();
    m_performance->hide();
    m_outputs->parentWidget()->hide();
    hideChart();
}

void BoarBonitationTab::hideChart() {
    m_chart->hide();
    m_chartLabel->hide();
}

void BoarBonitationTab::showCulling() {
    m_performance->hide();
    m_outputs->parentWidget()->hide();
    hideChart();
    try {
        if (const std::optional<Notice> refusal =
                BoarBonitation::check(m_state.aktFarma, BoarBonitation::cullingTitle())) {
            Dialogs::instance().show(*refusal);
            return;
        }
        m_reason->clear();
        m_reason->addItem(QString(), QString());
        for (const LookupEntry& e : SowClassification::cullingReasons().entries())
            m_reason->addItem(e.key + QStringLiteral(" ") + e.text, e.key);
        m_workLabel->setText(u("Vyradenie kancov /príprava bonitácie"));
        m_workLabel->show();
        m_grid->show();
        m_editRow->show();
        m_work->show();
        loadCulling(0);
    } catch (const SqlError& e) {
        Dialogs::error(BoarBonitation::cullingTitle(), u("Chyba: ") + e.text());
    }
}

void BoarBonitationTab::loadCulling(int keepRow) {
    m_grid->display(BoarBonitation::cullingRows(m_state.aktFarma));
    m_grid->setColumnHidden(m_grid->queryModel()->record().indexOf(QStringLiteral("Kod_vyrKU")),
                            true);
    m_message(BoarBonitation::activeText(BoarBonitation::activeBoars(m_state.aktFarma)));
    m_editor->reload(keepRow);
}

void BoarBonitationTab::showRecord(const QSqlRecord& r) {
    m_culled->setText(DateText::dotted(r.value(QStringLiteral("Datum_vyradenia")).toDate()));
    const int i = m_reason->findData(r.value(QStringLiteral("Kod_vyrKU")).toString().trimmed());
    m_reason->setCurrentIndex(i < 0 ? 0 : i);
}

void BoarBonitationTab::openFields(const QSqlRecord& r, bool open) {
    // A culled boar's culling is corrected on his card, not here.
    const bool culled = !r.value(QStringLiteral("Datum_vyradenia")).isNull();
    m_culled->setEnabled(open && !culled);
    m_reason->setEnabled(open && !culled);
    if (open)
        m_culled->setFocus();
}

void BoarBonitationTab::post() {
    const QString typed = m_culled->text().trimmed();
    if (!m_culled->isEnabled() || typed.isEmpty()) {
        m_editor->setEditing(false);
        return;
    }
    const QSqlRecord r = m_editor->record();
    const QDate day = DateText::typed(typed);
    if (!day.isValid()) {
        Dialogs::error(u("Dátum"), u("Nekorektne uvedený dátum ! (dd.mm.rrrr)"));
        m_culled->setFocus();
        return;
    }
    // The culling before the bonitation is the boar card's: reported to the
    // register, his history and his tree row with it.
    const Notice notice =
        BoarCard::cull(m_state.aktFarma, r.value(QStringLiteral("Linia_kanca")).toString(),
                       r.value(QStringLiteral("Register_kanca")).toString(), day,
                       m_reason->currentData().toString());
    Dialogs::instance().show(notice);
    if (notice.kind == Notice::Kind::Information)
        FailureBox::guard(BoarBonitation::cullingTitle(), [&] { loadCulling(m_editor->row()); });
}

bool BoarBonitationTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_culled)
                m_reason->setFocus();
            else
                m_navigator->button(RecordNavigator::Post)->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BoarBonitationTab::printCatalogue() {
    m_performance->hide();
    m_outputs->parentWidget()->hide();
    hideChart();
    const QString title = BoarBonitation::catalogueTitle();
    try {
        if (const std::optional<Notice> refusal = BoarBonitation::check(m_state.aktFarma, title)) {
            Dialogs::instance().show(*refusal);
            return;
        }
        m_editRow->hide();
        m_message(BoarBonitation::activeText(BoarBonitation::activeBoars(m_state.aktFarma)));
        BoarBonitation::Prepared prepared = BoarBonitation::prepare(m_state.aktFarma);
        if (prepared.refusal) {
            Dialogs::instance().show(*prepared.refusal);
            return;
        }
        ReportEngine engine(ReportEngine::herdProject());
        BoarBonitation::setParameters(engine, m_state.aktFarma);
        ReportPreviewDialog::run(engine, BoarBonitation::report(), std::move(prepared.data), this);
        if (Dialogs::instance().ask(title, u("Chceš previesť katalóg do Excel-u ? ")))
            exportCatalogue();
    } catch (const SqlError& e) {
        Dialogs::error(title, u("Chyba: ") + e.text());
    } catch (const ReportError& e) {
        Dialogs::instance().show(e.notice());
    }
}

void BoarBonitationTab::exportCatalogue() {
    ExcelDelivery::deliver(&BoarBonitation::workbook, QStringLiteral("Katalog_kancov"));
}

void BoarBonitationTab::showPerformance() {
    const QString title = BoarPerformance::title();
    try {
        if (const std::optional<Notice> refusal = BoarBonitation::check(m_state.aktFarma, title)) {
            Dialogs::instance().show(*refusal);
            return;
        }
        hideChart();
        m_message(QStringLiteral(" "));
        m_work->hide();
        m_outputs->clearSelection();
        m_outputs->parentWidget()->show();
        m_line = QStringLiteral("0000");
        m_reg = QStringLiteral("00000");
        BoarPerformance::createViews(m_state.aktFarma);
        const QList<BoarPerformance::FarmClass> farm = BoarPerformance::farm();
        for (int r = 0; r < 3; ++r) {
            const double values[] = {farm[r].born, farm[r].alive, farm[r].reared};
            for (int c = 0; c < 3; ++c)
                m_farmCells[r][c]->setText(
                    farm[r].litters == 0 ? QStringLiteral("0")
                                         : QLocale(QLocale::Slovak).toString(values[c], 'f', 1));
        }
        m_performanceGrid->display(BoarPerformance::gridQuery());
        m_performance->show();
    } catch (const SqlError& e) {
        Dialogs::error(title, u("Chyba: ") + e.text());
    }
}

void BoarBonitationTab::chooseBoar(int row) {
    const QSqlRecord r = m_performanceGrid->queryModel()->record(row);
    m_line = r.value(QStringLiteral("linia")).toString();
    m_reg = r.value(QStringLiteral("reg")).toString();
    m_outputs->clearSelection();
    hideChart();
}

void BoarBonitationTab::printPerformance() {
    const QString title = BoarPerformance::title();
    try {
        ReportEngine engine(ReportEngine::herdProject());
        BoarPerformance::setParameters(engine, m_state.aktFarma);
        ReportPreviewDialog::run(engine, BoarPerformance::report(), BoarPerformance::rows(), this);
    } catch (const SqlError& e) {
        Dialogs::error(title, u("Chyba: ") + e.text());
    } catch (const ReportError& e) {
        Dialogs::instance().show(e.notice());
    }
}

void BoarBonitationTab::exportPerformance() {
    ExcelDelivery::deliver(&BoarPerformance::workbook, QStringLiteral("Uzitkovost_kancov"));
}

void BoarBonitationTab::showChart() {
    if (m_line == QLatin1String("0000")) {
        Dialogs::error(BoarPerformance::chartBoxTitle(), BoarPerformance::noBoarChosen());
        return;
    }
    try {
        m_chartLabel->setText(BoarPerformance::boarLabel(m_line, m_reg));
        m_chartLabel->show();
        m_chart->setBars(BoarPerformance::chart(m_line, m_reg), m_line, m_reg);
        m_chart->show();
    } catch (const SqlError& e) {
        Dialogs::error(BoarPerformance::chartBoxTitle(), u("Chyba: ") + e.text());
    }
}
