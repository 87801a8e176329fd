#include "reports/FormRychleVybery.h"

#include "db/ReadOnlySelect.h"
#include "db/SqlError.h"
#include "reports/FormUniZostava.h"
#include "selections/SelectionCondition.h"
#include "selections/SelectionKind.h"
#include "selections/SelectionReport.h"
#include "selections/SelectionStatement.h"
#include "shell/Dialogs.h"
#include "widgets/GridExportMenu.h"
#include "widgets/GridSetup.h"
#include "widgets/Hourglass.h"
#include "widgets/QueryGrid.h"
#include "widgets/RowsModel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using herd::Connector;
using herd::OperatorEntry;
using herd::SavedSelections;
using herd::SelectionCondition;
using herd::SelectionKind;
using herd::SelectionSort;
using herd::SqlError;
using herd::TableColumn;

namespace {

void error(const QString& text) {
    Dialogs::error(SavedSelections::title(), text);
}

QTreeWidget* columnList(const char* name, const QString& first, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({first, QStringLiteral("Dátový typ"), QStringLiteral("Veľkosť")});
    // The name takes the room left by the type and the size.
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    return list;
}

QTreeWidgetItem* columnItem(const TableColumn& c) {
    auto* item = new QTreeWidgetItem({c.name, c.typeLabel(), QString::number(c.size)});
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QGroupBox* group(const char* name, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    // Enter in a box (a column's title, a value) must not press a button:
    // it would close the window or add a condition.
    b->setAutoDefault(false);
    return b;
}

} // namespace

FormRychleVybery::FormRychleVybery(QWidget* parent)
    : QDialog(parent)
    , m_tabs(new QTabWidget(this)) {
    setObjectName(QStringLiteral("FormRychleVybery"));
    setWindowTitle(SavedSelections::title());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    m_tabs->setObjectName(QStringLiteral("PageControlVybery"));
    m_tabs->addTab(buildKindTab(), QStringLiteral("Typ údajov"));
    m_tabs->addTab(buildConditionTab(), QStringLiteral("Podmienka"));
    m_tabs->addTab(buildOutputTab(), QStringLiteral("Výstup"));
    m_tabs->addTab(buildSavingTab(), QStringLiteral("Uloženie"));
    m_tabs->addTab(buildActionsTab(), QStringLiteral("Akcie"));

    auto* close = button("ButtonKoniec", QStringLiteral("&Koniec"), this);
    m_back = button("ButtonSpat", QStringLiteral("< Späť"), this);
    m_next = button("ButtonDalej", QStringLiteral("Ďalej >"), this);
    auto* strip = new QHBoxLayout;
    strip->addWidget(close);
    strip->addStretch(1);
    strip->addWidget(m_back);
    strip->addWidget(m_next);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(strip);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_back, &QPushButton::clicked, this, &FormRychleVybery::back);
    connect(m_next, &QPushButton::clicked, this, &FormRychleVybery::next);
    connect(m_tabs, &QTabWidget::currentChanged, this, &FormRychleVybery::tabChanged);

    setFixedSize(860, 620);
    m_kinds->button(0)->setChecked(true);
    chooseKind(0);
    loadSaved();
    m_tabs->setCurrentIndex(TypUdajov);
    tabChanged(TypUdajov);
}

FormRychleVybery::~FormRychleVybery() {
    // The controls go after this window's own members: a box that loses the
    // focus or a tab bar that loses its pages must not call back into it.
    for (QObject* control : findChildren<QObject*>())
        control->disconnect(this);
}

