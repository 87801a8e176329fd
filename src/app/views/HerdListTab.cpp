#include "views/HerdListTab.h"

#include "reports/ReportEngine.h"
#include "reports/ReportPreviewDialog.h"
#include "shell/Dialogs.h"
#include "views/HerdList.h"
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
    , m_print(new QPushButton(QStringLiteral("Zostava"), m_box))
    , m_grid(new QueryGrid(QStringLiteral("DBGridZoznamy"), m_box)) {
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
    m_grid->setTitles(catalog.columns);
    for (const auto& [column, decimals] : catalog.decimals)
        m_grid->setDecimals(column, decimals);

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(catalog.label + QStringLiteral(" :"), m_box);
    row->addWidget(label);
    row->addWidget(m_choice);
    row->addWidget(m_second);
    row->addStretch(1);
    row->addWidget(m_print);
    auto* boxLayout = new QVBoxLayout(m_box);
    boxLayout->addLayout(row);
    boxLayout->addWidget(m_grid, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_box);
    reset();

    connect(m_choice, &QComboBox::activated, this, &HerdListTab::choose);
    connect(m_second, &QComboBox::activated, this, &HerdListTab::chooseSecond);
    connect(m_print, &QPushButton::clicked, this, &HerdListTab::print);
}

void HerdListTab::choose(int index) {
    if (index < 0 || index >= m_catalog.choices.size())
        return;
    m_choice->setCurrentIndex(index);
    const ListChoice& choice = m_catalog.choices.at(index);
    if (!choice.second) {
        m_mode = -1;
        m_second->hide();
        showRows(index, {}, choice.emptyList);
        return;
    }
    m_grid->hide();
    m_grid->clearRows();
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
    showRows(m_mode, m_second->itemText(index), m_catalog.choices.at(m_mode).second->emptyList);
}

void HerdListTab::showRows(int choice, const QString& secondItem, const Notice& emptyList) {
    const int rows = m_grid->display(HerdList::run(m_catalog, choice, m_shell.farm(), secondItem));
    m_title = HerdList::title(m_catalog.choices.at(choice), secondItem);
    m_grid->setExportTitle(m_title);
    m_shell.message(HerdList::countText(rows));
    m_grid->setVisible(rows > 0);
    if (rows == 0)
        Dialogs::instance().show(emptyList);
}

void HerdListTab::print() {
    if (m_grid->rows() == 0) {
        Dialogs::instance().show(m_catalog.nothingToPrint);
        return;
    }
    ReportEngine engine(ReportEngine::herdProject());
    engine.setParameter(QStringLiteral("Farma"), m_shell.farm());
    ReportPreviewDialog::run(engine, m_catalog.report, ReportData::fromModel(*m_grid->queryModel()),
                             this);
}

void HerdListTab::reset() {
    m_mode = -1;
    m_choice->setCurrentIndex(-1);
    m_second->clear();
    m_second->hide();
    m_grid->hide();
    m_grid->clearRows();
    if (m_shell.message)
        m_shell.message(QStringLiteral(" "));
}

void HerdListTab::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) // minimising the window leaves the list as it is
        reset();
    QWidget::hideEvent(event);
}
