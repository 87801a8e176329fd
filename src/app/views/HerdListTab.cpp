#include "views/HerdListTab.h"

#include "reports/ReportEngine.h"
#include "reports/ReportError.h"
#include "reports/ReportPreviewDialog.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"
#include "views/HerdList.h"
#include "widgets/GridExportMenu.h"
#include "widgets/QueryGrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QVBoxLayout>

using namespace herd;

HerdListTab::HerdListTab(const HerdListCatalog& catalog, const QString& groupBoxName, Shell shell,
                         QWidget* parent)
    : QWidget(parent)
    , m_catalog(catalog)
    , m_shell(std::move(shell))
    , m_box(new QGroupBox(this))
    , m_choice(new QComboBox(m_box))
    , m_second(new QComboBox(m_box))
    , m_print(new QPushButton(QStringLiteral("Zostava"), m_box)) {
    m_box->setObjectName(groupBoxName);
    m_choice->setObjectName(QStringLiteral("ComboBoxZoznamy"));
    m_second->setObjectName(QStringLiteral("ComboBoxZoznamyV"));
    m_print->setObjectName(QStringLiteral("BitBtnZoznamyVykonaj"));
    m_print->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    for (const ListChoice& c : catalog.choices)
        m_choice->addItem(c.text);
    m_choice->setCurrentIndex(-1);
    m_choice->setMinimumContentsLength(24);
    m_choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_second->setMinimumContentsLength(24);
    m_second->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(catalog.label + QStringLiteral(" :"), m_box);
    row->addWidget(label);
    row->addWidget(m_choice);
    row->addWidget(m_second);
    row->addStretch(1);
    row->addWidget(m_print);
    auto* boxLayout = new QVBoxLayout(m_box);
    boxLayout->addLayout(row);
    for (const ListSource& source : catalog.sources) {
        auto* grid = new QueryGrid(source.grid, m_box);
        grid->setTitles(source.titles());
        for (const auto& [field, decimals] : source.decimals)
            grid->setDecimals(field, decimals);
        boxLayout->addWidget(grid, 1);
        m_grids.append(grid);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_box);
    reset();

    // A failure of the database is shown in a box and the tab stays usable.
    const QString title = QStringLiteral("Zoznamy");
    connect(m_choice, &QComboBox::activated, this,
            [this, title](int index) { FailureBox::guard(title, [&] { choose(index); }); });
    connect(m_second, &QComboBox::activated, this,
            [this, title](int index) { FailureBox::guard(title, [&] { chooseSecond(index); }); });
    connect(m_print, &QPushButton::clicked, this,
            [this, title] { FailureBox::guard(title, [&] { print(); }); });
}

void HerdListTab::hideGrids() {
    m_shown = -1;
    for (QueryGrid* grid : std::as_const(m_grids)) {
        grid->hide();
        grid->clearRows();
    }
}

void HerdListTab::choose(int index) {
    if (index < 0 || index >= m_catalog.choices.size())
        return;
    m_choice->setCurrentIndex(index);
    const ListChoice& choice = m_catalog.choices.at(index);
    if (!choice.second) {
        m_mode = -1;
        m_second->hide();
        showRows(index, {});
        return;
    }
    hideGrids();
    m_shell.message(QStringLiteral(" "));
    m_mode = index;
    const QStringList items = HerdList::items(*choice.second);
    m_second->clear();
    if (items.isEmpty()) {
        m_second->hide();
        Dialogs::instance().show(choice.second->emptyCodes);
        return;
    }
    m_second->addItems(items);
    m_second->setCurrentIndex(-1);
    m_second->show();
}

void HerdListTab::chooseSecond(int index) {
    if (m_mode < 0 || index < 0)
        return;
    m_second->setCurrentIndex(index);
    showRows(m_mode, m_second->itemText(index));
}

void HerdListTab::showRows(int choice, const QString& secondItem) {
    hideGrids();
    QueryGrid* grid = m_grids.at(m_catalog.choices.at(choice).source);
    const int rows = grid->display(HerdList::run(m_catalog, choice, m_shell.farm(), secondItem));
    m_shown = choice;
    m_title = HerdList::title(m_catalog.choices.at(choice), secondItem);
    grid->setExportTitle(m_title);
    m_shell.message(HerdList::countText(rows));
    grid->setVisible(rows > 0);
    if (rows == 0)
        Dialogs::instance().show(m_catalog.choices.at(choice).emptyList);
}

void HerdListTab::print() {
    QueryGrid* shown = m_shown < 0 ? nullptr : grid(m_catalog.choices.at(m_shown).source);
    if (!shown || shown->rows() == 0) {
        Dialogs::instance().show(m_catalog.nothingToPrint);
        return;
    }
    ReportEngine engine(ReportEngine::herdProject());
    engine.setFarm(m_shell.farm());
    const QString report = m_catalog.sourceOf(m_shown).report;
    ReportData data = GridExportMenu::gridData(shown);
    try {
        // The printout is the list as the grid shows it, titled with the chosen list.
        ReportDefinition& layout = engine.report(report);
        layout.printAsList(data, m_title);
    } catch (const herd::ReportError& e) {
        Dialogs::instance().show(e.notice());
        return;
    }
    ReportPreviewDialog::run(engine, report, std::move(data), this);
}

void HerdListTab::reset() {
    m_mode = -1;
    m_choice->setCurrentIndex(-1);
    m_second->clear();
    m_second->hide();
    hideGrids();
    if (m_shell.message)
        m_shell.message(QStringLiteral(" "));
}

void HerdListTab::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) // minimising the window leaves the list as it is
        reset();
    QWidget::hideEvent(event);
}