QWidget* FormRychleVybery::buildKindTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetTypUdajov"));
    auto* kinds = group("RadioGroupTypUdajov", QStringLiteral(" Typ údajov "), page);
    m_kinds = new QButtonGroup(this);
    auto* grid = new QGridLayout(kinds);
    const QList<SelectionKind>& all = SelectionKind::all();
    const int rows = int((all.size() + 3) / 4); // four columns, filled column by column
    for (int i = 0; i < all.size(); ++i) {
        auto* radio = new QRadioButton(all[i].caption, kinds);
        radio->setObjectName(QStringLiteral("RadioButtonTyp%1").arg(i));
        m_kinds->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
    }
    connect(m_kinds, &QButtonGroup::idClicked, this, &FormRychleVybery::chooseKind);

    auto* items = group("GroupBoxPolozky", QStringLiteral(" Položky "), page);
    m_columnList = columnList("ListViewStlpce", QStringLiteral("Stĺpec"), items);
    m_chosenList = columnList("ListViewVybrane", QStringLiteral("Vybratý stĺpec"), items);
    auto* add = button("ButtonPridat", QStringLiteral("&Pridať >>"), items);
    auto* remove = button("ButtonOdobrat", QStringLiteral("<< &Odobrať"), items);
    m_up = new QToolButton(items);
    m_up->setObjectName(QStringLiteral("SpeedButtonHore"));
    m_up->setArrowType(Qt::UpArrow);
    m_up->setToolTip(QStringLiteral("Posunúť stĺpec hore"));
    m_down = new QToolButton(items);
    m_down->setObjectName(QStringLiteral("SpeedButtonDole"));
    m_down->setArrowType(Qt::DownArrow);
    m_down->setToolTip(QStringLiteral("Posunúť stĺpec dole"));

    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(add);
    middle->addWidget(remove);
    middle->addStretch(1);
    auto* arrows = new QVBoxLayout;
    arrows->addStretch(1);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    arrows->addStretch(1);
    auto* row = new QHBoxLayout(items);
    row->addWidget(m_columnList, 1);
    row->addLayout(middle);
    row->addWidget(m_chosenList, 1);
    row->addLayout(arrows);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(kinds);
    layout->addWidget(items, 1);

    connect(add, &QPushButton::clicked, this, &FormRychleVybery::addColumn);
    connect(m_columnList, &QTreeWidget::itemDoubleClicked, this, &FormRychleVybery::addColumn);
    connect(remove, &QPushButton::clicked, this, &FormRychleVybery::removeColumn);
    connect(m_chosenList, &QTreeWidget::itemDoubleClicked, this, &FormRychleVybery::removeColumn);
    connect(m_up, &QToolButton::clicked, this, [this] { moveColumn(-1); });
    connect(m_down, &QToolButton::clicked, this, [this] { moveColumn(1); });
    connect(m_chosenList, &QTreeWidget::currentItemChanged, this, &FormRychleVybery::updateArrows);
    return page;
}

QWidget* FormRychleVybery::buildConditionTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetPodmienka"));
    auto* making = group("GroupBoxVytvorenie", QStringLiteral(" Vytvorenie podmienky "), page);
    m_conditionColumns = columnList("ListViewStlpcePodmienky", QStringLiteral("Stĺpec"), making);
    m_operators = new QTreeWidget(making);
    m_operators->setObjectName(QStringLiteral("ListViewOperatory"));
    m_operators->setRootIsDecorated(false);
    m_operators->setHeaderLabels({QStringLiteral("Operátor"), QStringLiteral("Operácia")});
    m_operators->setColumnWidth(0, 70);
    for (const OperatorEntry& op : OperatorEntry::all())
        m_operators->addTopLevelItem(new QTreeWidgetItem({op.symbol, op.caption}));

    m_value = new QLineEdit(making);
    m_value->setObjectName(QStringLiteral("EditHodnota"));
    m_value->setToolTip(QStringLiteral("Pre operátor BETWEEN dve hodnoty oddelené bodkočiarkou, "
                                       "napr. 10;20 alebo 1.1.2020;31.12.2020"));
    auto* connectors = group("RadioGroupSpojenie", QStringLiteral(" Spojenie "), making);
    m_connectors = new QButtonGroup(this);
    auto* connectorRow = new QHBoxLayout(connectors);
    const struct {
        const char* name;
        const char* text;
    } connectorEntries[] = {{"RadioButtonBezSpojenia", "bez logického spojenia"},
                            {"RadioButtonAnd", "AND"},
                            {"RadioButtonOr", "OR"}};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(connectorEntries[i].text), connectors);
        radio->setObjectName(QLatin1String(connectorEntries[i].name));
        m_connectors->addButton(radio, i);
        connectorRow->addWidget(radio);
    }
    connectorRow->addStretch(1);
    m_connectors->button(0)->setChecked(true);
    auto* add = button("ButtonPridatPodmienku", QStringLiteral(" Pridať"), making);

    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(new QLabel(QStringLiteral("Hodnota:"), making));
    valueRow->addWidget(m_value, 1);
    valueRow->addWidget(add);
    auto* lists = new QHBoxLayout;
    lists->addWidget(m_conditionColumns, 3);
    lists->addWidget(m_operators, 2);
    auto* makingLayout = new QVBoxLayout(making);
    makingLayout->addLayout(lists, 1);
    makingLayout->addLayout(valueRow);
    makingLayout->addWidget(connectors);

    auto* shown = group("GroupBoxPodmienka", QStringLiteral(" Podmienka "), page);
    m_condition = new QPlainTextEdit(shown);
    m_condition->setObjectName(QStringLiteral("MemoPodmienka"));
    m_condition->setMaximumHeight(110);
    auto* shownLayout = new QVBoxLayout(shown);
    shownLayout->addWidget(m_condition);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(making, 1);
    layout->addWidget(shown);
    connect(add, &QPushButton::clicked, this, &FormRychleVybery::addCondition);
    return page;
}

