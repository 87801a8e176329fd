#include "bonitation/SowBonitationTab.h"

#include "bonitation/ExcelDelivery.h"
#include "bonitation/SowCatalogueExport.h"
#include "bonitation/SowClassification.h"
#include "common/DateText.h"
#include "db/SqlError.h"
#include "reports/ReportEngine.h"
#include "reports/ReportError.h"
#include "reports/ReportPreviewDialog.h"
#include "shell/Dialogs.h"
#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"
#include "widgets/RowEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

// The grid's hidden key columns and the reason (shown in its chooser).
const char* const hiddenFields[] = {"cislo_farmy", "sow_herd", "prasnica_farma", "Kod_vyrKU"};

void fill(QComboBox* box, const LookupSource& source) {
    box->clear();
    box->addItem(QString(), QString());
    for (const LookupEntry& e : source.entries())
        box->addItem(e.key + QStringLiteral(" ") + e.text, e.key);
}

void select(QComboBox* box, const QString& code) {
    const int i = box->findData(code.trimmed());
    box->setCurrentIndex(i < 0 ? 0 : i);
}

} // namespace

SowBonitationTab::SowBonitationTab(const ShellState& state,
                                   std::function<void(const QString&)> message, Progress progress,
                                   QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_message(std::move(message))
    , m_progress(std::move(progress))
    , m_box(new QGroupBox(u("Bonitácie prasníc "), this))
    , m_chooser(new QComboBox(m_box))
    , m_preparation(new QGroupBox(u("Príprava bonitácie"), m_box))
    , m_evaluation(new QGroupBox(u("Zhodnotenie bonitácie"), m_box))
    , m_preparationLabel(new QLabel(SowClassification::caption(false), m_preparation))
    , m_evaluationLabel(new QLabel(SowClassification::caption(true), m_evaluation))
    , m_reports(new QListWidget(m_preparation))
    , m_work(new QWidget(m_box))
    , m_grid(new QueryGrid(QStringLiteral("DBGridZatriedenie"), m_work))
    , m_genePool(new QComboBox(m_work))
    , m_culled(new QLineEdit(m_work))
    , m_reason(new QComboBox(m_work))
    , m_navigator(new RecordNavigator(m_work))
    , m_editor(new RowEditor(m_grid, m_navigator,
                             {[this](const QSqlRecord& r) { showRecord(r); },
                              [this](const QSqlRecord& r, bool open) { openFields(r, open); },
                              [this] { post(); }},
                             this)) {
    setObjectName(QStringLiteral("TabSheetPrasnice"));
    m_box->setObjectName(QStringLiteral("GroupBoxBonitPrasnice"));
    m_chooser->setObjectName(QStringLiteral("ComboBoxChovBonit"));
    m_chooser->setToolTip(u("Ponuka chovov farmy na bonitáciu"));
    m_chooser->setPlaceholderText(u("Chovy farmy"));
    m_chooser->setMinimumContentsLength(36);
    m_chooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_preparation->setObjectName(QStringLiteral("GroupBoxPriprava"));
    m_evaluation->setObjectName(QStringLiteral("GroupBoxZhodnotenie"));
    m_preparationLabel->setObjectName(QStringLiteral("LabelPriprava"));
    m_evaluationLabel->setObjectName(QStringLiteral("LabelZhodnotenie"));
    for (QLabel* l : {m_preparationLabel, m_evaluationLabel}) {
        l->setStyleSheet(QStringLiteral("color: #800000;"));
        l->setWordWrap(true);
    }
    m_reports->setObjectName(QStringLiteral("ListBoxZostavy"));
    m_reports->addItems({u("Štruktúra stáda podľa veku"), u("Štruktúra stáda podľa línie otca")});
    m_reports->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_reports->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_reports->setFixedHeight(m_reports->fontMetrics().height() * 2 + 2 * m_reports->frameWidth() +
                              8);
    m_work->setObjectName(QStringLiteral("PanelZatriedenie"));
    m_genePool->setObjectName(QStringLiteral("DBLookupComboBoxGenofond"));
    m_culled->setObjectName(QStringLiteral("DBEditVyradena"));
    m_culled->setPlaceholderText(QStringLiteral("dd.mm.rrrr"));
    m_culled->setFixedWidth(
        m_culled->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 16);
    m_reason->setObjectName(QStringLiteral("DBLookupComboBoxDovod"));
    // The choosers do not widen the panel to their longest names.
    m_genePool->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_genePool->setMinimumContentsLength(14);
    m_reason->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_reason->setMinimumContentsLength(18);
    m_navigator->setObjectName(QStringLiteral("DBNavigatorZatriedenie"));
    for (RecordNavigator::Button b :
         {RecordNavigator::Insert, RecordNavigator::Delete, RecordNavigator::Refresh})
        m_navigator->button(b)->hide();
    m_grid->setTitles(SowClassification::titles());
    m_grid->setExportTitle(u("Zatriedenie stáda"));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);

    // Preparation: classification, catalogue, the two structure reports.
    auto* before = new QPushButton(u("Zatriedenie stáda/vyradenie"), m_preparation);
    before->setObjectName(QStringLiteral("BitBtnZatriedeniePred"));
    auto* catalogue = new QPushButton(u("Bonitačný katalóg"), m_preparation);
    catalogue->setObjectName(QStringLiteral("BitBtnKatalog"));
    auto* prepLayout = new QGridLayout(m_preparation);
    prepLayout->addWidget(before, 0, 0);
    prepLayout->addWidget(catalogue, 1, 0);
    prepLayout->addWidget(new QLabel(QStringLiteral("Zostavy"), m_preparation), 0, 1);
    prepLayout->addWidget(m_reports, 1, 1);
    prepLayout->addWidget(m_preparationLabel, 2, 0, 1, 2);
    // Evaluation: classification after the bonitation, the herd evaluation.
    auto* after = new QPushButton(u("Zatriedenie stáda/vyradenie"), m_evaluation);
    after->setObjectName(QStringLiteral("BitBtnZatriedeniePo"));
    auto* evaluation = new QPushButton(u("Zhodnotenie chovu"), m_evaluation);
    evaluation->setObjectName(QStringLiteral("BitBtnZhodnotenie"));
    auto* evalLayout = new QVBoxLayout(m_evaluation);
    evalLayout->addWidget(after);
    evalLayout->addWidget(evaluation);
    evalLayout->addWidget(m_evaluationLabel);
    evalLayout->addStretch(1);

    auto* edits = new QHBoxLayout;
    edits->addWidget(new QLabel(QStringLiteral("genofond"), m_work));
    edits->addWidget(m_genePool, 1);
    edits->addWidget(new QLabel(u("vyradená"), m_work));
    edits->addWidget(m_culled);
    edits->addWidget(new QLabel(QStringLiteral("/"), m_work));
    edits->addWidget(m_reason, 2);
    edits->addWidget(m_navigator);
    auto* workLayout = new QVBoxLayout(m_work);
    workLayout->setContentsMargins(0, 0, 0, 0);
    workLayout->addWidget(m_grid, 1);
    workLayout->addLayout(edits);

    auto* chooserRow = new QHBoxLayout;
    chooserRow->addWidget(new QLabel(u("Bonitácia v chove:"), m_box));
    chooserRow->addWidget(m_chooser);
    chooserRow->addStretch(1);
    auto* groups = new QHBoxLayout;
    groups->addWidget(m_preparation, 3);
    groups->addWidget(m_evaluation, 2);
    auto* boxLayout = new QVBoxLayout(m_box);
    boxLayout->addLayout(chooserRow);
    boxLayout->addLayout(groups);
    boxLayout->addWidget(m_work, 1);
    boxLayout->addStretch(0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_box);

    connect(m_chooser, &QComboBox::activated, this, &SowBonitationTab::chooseHerd);
    connect(before, &QPushButton::clicked, this, [this] { showClassification(false); });
    connect(after, &QPushButton::clicked, this, [this] { showClassification(true); });
    connect(catalogue, &QPushButton::clicked, this,
            [this] { print(SowBonitation::Printout::Catalogue); });
    connect(evaluation, &QPushButton::clicked, this,
            [this] { print(SowBonitation::Printout::Evaluation); });
    connect(m_reports, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        print(m_reports->row(item) == 0 ? SowBonitation::Printout::Age
                                        : SowBonitation::Printout::SireLine);
    });
    // Enter: gene pool → culling date → reason → navigator.
    for (QWidget* w : {static_cast<QWidget*>(m_genePool), static_cast<QWidget*>(m_culled),
                       static_cast<QWidget*>(m_reason)})
        w->installEventFilter(this);
    showTab();
}

