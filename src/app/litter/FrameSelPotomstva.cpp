#include "litter/FrameSelPotomstva.h"

#include "batch/BatchChoiceTabs.h"
#include "batch/BatchGridTyping.h"
#include "batch/BatchSteps.h"
#include "batch/BatchTableModel.h"
#include "db/SqlError.h"
#include "litter/OffspringPrintout.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"
#include "widgets/GridSetup.h"
#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using herd::OffspringBatch;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

const QString herdCol = QStringLiteral("Chovatel_chov");
const QString sowCol = QStringLiteral("Prasnica_farma");
const QString dateCol = QStringLiteral("Datum_oprasenia");

// The piglet grid: two columns made by the program, the typed ones, the message.
QStringList gridColumns() {
    return QStringList{sowCol, dateCol} << OffspringBatch::columns() << QStringLiteral("ERR_oznam");
}
QStringList gridTitles() {
    return {u("Prasnica"), u("vrh"),         u("Ušné číslo"),
            u("Ktg"),      u("Cecky / Vyr"), u("chybový oznam")};
}
constexpr int firstTyped = 2;

} // namespace

FrameSelPotomstva::FrameSelPotomstva(const herd::ShellState& state, herd::Progress progress,
                                     QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_progress(std::move(progress)) {
    setObjectName(QStringLiteral("FrameSelPotomstva"));
    auto* group = new QGroupBox(u(" Selekcia potomstva  "), this);
    group->setObjectName(QStringLiteral("GroupBoxSelPotomstva"));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(group);
    auto* layout = new QVBoxLayout(group);

    const BatchChoiceTabs choices = BatchChoiceTabs::build(
        QStringLiteral("PageControlSelPotomstva"),
        {u(" Vytvorenie / oprava dávky vstupných údajov"), u(" Kontrola dávky")}, group);
    m_input = choices.input;
    m_update = choices.update;
    layout->addWidget(choices.tabs);

    // The additional sow-litter, typed before the batch is created.
    auto* extraFrame = new QFrame(group);
    extraFrame->setFrameShape(QFrame::StyledPanel);
    m_extra = extraFrame;
    m_extra->setObjectName(QStringLiteral("PanelDodatocnaPrasnica"));
    auto* extraLayout = new QHBoxLayout(m_extra);
    extraLayout->addWidget(new QLabel(u("prasnica:"), m_extra));
    m_extraSow = new QLineEdit(m_extra);
    m_extraSow->setObjectName(QStringLiteral("MaskEditPras"));
    m_extraSow->setMaxLength(5);
    m_extraSow->setFixedWidth(80);
    extraLayout->addWidget(m_extraSow);
    extraLayout->addWidget(new QLabel(u("dátum vrhu:"), m_extra));
    m_extraDate = new QDateEdit(m_extra);
    m_extraDate->setObjectName(QStringLiteral("DateTimePickerVrh"));
    m_extraDate->setCalendarPopup(true);
    m_extraDate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_extraDate->setLocale(
        QLocale(QLocale::Slovak, QLocale::Slovakia)); // the calendar's month names
    extraLayout->addWidget(m_extraDate);
    auto* confirm = new QPushButton(u("Potvrď"), m_extra);
    confirm->setObjectName(QStringLiteral("BitBtnPotvrd"));
    extraLayout->addWidget(confirm);
    extraLayout->addStretch(1);
    layout->addWidget(m_extra);

    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    m_littersLabel = new QLabel(u("odstavené prasnice"), group);
    m_littersLabel->setObjectName(QStringLiteral("LabelOdstavene"));
    left->addWidget(m_littersLabel);
    m_litters = new QueryGrid(QStringLiteral("DBGridZakl"), group);
    m_litters->setTitles({{QStringLiteral("prasnica"), u("prasnica")},
                          {QStringLiteral("chov"), u("chov")},
                          {QStringLiteral("vrh"), u("vrh")},
                          {QStringLiteral("por"), u("por.")},
                          {QStringLiteral("odstav"), u("odstav")},
                          {QStringLiteral("DO"), u("Do")}});
    m_litters->setExportTitle(u("Odstavené prasnice"));
    left->addWidget(m_litters, 1);
    auto* right = new QVBoxLayout;
    m_pigletsLabel = new QLabel(u("ušné čísla selektovaného potomstva"), group);
    m_pigletsLabel->setObjectName(QStringLiteral("LabelUsneCisla"));
    right->addWidget(m_pigletsLabel);
    m_model =
        new herd::BatchTableModel(m_batch.table(), nullptr, gridColumns(), gridTitles(), this);
    m_model->setReadOnlyColumns({sowCol, dateCol});
    m_model->setEditable(true);
    m_piglets = new QTableView(group);
    m_piglets->setObjectName(QStringLiteral("DBGridUsc"));
    m_piglets->setModel(m_model);
    m_piglets->setSelectionMode(QAbstractItemView::SingleSelection);
    m_piglets->horizontalHeader()->setStretchLastSection(true);
    GridSetup::prepare(m_piglets, u("Selektované potomstvo"));
    right->addWidget(m_piglets, 1);
    m_navigator = new RecordNavigator(group);
    m_navigator->setObjectName(QStringLiteral("DBNavigatorUsc"));
    // Rows are made by the program only.
    m_navigator->button(RecordNavigator::Insert)->setVisible(false);
    m_navigator->button(RecordNavigator::Delete)->setVisible(false);
    right->addWidget(m_navigator);
    lists->addLayout(left, 0);
    lists->addLayout(right, 1);
    layout->addLayout(lists, 1);
    // Keeps the additional-litter panel at the top while the lists are hidden.
    layout->addStretch(0);

    connect(m_input, &QComboBox::activated, this, &FrameSelPotomstva::ComboBoxVstupDatPonukaChange);
    connect(m_update, &QComboBox::activated, this,
            &FrameSelPotomstva::ComboBoxAktualizaciaPonukaChange);
    connect(m_extraSow, &QLineEdit::editingFinished, this, [this] {
        if (m_extra->isVisible())
            MaskEditPrasExit();
    });
    // MaskEditPrasKeyDown: Enter moves to the date.
    connect(m_extraSow, &QLineEdit::returnPressed, m_extraDate, qOverload<>(&QWidget::setFocus));
    connect(confirm, &QPushButton::clicked, this, &FrameSelPotomstva::BitBtnPotvrdClick);
    connect(m_litters->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &FrameSelPotomstva::litterChosen);
    connect(m_piglets->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now, const QModelIndex& before) {
                if (before.isValid() && now.column() != before.column())
                    DBGridUscColExit(before);
                updateNavigator();
            });
    connect(m_navigator, &RecordNavigator::clicked, this,
            [this](RecordNavigator::Button which) { onNavigator(int(which)); });
    connect(m_model, &herd::BatchTableModel::writeFailed, this, [](const QString& text) {
        Dialogs::error(OffspringBatch::editTitle(), QStringLiteral("Chyba: ") + text);
    });
    // DBGridUscKeyDown: Enter moves to the next column, from the last back to the first.
    new BatchGridTyping(m_piglets, m_model, firstTyped, int(OffspringBatch::columns().size()),
                        OffspringBatch::editTitle());
    m_extra->hide();
    hideLists();
}