QWidget* FormRychleVybery::buildOutputTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetVystup"));
    auto* result = group("GroupBoxVystup", QStringLiteral(" Výstup "), page);
    m_output = new RowsModel(this);
    m_grid = new QTableView(result);
    m_grid->setObjectName(QStringLiteral("DBGridVystup"));
    m_grid->setModel(m_output);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    GridSetup::prepare(m_grid, SavedSelections::title());
    m_count = new QLabel(result);
    m_count->setObjectName(QStringLiteral("LabelZaznamov"));
    m_allRowsButton =
        button("ButtonVsetkyZaznamy", herd::SelectionReport::allRowsCaption(), result);
    m_allRowsButton->setEnabled(false);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(m_count, 1);
    countRow->addWidget(m_allRowsButton);
    auto* resultLayout = new QVBoxLayout(result);
    resultLayout->addWidget(m_grid, 1);
    resultLayout->addLayout(countRow);

    auto* props = group("GroupBoxVlastnosti", QStringLiteral(" Vlastnosti stĺpcov "), page);
    m_columnTitle = new QLineEdit(props);
    m_columnTitle->setObjectName(QStringLiteral("EditNazovStlpca"));
    m_sortColumn = new QComboBox(props);
    m_sortColumn->setObjectName(QStringLiteral("ComboBoxTriedenie"));
    m_direction = new QComboBox(props);
    m_direction->setObjectName(QStringLiteral("ComboBoxSmer"));
    m_direction->addItems({QStringLiteral("vzostupne"), QStringLiteral("zostupne")});
    m_direction->setCurrentIndex(-1);
    auto* propsLayout = new QHBoxLayout(props);
    propsLayout->addWidget(new QLabel(QStringLiteral("Zobrazovaný názov stĺpca:"), props));
    propsLayout->addWidget(m_columnTitle, 2);
    propsLayout->addSpacing(12);
    propsLayout->addWidget(new QLabel(QStringLiteral("Triedenie podľa:"), props));
    propsLayout->addWidget(m_sortColumn, 2);
    propsLayout->addWidget(new QLabel(QStringLiteral("Smer:"), props));
    propsLayout->addWidget(m_direction, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(result, 1);
    layout->addWidget(props);

    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &FormRychleVybery::chooseColumn);
    connect(m_columnTitle, &QLineEdit::editingFinished, this, &FormRychleVybery::renameColumn);
    connect(m_sortColumn, &QComboBox::activated, this, &FormRychleVybery::sort);
    connect(m_direction, &QComboBox::activated, this, &FormRychleVybery::sort);
    connect(m_allRowsButton, &QPushButton::clicked, this, &FormRychleVybery::showAllRows);
    return page;
}

