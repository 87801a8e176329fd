#include "views/SowVeterinaryTab.h"

#include "common/DateText.h"
#include "db/SqlError.h"
#include "shell/Dialogs.h"
#include "views/SowSql.h"
#include "views/SowStatus.h"
#include "widgets/GridSetup.h"
#include "widgets/RecordNavigator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace herd;

namespace {

const QString dateMask = QStringLiteral("99.99.99; ");

QString shortDate(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yy"));
}

} // namespace

SowVeterinaryTab::SowVeterinaryTab(QWidget* parent)
    : SowTab(QStringLiteral("GroupBoxPrasniceVeterinarneUkony"), parent)
    , m_editBox(new QGroupBox(QStringLiteral("aktualizácia veterinárnych úkonov :"), m_box))
    , m_reportBox(new QGroupBox(QStringLiteral("nahlásnie úkonu :"), m_box)) {
    QVBoxLayout* layout = addHeader(false);
    m_editBox->setObjectName(QStringLiteral("GroupBoxVUAkt"));
    m_reportBox->setObjectName(QStringLiteral("GroupBoxVUDop"));
    buildEditing(m_editBox);
    buildReport(m_reportBox);
    auto* row = new QHBoxLayout;
    row->addWidget(m_editBox, 1);
    row->addWidget(m_reportBox);
    layout->addLayout(row, 1);
}

void SowVeterinaryTab::buildEditing(QWidget* box) {
    m_grid = new QTableWidget(0, 2, box);
    m_grid->setObjectName(QStringLiteral("DBGridVUAkt"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("úkon"), QStringLiteral("dátum")});
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    GridSetup::prepare(m_grid, QStringLiteral("Veterinárne úkony"));
    m_lookup = new QComboBox(box);
    m_lookup->setObjectName(QStringLiteral("DBLookupComboBoxVUDop"));
    m_editDate = new QLineEdit(box);
    m_editDate->setObjectName(QStringLiteral("DBEditVUDop"));
    m_editDate->setInputMask(dateMask);
    m_editDate->setMaximumWidth(90);
    m_navigator = new RecordNavigator(box);
    m_navigator->setObjectName(QStringLiteral("DBNavigatorVUDop"));
    m_navigator->button(RecordNavigator::Insert)->hide();

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("úkon"), box), 0, 0);
    form->addWidget(m_lookup, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("dátum"), box), 1, 0);
    form->addWidget(m_editDate, 1, 1, Qt::AlignLeft);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_grid, 1);
    layout->addLayout(form);
    layout->addWidget(m_navigator, 0, Qt::AlignLeft);

    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_editing && row >= 0 && row != m_row) {
            m_row = row;
            showRow();
        }
    });
    connect(m_navigator, &RecordNavigator::clicked, this,
            [this](RecordNavigator::Button b) { navigate(b); });
    // Typing into a field starts editing the row, as on the data forms.
    connect(m_editDate, &QLineEdit::textEdited, this, [this] {
        if (m_row >= 0)
            setEditing(true);
    });
    connect(m_lookup, &QComboBox::activated, this, [this] {
        if (m_row >= 0)
            setEditing(true);
    });
}

void SowVeterinaryTab::buildReport(QWidget* box) {
    m_choice = new QComboBox(box);
    m_choice->setObjectName(QStringLiteral("ComboBoxVUDop"));
    m_choice->setMinimumContentsLength(16);
    m_choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_date = new QLineEdit(box);
    m_date->setObjectName(QStringLiteral("MaskEditVUDop"));
    m_date->setInputMask(dateMask);
    m_date->setMaximumWidth(90);
    m_confirm = new QPushButton(QStringLiteral("Potvrď"), box);
    m_confirm->setObjectName(QStringLiteral("BitBtnVUDop"));
    m_confirm->setIcon(QIcon::fromTheme(QStringLiteral("dialog-ok")));
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("úkon"), box), 0, 0);
    grid->addWidget(m_choice, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("dátum"), box), 1, 0);
    grid->addWidget(m_date, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_confirm, 2, 1, Qt::AlignLeft);
    grid->setRowStretch(3, 1);

    connect(m_choice, &QComboBox::activated, this, &SowVeterinaryTab::chooseAction);
    connect(m_date, &QLineEdit::textEdited, this, [this] {
        if (m_chosen > 0)
            m_confirm->setEnabled(true);
    });
    connect(m_date, &QLineEdit::returnPressed, m_confirm, [this] { m_confirm->setFocus(); });
    connect(m_confirm, &QPushButton::clicked, this, &SowVeterinaryTab::confirm);
}