void SowBonitationTab::showTab() {
    m_message(QStringLiteral(" "));
    m_work->hide();
    m_preparation->hide();
    m_evaluation->hide();
    m_herd = BonitationHerd{QStringLiteral("00"), {}, {}, {}, {}};
    m_herds.clear();
    m_chooser->clear();
    m_grid->clearRows();
    if (!m_state.hasFarm())
        return;
    try {
        m_herds = BonitationHerd::ofChovFar();
    } catch (const SqlError& e) {
        Dialogs::error(SowBonitation::panelTitle(), SowBonitation::chovFarFailed() + e.text());
        return;
    }
    if (m_herds.isEmpty()) {
        Dialogs::error(SowBonitation::panelTitle(), SowBonitation::noChovFar());
        return;
    }
    for (int i = 0; i < m_herds.size(); ++i)
        m_chooser->addItem(m_herds[i].text(), i); // the herd by its index, not by its text
    m_chooser->setCurrentIndex(-1);
}

void SowBonitationTab::chooseHerd(int index) {
    m_work->hide();
    const int herd = m_chooser->itemData(index).toInt();
    if (herd < 0 || herd >= m_herds.size())
        return;
    m_herd = m_herds[herd];
    m_preparation->show();
    m_evaluation->show();
    m_preparationLabel->hide();
    m_evaluationLabel->hide();
    m_message(QStringLiteral(" "));
}