QWidget* FormRychleVybery::buildSavingTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetUlozenie"));
    auto* params =
        group("GroupBoxParametre", QStringLiteral(" Parametre pre uloženie výberu "), page);
    m_name = new QLineEdit(params);
    m_name->setObjectName(QStringLiteral("EditNazov"));
    m_name->setMaxLength(SavedSelections::nameWidth);
    m_description = new QLineEdit(params);
    m_description->setObjectName(QStringLiteral("EditPopis"));
    m_description->setMaxLength(SavedSelections::descriptionWidth);
    auto* saveButton = button("ButtonUlozit", QStringLiteral("&Uložiť"), params);
    auto* renameButton = button("ButtonPremenovat", QStringLiteral("P&remenovať"), params);
    renameButton->setToolTip(
        QStringLiteral("Dá výberu označenému v zozname uvedený názov a popis"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Názov:"), m_name);
    form->addRow(QStringLiteral("Popis:"), m_description);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(saveButton);
    buttons->addWidget(renameButton);
    buttons->addStretch(1);
    auto* paramsLayout = new QHBoxLayout(params);
    paramsLayout->addLayout(form, 1);
    paramsLayout->addLayout(buttons);

    auto* users = group("GroupBoxVybery", QStringLiteral(" Používateľské výbery "), page);
    m_savedGrid = new QueryGrid(QStringLiteral("DBGridVybery"), users);
    m_savedGrid->setTitles({{QStringLiteral("zostava_id"), QStringLiteral("Číslo")},
                            {QStringLiteral("nazov"), QStringLiteral("Názov")},
                            {QStringLiteral("popis"), QStringLiteral("Popis")},
                            {QStringLiteral("sqlvyraz"), QStringLiteral("Príkaz")},
                            {QStringLiteral("modifikovana"), QStringLiteral("Uložený")}});
    m_savedGrid->setExportTitle(QStringLiteral("Používateľské výbery"));
    auto* usersLayout = new QVBoxLayout(users);
    usersLayout->addWidget(m_savedGrid);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(params);
    layout->addWidget(users, 1);

    connect(saveButton, &QPushButton::clicked, this, &FormRychleVybery::save);
    connect(renameButton, &QPushButton::clicked, this, &FormRychleVybery::renameSaved);
    connect(m_savedGrid, &QTableView::clicked, this, [this](const QModelIndex& index) {
        const QSqlRecord row = m_savedGrid->queryModel()->record(index.row());
        m_name->setText(row.value(QStringLiteral("nazov")).toString());
        m_description->setText(row.value(QStringLiteral("popis")).toString());
    });
    return page;
}

QWidget* FormRychleVybery::buildActionsTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetAkcie"));
    const auto action = [&](const char* groupName, const QString& title, const char* comboName,
                            const char* buttonName, QComboBox*& combo) {
        auto* box = group(groupName, title, page);
        combo = new QComboBox(box);
        combo->setObjectName(QLatin1String(comboName));
        combo->setMinimumWidth(360);
        auto* run = button(buttonName, QStringLiteral("Vykonaj"), box);
        auto* row = new QHBoxLayout(box);
        row->addWidget(combo, 1);
        row->addWidget(run);
        return std::pair{box, run};
    };
    const auto [runBox, runButton] =
        action("GroupBoxSpracovanie", QStringLiteral("Spracovanie zostavy"), "ComboBoxSpracovanie",
               "ButtonVykonajSpracovanie", m_runChoice);
    const auto [deleteBox, deleteButton] =
        action("GroupBoxVymazanie", SavedSelections::deleteTitle(), "ComboBoxVymazanie",
               "ButtonVykonajVymazanie", m_deleteChoice);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(runBox);
    layout->addWidget(deleteBox);
    layout->addStretch(1);
    connect(runButton, &QPushButton::clicked, this, &FormRychleVybery::runSaved);
    connect(deleteButton, &QPushButton::clicked, this, &FormRychleVybery::deleteSaved);
    return page;
}

void FormRychleVybery::tabChanged(int tab) {
    const int last = m_tabs->count() - 1;
    m_back->setEnabled(tab != 0 && tab != last);
    m_next->setEnabled(tab != last);
    if (tab == Podmienka && m_operators->topLevelItemCount() > 0)
        m_operators->setCurrentItem(m_operators->topLevelItem(0));
    if (tab == Vystup)
        showOutput();
}

void FormRychleVybery::next() {
    if (m_tabs->currentIndex() == TypUdajov && m_selection.columns.isEmpty()) {
        error(QStringLiteral("Neboli vybraté stĺpce pre zostavu."));
        return;
    }
    m_tabs->setCurrentIndex(std::min(m_tabs->currentIndex() + 1, m_tabs->count() - 1));
}

void FormRychleVybery::back() {
    m_tabs->setCurrentIndex(std::max(m_tabs->currentIndex() - 1, 0));
}

void FormRychleVybery::chooseKind(int kind) {
    m_kinds->button(kind)->setChecked(true);
    m_selection = {};
    m_selection.table = SelectionKind::all().at(kind).table;
    m_remembered = 0;
    m_allRows = false;
    loadColumns();
}