void FrameSelPotomstva::farmChanged() {
    m_extra->hide();
    hideLists();
}

void FrameSelPotomstva::ComboBoxVstupDatPonukaChange(int item) {
    if (item == 0)
        startEditing();
    else if (item == 1)
        check();
}

void FrameSelPotomstva::ComboBoxAktualizaciaPonukaChange(int item) {
    if (item == 0)
        apply();
    else if (item == 1)
        BatchSteps::printDay(herd::OffspringPrintout::day(), m_state.aktFarma, this);
}

void FrameSelPotomstva::startEditing() {
    const herd::BatchTexts& t = m_batch.texts();
    m_extra->hide();
    try {
        // No: the batch stays for correction.
        if (m_batch.table().count() > 0 &&
            !Dialogs::instance().ask(t.editTitle, t.restartQuestion)) {
            showLists();
            return;
        }
        m_batch.clear();
    } catch (const herd::SqlError& e) {
        FailureBox::show(t.editTitle, e);
        return;
    }
    hideLists();
    if (Dialogs::instance().ask(OffspringBatch::extraQuestionTitle(),
                                OffspringBatch::extraQuestion())) {
        m_extraSow->clear();
        m_extraDate->setDate(QDate::currentDate());
        m_extra->show();
        m_extraSow->setFocus();
        return;
    }
    create(std::nullopt);
}

bool FrameSelPotomstva::MaskEditPrasExit() {
    const std::optional<QString> sow = OffspringBatch::extraSow(m_extraSow->text());
    if (!sow) {
        Dialogs::error(OffspringBatch::editTitle(), OffspringBatch::sowRefused());
        m_extraSow->setFocus();
        return false;
    }
    m_extraSow->setText(*sow);
    return true;
}

void FrameSelPotomstva::BitBtnPotvrdClick() {
    if (!MaskEditPrasExit())
        return;
    m_extra->hide();
    create(herd::ExtraLitter{m_extraSow->text(), m_extraDate->date()});
}

