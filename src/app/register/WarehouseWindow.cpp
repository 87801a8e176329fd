#include "register/WarehouseWindow.h"

#include "db/SqlError.h"
#include "register/Warehouse.h"
#include "register/WarehouseExport.h"
#include "register/WarehouseTables.h"
#include "shell/Dialogs.h"
#include "widgets/GridSetup.h"
#include "widgets/RecordNavigator.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using herd::Notice;
using herd::Warehouse;

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}

QDateEdit* datePicker(const char* name, QWidget* parent) {
    auto* edit = new QDateEdit(QDate::currentDate(), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edit->setLocale(QLocale(QLocale::Slovak, QLocale::Slovakia)); // the calendar's month names
    return edit;
}
} // namespace

WarehouseWindow::WarehouseWindow(herd::Config config, herd::Progress progress, QWidget* parent)
    : QDialog(parent)
    , m_config(std::move(config))
    , m_progress(std::move(progress))
    , m_activities(new QComboBox(this))
    , m_period(new QGroupBox(u("Obdobie"), this))
    , m_from(datePicker("DateTimePickerOd", m_period))
    , m_to(datePicker("DateTimePickerDo", m_period))
    , m_confirm(new QPushButton(u("Potvrď"), m_period))
    , m_cancel(new QPushButton(u("Zruš"), m_period))
    , m_types(new QListWidget(this))
    , m_written(new QPlainTextEdit(this))
    , m_grid(new QTableView(this))
    , m_model(new QSqlQueryModel(this))
    , m_navigator(new RecordNavigator(this)) {
    setObjectName(QStringLiteral("FormDatovySklad"));
    setWindowTitle(u("Dátový sklad všetkých fariem"));
    resize(900, 600);

    m_activities->setObjectName(QStringLiteral("ComboBoxPonuka"));
    m_activities->addItems(
        {u("Prezeranie skladu - úplný sklad"), u("Prezeranie skladu - podľa dátumu vytvorenia"),
         u("Zrušenie dát - podľa dátumu vytvorenia"), u("Dáta do centrálnej databázy ")});
    m_period->setObjectName(QStringLiteral("PanelObdobie"));
    m_confirm->setObjectName(QStringLiteral("ButtonPotvrd"));
    m_cancel->setObjectName(QStringLiteral("ButtonZrus"));
    auto* periodRow = new QHBoxLayout(m_period);
    periodRow->addWidget(new QLabel(u("Od :"), m_period));
    periodRow->addWidget(m_from);
    periodRow->addSpacing(12);
    periodRow->addWidget(new QLabel(u("Do :"), m_period));
    periodRow->addWidget(m_to);
    periodRow->addSpacing(12);
    periodRow->addWidget(m_confirm);
    periodRow->addWidget(m_cancel);
    periodRow->addStretch(1);

    m_types->setObjectName(QStringLiteral("ListBoxTypyDat"));
    for (const herd::WarehouseTable& t : herd::WarehouseTables::inListOrder())
        m_types->addItem(t.caption);
    m_types->setFixedWidth(260);
    auto* typesBox = new QGroupBox(u("  Typy dát  "), this);
    typesBox->setObjectName(QStringLiteral("GroupBoxTypyDat"));
    auto* typesLayout = new QVBoxLayout(typesBox);
    typesLayout->addWidget(m_types);
    typesLayout->addWidget(m_written, 0, Qt::AlignTop);
    m_written->setObjectName(QStringLiteral("MemoTypy"));
    m_written->setReadOnly(true);
    m_written->setMaximumHeight(140);

    m_grid->setObjectName(QStringLiteral("DBGridSklad"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    GridSetup::prepare(m_grid, u("Dátový sklad"));
    m_navigator->setObjectName(QStringLiteral("DBNavigatorSklad"));
    for (int b = RecordNavigator::Insert; b < RecordNavigator::Count; ++b)
        m_navigator->button(static_cast<RecordNavigator::Button>(b))->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(u("Ponuka činností"), this));
    top->addWidget(m_activities, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(typesBox);
    auto* gridColumn = new QVBoxLayout;
    gridColumn->addWidget(m_grid, 1);
    gridColumn->addWidget(m_navigator);
    middle->addLayout(gridColumn, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_period);
    layout->addLayout(middle, 1);

    connect(m_activities, &QComboBox::activated, this, &WarehouseWindow::chooseActivity);
    connect(m_confirm, &QPushButton::clicked, this, &WarehouseWindow::confirmPeriod);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        setPeriodShown(false);
        m_types->parentWidget()->hide();
    });
    connect(m_types, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseType(m_types->row(item)); });
    connect(m_navigator, &RecordNavigator::clicked, this, [this](RecordNavigator::Button b) {
        const int rows = m_model->rowCount();
        const int row = m_grid->currentIndex().row();
        int target = row;
        if (b == RecordNavigator::First)
            target = 0;
        else if (b == RecordNavigator::Prior)
            target = row - 1;
        else if (b == RecordNavigator::Next)
            target = row + 1;
        else if (b == RecordNavigator::Last)
            target = rows - 1;
        if (target >= 0 && target < rows)
            m_grid->selectRow(target);
    });
    reset();
}