void FormRychleVybery::loadColumns() {
    m_columnList->clear();
    m_chosenList->clear();
    m_conditionColumns->clear();
    m_condition->clear();
    m_shownCondition.clear();
    m_output->clear();
    m_count->clear();
    m_sortColumn->clear();
    m_direction->setCurrentIndex(-1);
    m_columnTitle->clear();
    try {
        m_columns = TableColumn::of(m_selection.table);
    } catch (const SqlError& e) {
        m_columns.clear();
        error(e.text());
    }
    for (const TableColumn& c : std::as_const(m_columns)) {
        m_columnList->addTopLevelItem(columnItem(c));
        m_conditionColumns->addTopLevelItem(columnItem(c));
    }
    if (!m_columns.isEmpty()) {
        m_columnList->setCurrentItem(m_columnList->topLevelItem(0));
        m_conditionColumns->setCurrentItem(m_conditionColumns->topLevelItem(0));
    }
    updateArrows();
}

void FormRychleVybery::addColumn() {
    QTreeWidgetItem* item = m_columnList->currentItem();
    if (!item)
        return;
    const TableColumn* column = herd::findColumn(m_columns, item->text(0));
    if (!column)
        return;
    if (m_selection.columnIndex(column->name) >= 0) {
        Dialogs::information(SavedSelections::title(), QStringLiteral("Stĺpec ") + column->name +
                                                           QStringLiteral(" je už vybratý."));
        return;
    }
    m_selection.columns.append({column->name, {}});
    m_chosenList->addTopLevelItem(columnItem(*column));
    m_chosenList->setCurrentItem(m_chosenList->topLevelItem(m_chosenList->topLevelItemCount() - 1));
    updateArrows();
}

void FormRychleVybery::removeColumn() {
    QTreeWidgetItem* item = m_chosenList->currentItem();
    if (!item)
        return;
    const int row = m_chosenList->indexOfTopLevelItem(item);
    m_selection.columns.removeAt(row);
    delete m_chosenList->takeTopLevelItem(row);
    // A sort on a column no longer chosen goes with it.
    m_selection.order.removeIf(
        [this](const SelectionSort& s) { return m_selection.columnIndex(s.column) < 0; });
    updateArrows();
}

void FormRychleVybery::moveColumn(int step) {
    QTreeWidgetItem* item = m_chosenList->currentItem();
    if (!item)
        return;
    const int row = m_chosenList->indexOfTopLevelItem(item);
    const int target = row + step;
    if (target < 0 || target >= m_chosenList->topLevelItemCount())
        return;
    m_selection.columns.move(row, target);
    m_chosenList->insertTopLevelItem(target, m_chosenList->takeTopLevelItem(row));
    m_chosenList->setCurrentItem(item);
    updateArrows();
}

void FormRychleVybery::updateArrows() {
    QTreeWidgetItem* item = m_chosenList->currentItem();
    const int row = item ? m_chosenList->indexOfTopLevelItem(item) : -1;
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row < m_chosenList->topLevelItemCount() - 1);
}

const TableColumn* FormRychleVybery::chosenConditionColumn() const {
    QTreeWidgetItem* item = m_conditionColumns->currentItem();
    return item ? herd::findColumn(m_columns, item->text(0)) : nullptr;
}

void FormRychleVybery::takeConditionText() {
    const QString text = m_condition->toPlainText();
    if (text == m_shownCondition)
        return;
    m_selection.conditions.clear();
    if (!text.trimmed().isEmpty())
        m_selection.conditions.append(SelectionCondition::typed(text));
    m_shownCondition = text;
}

void FormRychleVybery::showCondition() {
    m_shownCondition = herd::SelectionStatement::conditionText(m_selection, m_columns);
    m_condition->setPlainText(m_shownCondition);
}

void FormRychleVybery::addCondition() {
    takeConditionText();
    QTreeWidgetItem* opItem = m_operators->currentItem();
    const OperatorEntry* op = opItem ? OperatorEntry::ofSymbol(opItem->text(0)) : nullptr;
    const Connector connector = m_connectors->checkedId() == 1   ? Connector::And
                                : m_connectors->checkedId() == 2 ? Connector::Or
                                                                 : Connector::None;
    QString refusal;
    const SelectionCondition part =
        SelectionCondition::make(chosenConditionColumn(), op, m_value->text(), connector,
                                 m_selection.conditions.isEmpty(), refusal);
    if (!refusal.isEmpty()) {
        error(refusal);
        return;
    }
    m_selection.conditions.append(part);
    showCondition();
}

herd::Selection FormRychleVybery::selection() {
    takeConditionText();
    return m_selection;
}