void FrameSelPotomstva::create(const std::optional<herd::ExtraLitter>& extra) {
    try {
        const herd::BatchOutcome outcome =
            m_batch.create(BatchSteps::farmKeys(m_state.aktFarma), extra, m_progress);
        for (const herd::Notice& n : outcome.notices)
            Dialogs::instance().show(n);
    } catch (const herd::SqlError& e) {
        FailureBox::show(OffspringBatch::createTitle(), e, OffspringBatch::createFailed());
    }
    showLists();
}

void FrameSelPotomstva::check() {
    BatchSteps::check(m_batch.texts(), m_state.aktFarma, [this](const herd::FarmKeys& keys) {
        return m_batch.check(keys, m_progress);
    });
    showLists();
}

void FrameSelPotomstva::apply() {
    BatchSteps::apply(
        m_batch.texts(), m_state.aktFarma,
        [this](const herd::FarmKeys& keys) { return m_batch.apply(keys, m_progress); },
        [this] { m_batch.clear(); });
    showLists();
}

void FrameSelPotomstva::showLists() {
    try {
        m_litters->display(OffspringBatch::litters(m_state.aktFarma));
    } catch (const herd::SqlError& e) {
        FailureBox::show(OffspringBatch::editTitle(), e);
        m_litters->clearRows();
    }
    m_litters->resizeColumnsToContents();
    // The litter list is as wide as its columns; the piglets take the rest.
    QHeaderView* rows = m_litters->verticalHeader();
    m_litters->setMinimumWidth(
        m_litters->horizontalHeader()->length() + (rows->isHidden() ? 0 : rows->width()) +
        2 * m_litters->frameWidth() + m_litters->verticalScrollBar()->sizeHint().width());
    for (QWidget* w : std::initializer_list<QWidget*>{m_littersLabel, m_pigletsLabel, m_litters,
                                                      m_piglets, m_navigator})
        w->show();
    if (m_litters->rows() > 0)
        m_litters->setCurrentIndex(m_litters->model()->index(0, 0));
    litterChosen();
}

void FrameSelPotomstva::hideLists() {
    for (QWidget* w : std::initializer_list<QWidget*>{m_littersLabel, m_pigletsLabel, m_litters,
                                                      m_piglets, m_navigator})
        w->hide();
}

void FrameSelPotomstva::litterChosen() {
    const int row = m_litters->currentIndex().row();
    if (row < 0) {
        m_model->setFilter({{herdCol, QString()}, {sowCol, QString()}});
    } else {
        const QSqlRecord litter = m_litters->queryModel()->record(row);
        m_model->setFilter({{herdCol, litter.value(QStringLiteral("chov"))},
                            {sowCol, litter.value(QStringLiteral("prasnica"))},
                            {dateCol, litter.value(QStringLiteral("vrh"))}});
    }
    // The message column only while the litter has faulty rows.
    bool faulty = false;
    for (int i = 0; i < m_model->rowCount(); ++i) {
        const QVariant status = m_model->row(i).value(QStringLiteral("status_zaznamu"));
        faulty = faulty || (!status.isNull() && status.toInt() == 0);
    }
    m_piglets->setColumnHidden(m_model->columnCount() - 1, !faulty);
    m_piglets->resizeColumnsToContents();
    if (m_model->rowCount() > 0)
        m_piglets->setCurrentIndex(m_model->index(0, firstTyped));
    updateNavigator();
}

bool FrameSelPotomstva::DBGridUscColExit(const QModelIndex& cell) {
    if (!cell.isValid() || cell.column() < firstTyped)
        return true;
    const herd::CellCheck c =
        OffspringBatch::cell(m_model->columnName(cell.column()), m_model->data(cell, Qt::EditRole));
    m_model->setData(cell, c.value);
    if (c.refusal) {
        Dialogs::error(OffspringBatch::editTitle(), *c.refusal);
        return false;
    }
    return true;
}

void FrameSelPotomstva::onNavigator(int which) {
    const auto button = RecordNavigator::Button(which);
    const QModelIndex at = m_piglets->currentIndex();
    const int column = std::max(firstTyped, at.column());
    if (button == RecordNavigator::Edit) {
        m_piglets->edit(at);
    } else if (button == RecordNavigator::Post || button == RecordNavigator::Cancel) {
        m_piglets->setFocus(); // the delegate commits or drops the edit as the focus moves
    } else if (button == RecordNavigator::Refresh) {
        litterChosen();
    } else {
        const int row = RecordNavigator::moved(button, at.row(), m_model->rowCount());
        if (row >= 0)
            m_piglets->setCurrentIndex(m_model->index(row, column));
    }
    updateNavigator();
}

void FrameSelPotomstva::updateNavigator() {
    m_navigator->setState(false, m_piglets->currentIndex().row(), m_model->rowCount());
}