void WarehouseWindow::reset() {
    m_activities->setCurrentIndex(-1);
    setPeriodShown(false);
    m_types->parentWidget()->hide();
    m_written->hide();
    m_model->clear();
    m_grid->show();
    m_navigator->show();
}

void WarehouseWindow::open() {
    reset();
    exec();
}

bool WarehouseWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        QDialog::move(120, 50);
    return QDialog::event(event);
}

void WarehouseWindow::setPeriodShown(bool shown) {
    m_period->setVisible(shown);
}

void WarehouseWindow::chooseActivity(int activity) {
    m_activities->setCurrentIndex(activity);
    m_types->clearSelection();
    m_types->setCurrentRow(-1);
    m_types->show();
    m_written->hide();
    if (activity == BrowseAll) {
        m_types->parentWidget()->show();
        setPeriodShown(false);
    } else {
        m_types->parentWidget()->hide();
        m_from->setDate(QDate::currentDate());
        m_to->setDate(QDate::currentDate());
        setPeriodShown(true);
    }
    m_grid->setVisible(activity != Export);
    m_navigator->setVisible(activity == BrowseAll || activity == BrowsePeriod);
}

void WarehouseWindow::confirmPeriod() {
    // Both bounds are taken from the pickers as they stand now.
    if (const auto refusal = herd::WarehouseExport::checkPeriod(m_from->date(), m_to->date())) {
        Dialogs::instance().show(*refusal);
        return;
    }
    if (m_activities->currentIndex() == Export)
        exportPeriod();
    else
        m_types->parentWidget()->show();
}

void WarehouseWindow::chooseType(int type) {
    const int activity = m_activities->currentIndex();
    try {
        if (activity == BrowseAll) {
            m_model->setQuery(Warehouse::browse(type));
        } else if (activity == BrowsePeriod) {
            m_model->setQuery(Warehouse::browse(type, m_from->date(), m_to->date()));
            setPeriodShown(false);
        } else if (activity == DeletePeriod) {
            const int count = Warehouse::count(type, m_from->date(), m_to->date());
            if (count == 0) {
                Dialogs::instance().show(Warehouse::nothingToDelete());
                return;
            }
            if (!Dialogs::instance().ask(
                    u("Zrušenie dát "),
                    Warehouse::deleteQuestion(type, m_from->date(), m_to->date(), count)))
                return;
            Warehouse::deletePeriod(type, m_from->date(), m_to->date());
            Dialogs::instance().show(Warehouse::deleted());
            setPeriodShown(false);
        }
    } catch (const herd::SqlError& e) {
        Dialogs::error(u("Dátový sklad"), u("Chyba: ") + e.text());
    }
    if (m_grid->model()->rowCount() > 0)
        m_grid->selectRow(0);
}

void WarehouseWindow::exportPeriod() {
    // The box of written types (in the types' group, without their list)
    // fills while the export runs and stays until another activity is chosen.
    m_written->clear();
    m_types->hide();
    m_types->parentWidget()->show();
    m_written->show();
    m_written->repaint();
    const herd::WarehouseExport::Result result = herd::WarehouseExport::run(
        m_config, m_from->date(), m_to->date(), m_progress, [this](const QString& line) {
            m_written->appendPlainText(line);
            m_written->repaint();
        });
    for (const Notice& notice : result.notices)
        Dialogs::instance().show(notice);
}