bool FormRychleVybery::run() {
    takeConditionText();
    try {
        Hourglass wait;
        const herd::ReadOnlyLimits limits =
            m_allRows ? herd::ReadOnlyLimits::allRows() : herd::ReadOnlyLimits::grid();
        herd::SelectionRows rows = herd::SelectionRows::read(
            herd::SelectionStatement::build(m_selection, m_columns), limits);
        m_count->setText(herd::SelectionReport::countText(rows));
        m_allRowsButton->setEnabled(rows.limited);
        m_output->setRows(std::move(rows.data));
        m_grid->resizeColumnsToContents();
        return true;
    } catch (const SqlError& e) {
        error(e.text());
        return false;
    }
}

void FormRychleVybery::showOutput() {
    if (m_selection.columns.isEmpty())
        return;
    run();
    if (m_remembered >= m_selection.columns.size())
        m_remembered = 0;
    highlight(m_remembered);
    const QString sorted = m_selection.order.isEmpty() ? QString() : m_selection.order[0].column;
    m_sortColumn->clear();
    for (const herd::SelectionColumn& c : std::as_const(m_selection.columns))
        m_sortColumn->addItem(c.name);
    m_sortColumn->setCurrentIndex(m_sortColumn->findText(sorted));
}

void FormRychleVybery::showAllRows() {
    m_allRows = true;
    run();
    highlight(m_remembered);
}

void FormRychleVybery::highlight(int column) {
    if (column < 0 || column >= m_selection.columns.size())
        return;
    m_remembered = column;
    m_output->setHighlighted(column);
    m_columnTitle->setText(m_selection.columns[column].title());
}

void FormRychleVybery::chooseColumn(int column) {
    highlight(column);
}

void FormRychleVybery::renameColumn() {
    if (m_remembered < 0 || m_remembered >= m_selection.columns.size())
        return;
    herd::SelectionColumn& column = m_selection.columns[m_remembered];
    const QString title = m_columnTitle->text().trimmed();
    column.caption = title == column.name ? QString() : title;
    m_output->setLabel(m_remembered, column.title());
    m_columnTitle->setText(column.title());
}

void FormRychleVybery::sort() {
    if (m_sortColumn->currentIndex() < 0)
        return;
    const SelectionSort::Direction direction =
        m_direction->currentIndex() == 0   ? SelectionSort::Direction::Ascending
        : m_direction->currentIndex() == 1 ? SelectionSort::Direction::Descending
                                           : SelectionSort::Direction::None;
    m_selection.order = {{m_sortColumn->currentText().trimmed(), direction}};
    run();
    highlight(m_remembered);
}

void FormRychleVybery::loadSaved() {
    try {
        m_saved = SavedSelections::list();
        m_savedGrid->display(SavedSelections::listQuery());
    } catch (const SqlError& e) {
        m_saved.clear();
        m_savedGrid->clearRows();
        error(QStringLiteral("Chyba: ") + e.text());
    }
    for (QComboBox* combo : {m_runChoice, m_deleteChoice}) {
        combo->clear();
        for (const herd::SavedSelection& s : std::as_const(m_saved))
            combo->addItem(s.name, s.id);
        combo->setCurrentIndex(-1);
    }
}

void FormRychleVybery::save() {
    const herd::Notice notice =
        SavedSelections::save(m_name->text(), m_description->text(), selection());
    loadSaved();
    Dialogs::instance().show(notice);
}

void FormRychleVybery::renameSaved() {
    const QModelIndex current = m_savedGrid->currentIndex();
    if (!current.isValid()) {
        error(QStringLiteral("Nebol vybratý uložený výber."));
        return;
    }
    const int id = m_savedGrid->queryModel()
                       ->record(current.row())
                       .value(QStringLiteral("zostava_id"))
                       .toInt();
    const herd::Notice notice = SavedSelections::rename(id, m_name->text(), m_description->text());
    loadSaved();
    Dialogs::instance().show(notice);
}

void FormRychleVybery::runSaved() {
    if (m_runChoice->currentIndex() < 0)
        return;
    FormUniZostava report(m_runChoice->currentData().toInt(), this);
    report.exec();
}

void FormRychleVybery::deleteSaved() {
    if (m_deleteChoice->currentIndex() < 0)
        return;
    if (!Dialogs::instance().ask(SavedSelections::deleteTitle(), SavedSelections::deleteQuestion()))
        return;
    const herd::Notice notice = SavedSelections::remove(m_deleteChoice->currentData().toInt());
    loadSaved();
    Dialogs::instance().show(notice);
}