void SowVeterinaryTab::load(const SowKey& key) {
    m_key = key;
    QSqlQuery header = SowStatus::header(key);
    const bool found = fillHeader(header);
    m_breeder = found ? std::optional(SowVeterinary::breederOf(header.record())) : std::nullopt;
    m_editBox->setEnabled(found);
    m_reportBox->setEnabled(found);
    m_chosen = 0;
    m_confirm->setEnabled(false);
    m_date->clear();
    m_date->setEnabled(false);
    m_choice->clear();
    if (!found) {
        m_actions.clear();
        m_grid->setRowCount(0);
        Dialogs::instance().show(SowSql::notFound(QStringLiteral("Veterinárne úkony")));
        return;
    }
    const QList<std::pair<int, QString>> ukony = SowVeterinary::ukony();
    m_lookup->clear();
    for (const auto& [id, name] : ukony)
        m_lookup->addItem(name, id);
    const QStringList choices = SowVeterinary::choices(ukony);
    if (choices.isEmpty())
        Dialogs::instance().show(SowVeterinary::noCodes());
    m_choice->addItems(choices);
    m_choice->setCurrentIndex(-1);
    showActions(0);
}

void SowVeterinaryTab::showActions(int row) {
    m_actions = SowVeterinary::actions(m_key);
    m_grid->setRowCount(int(m_actions.size()));
    for (int r = 0; r < m_actions.size(); ++r) {
        const SowVeterinary::Action& a = m_actions.at(r);
        const int index = m_lookup->findData(a.ukonId);
        m_grid->setItem(r, 0,
                        new QTableWidgetItem(index >= 0 ? m_lookup->itemText(index)
                                                        : QString::number(a.ukonId)));
        m_grid->setItem(r, 1, new QTableWidgetItem(DateText::dotted(a.date)));
    }
    m_row = m_actions.isEmpty() ? -1 : std::clamp(row, 0, int(m_actions.size()) - 1);
    setEditing(false);
    showRow();
}

void SowVeterinaryTab::showRow() {
    if (m_row < 0) {
        m_lookup->setCurrentIndex(-1);
        m_editDate->clear();
    } else {
        const SowVeterinary::Action& a = m_actions.at(m_row);
        m_lookup->setCurrentIndex(m_lookup->findData(a.ukonId));
        m_editDate->setText(shortDate(a.date));
        m_grid->setCurrentCell(m_row, 0);
    }
    m_navigator->setState(m_editing, m_row, int(m_actions.size()));
}

void SowVeterinaryTab::setEditing(bool editing) {
    m_editing = editing;
    m_navigator->setState(editing, m_row, int(m_actions.size()));
}

void SowVeterinaryTab::navigate(int button) {
    const auto which = static_cast<RecordNavigator::Button>(button);
    switch (which) {
    case RecordNavigator::First:
    case RecordNavigator::Prior:
    case RecordNavigator::Next:
    case RecordNavigator::Last:
        m_row = RecordNavigator::moved(which, m_row, int(m_actions.size()));
        break;
    case RecordNavigator::Edit:
        setEditing(m_row >= 0);
        return;
    case RecordNavigator::Post:
        post();
        return;
    case RecordNavigator::Cancel:
        setEditing(false);
        break;
    case RecordNavigator::Refresh:
        showActions(m_row);
        return;
    case RecordNavigator::Delete:
        if (m_row >= 0 && Dialogs::instance().ask(QStringLiteral("Veterinárne úkony"),
                                                  QStringLiteral("Zrušiť záznam ?"))) {
            SowVeterinary::remove(m_key, m_actions.at(m_row).id);
            showActions(m_row);
        }
        return;
    default:
        return;
    }
    showRow();
}

void SowVeterinaryTab::post() {
    if (m_row < 0 || !m_editing)
        return;
    const auto date = SowVeterinary::readDate(m_editDate->text());
    if (!date) {
        Dialogs::instance().show(SowVeterinary::badDate());
        return;
    }
    SowVeterinary::update(m_key, m_actions.at(m_row).id, m_lookup->currentData().toInt(), *date);
    showActions(m_row);
}

void SowVeterinaryTab::chooseAction(int index) {
    if (index < 0)
        return;
    m_chosen = SowVeterinary::ukonOf(m_choice->itemText(index));
    m_date->setEnabled(true);
    m_confirm->setEnabled(false);
    // Each action starts with an empty date, the cursor at its start: the
    // masked field would otherwise keep the previous action's date and
    // swallow what is typed after it.
    m_date->clear();
    m_date->setFocus();
    m_date->setCursorPosition(0);
}

void SowVeterinaryTab::confirm() {
    if (!m_breeder || m_chosen <= 0)
        return;
    const auto date = SowVeterinary::readDate(m_date->text());
    if (!date) {
        Dialogs::instance().show(SowVeterinary::badDate());
        return;
    }
    SowVeterinary::report(m_key, *m_breeder, m_chosen, *date);
    // One report per choice: a second click would record the action twice.
    m_chosen = 0;
    m_confirm->setEnabled(false);
    showActions(int(m_actions.size()));
}