void SowBonitationTab::showClassification(bool afterBonitation) {
    if (!m_herd.chosen()) {
        Dialogs::error(SowClassification::title(afterBonitation), SowBonitation::noHerd());
        return;
    }
    try {
        fill(m_genePool, SowClassification::genePools());
        fill(m_reason, SowClassification::cullingReasons());
        m_preparationLabel->setVisible(!afterBonitation);
        m_evaluationLabel->setVisible(afterBonitation);
        m_work->show();
        loadRows(0);
    } catch (const SqlError& e) {
        Dialogs::error(SowClassification::title(afterBonitation), u("Chyba: ") + e.text());
    }
}

void SowBonitationTab::loadRows(int keepRow) {
    m_grid->display(SowClassification::rows(m_herd));
    const QSqlRecord record = m_grid->queryModel()->record();
    for (const char* field : hiddenFields)
        m_grid->setColumnHidden(record.indexOf(QString::fromLatin1(field)), true);
    m_message(SowBonitation::activeText(SowBonitation::activeSows(m_herd)));
    m_editor->reload(keepRow);
}

void SowBonitationTab::showRecord(const QSqlRecord& r) {
    select(m_genePool, r.value(QStringLiteral("Kod_genofond")).toString());
    m_culled->setText(DateText::dotted(r.value(QStringLiteral("Datum_vyradenia")).toDate()));
    select(m_reason, r.value(QStringLiteral("Kod_vyrKU")).toString());
}

void SowBonitationTab::openFields(const QSqlRecord& r, bool open) {
    // A culled sow's culling is corrected on her card, not here.
    const bool culled = !r.value(QStringLiteral("Datum_vyradenia")).isNull();
    m_genePool->setEnabled(open);
    m_culled->setEnabled(open && !culled);
    m_reason->setEnabled(open && !culled);
    if (open)
        m_genePool->setFocus();
}

void SowBonitationTab::post() {
    const QSqlRecord r = m_editor->record();
    SowClassification::Edit edit;
    edit.farm = r.value(QStringLiteral("cislo_farmy")).toString();
    edit.herd = r.value(QStringLiteral("sow_herd")).toString();
    edit.sow = r.value(QStringLiteral("prasnica_farma")).toString();
    edit.genePool = m_genePool->currentData().toString();
    edit.reason = m_reason->currentData().toString();
    const QString typed = m_culled->text().trimmed();
    if (m_culled->isEnabled() && !typed.isEmpty()) {
        edit.culled = DateText::typed(typed);
        if (!edit.culled.isValid()) {
            Dialogs::error(u("Dátum"), u("Nekorektne uvedený dátum ! (dd.mm.rrrr)"));
            m_culled->setFocus();
            return;
        }
    }
    try {
        if (const std::optional<Notice> refusal = SowClassification::store(edit)) {
            Dialogs::instance().show(*refusal);
            return;
        }
        loadRows(m_editor->row());
    } catch (const SqlError& e) {
        Dialogs::error(SowBonitation::panelTitle(),
                       u("Nekorektné ukončenie aktualizácie: ") + e.text());
    }
}

bool SowBonitationTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNext(qobject_cast<QWidget*>(watched));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SowBonitationTab::focusNext(QWidget* from) {
    if (from == m_genePool && m_culled->isEnabled())
        m_culled->setFocus();
    else if (from == m_genePool || from == m_culled)
        (m_reason->isEnabled() ? static_cast<QWidget*>(m_reason) : m_navigator)->setFocus();
    else
        m_navigator->button(RecordNavigator::Post)->setFocus();
}

void SowBonitationTab::print(SowBonitation::Printout printout) {
    const QString title = SowBonitation::title(printout);
    const bool catalogue = printout == SowBonitation::Printout::Catalogue ||
                           printout == SowBonitation::Printout::Evaluation;
    try {
        if (const std::optional<Notice> refusal = SowBonitation::check(m_herd, printout)) {
            Dialogs::instance().show(*refusal);
            return;
        }
        if (catalogue) {
            m_work->hide();
            m_message(SowBonitation::activeText(SowBonitation::activeSows(m_herd)));
        }
        SowBonitation::Prepared prepared =
            SowBonitation::prepare(m_herd, printout, QDate::currentDate(), m_progress);
        if (prepared.refusal) {
            Dialogs::instance().show(*prepared.refusal);
            return;
        }
        ReportEngine engine(ReportEngine::herdProject());
        SowBonitation::setParameters(engine, m_herd, m_state.aktFarma);
        ReportPreviewDialog::run(engine, SowBonitation::report(printout), std::move(prepared.data),
                                 this);
        if (printout == SowBonitation::Printout::Catalogue &&
            Dialogs::instance().ask(title, SowBonitation::exportQuestion()))
            exportCatalogue();
    } catch (const SqlError& e) {
        Dialogs::error(title, u("Chyba: ") + e.text());
    } catch (const ReportError& e) {
        Dialogs::instance().show(e.notice());
    }
}

void SowBonitationTab::exportCatalogue() {
    ExcelDelivery::deliver([] { return SowCatalogueExport::workbook(); },
                           QStringLiteral("Katalog_prasnic"));
}
