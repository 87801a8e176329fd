#include "measurement/FrameMerVU.h"

#include "common/DateText.h"
#include "db/Config.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "measurement/MeasurementBatch.h"
#include "measurement/MeasurementDocument.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPreviewDialog.h"
#include "shell/Dialogs.h"
#include "widgets/QueryGrid.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace herd;

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}

const char* const optionTexts[4] = {"prevod nameraných dát", "kontrola nameraných dát - dávka",
                                    "kontrola nameraných dát - databáza",
                                    "konverzia dát do dokladu"};
const QList<QList<const char*>> subOptionTexts = {
    {"zrušenie predošlého merania  !!!", "prevod dávky"},
    {"kontrola duplicít údajov /dávka", "rušenie duplicít údajov"},
    {"kontrola duplicít údajov /dávka - databáza", "rušenie duplicít údajov "},
    {"spárovanie dávky s databázou", "zoznam spárovaných údajov", "zoznam nespárovaných údajov",
     "zobrazenie /oprava dávky", "pripojenie dávky k meraniu", "zoznam údajov merania"}};

const QList<std::pair<QString, QString>> gridTitles = {
    {"podnik", "Pod"},       {"okres", "Okr"},
    {"zavod", "Zav"},        {"chov", "Chov"},
    {"mersk", "MSk"},        {"dmer", u("Merané")},
    {"porc", u("PorČ")},     {"matka", "Matka"},
    {"dnar", u("Narodené")}, {"uscisl", u("Uš. Číslo")},
    {"pohl", "Kat"},         {"hmotn", "Hmot"},
    {"sl1", "Sl1"},          {"sl2", "Sl2"},
    {"sl3", "Sl3"},          {"pig1", "pig1"},
    {"pig2", "pig2"},        {"pigsv", "pigsv"},
    {"hmc", u("HMČ")},       {"strvyr", "Str"},
    {"dpre", "Predaj"},      {"sthybr", "StHybr"},
    {"linot", "LinOt"},      {"regot", "RegOt"}};
} // namespace

FrameMerVU::FrameMerVU(std::function<void(const QString&)> message, QWidget* parent)
    : NodePanel(parent)
    , m_message(std::move(message)) {
    if (!m_message)
        m_message = [](const QString&) {};
    setObjectName(QStringLiteral("FrameMerVU"));
    auto* layout = new QVBoxLayout(this);
    m_group = new QGroupBox(u("Spracovanie merania "), this);
    m_group->setObjectName(QStringLiteral("GroupBoxMerVU"));
    layout->addWidget(m_group);
    auto* groupLayout = new QVBoxLayout(m_group);
    m_tabs = new QTabWidget(m_group);
    m_tabs->setObjectName(QStringLiteral("PageControlMerVU"));
    groupLayout->addWidget(m_tabs);

    // Tab "Meranie": the option list, its sub-option lists and the working area.
    auto* meranie = new QWidget;
    meranie->setObjectName(QStringLiteral("TabSheetMeranie"));
    auto* top = new QWidget(meranie);
    top->setFixedHeight(180);
    m_options = new QListWidget(top);
    m_options->setObjectName(QStringLiteral("ListBoxSpracovanie"));
    m_options->setGeometry(30, 30, 300, 120);
    auto* optionsLabel = new QLabel(u("Spracovanie testov VÚ"), top);
    optionsLabel->setGeometry(30, 8, 300, 20);
    m_marker = new QLabel(QStringLiteral(">>"), top);
    m_marker->setObjectName(QStringLiteral("LabelMarker"));
    m_marker->hide();
    m_subCaption = new QLabel(top);
    m_subCaption->setGeometry(376, 8, 340, 20);
    m_subCaption->hide();
    for (int i = 0; i < 4; ++i) {
        m_subOptions[i] = new QListWidget(top);
        m_subOptions[i]->setObjectName(QStringLiteral("ListBoxVolba%1").arg(i + 1));
        m_subOptions[i]->setGeometry(376, 30, 340, 120);
        m_subOptions[i]->hide();
        connect(m_subOptions[i], &QListWidget::itemClicked, this,
                [this, i](QListWidgetItem* item) { run(i, m_subOptions[i]->row(item)); });
    }
    connect(m_options, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseOption(m_options->row(item)); });

    m_workArea = new QWidget(meranie);
    m_workArea->setObjectName(QStringLiteral("PanelPracovna"));
    auto* work = new QVBoxLayout(m_workArea);
    work->setContentsMargins(0, 0, 0, 0);
    m_workTitle = new QLabel(m_workArea);
    m_workTitle->setObjectName(QStringLiteral("LabelNazov"));
    work->addWidget(m_workTitle);
    m_grid = new QueryGrid(QStringLiteral("DBGridMeranie"), m_workArea);
    m_grid->setTitles(gridTitles);
    work->addWidget(m_grid, 1);
    m_correction = new QTableWidget(m_workArea);
    m_correction->setObjectName(QStringLiteral("DBGridOprava"));
    work->addWidget(m_correction, 1);
    connect(m_correction, &QTableWidget::itemChanged, this, &FrameMerVU::corrected);
    m_correction->installEventFilter(this);
    auto* buttons = new QHBoxLayout;
    m_delete = new QPushButton(u("Zrušiť záznam"), m_workArea);
    m_delete->setObjectName(QStringLiteral("ButtonZrusit"));
    m_report = new QPushButton(QStringLiteral("Zostava"), m_workArea);
    m_report->setObjectName(QStringLiteral("ButtonZostava"));
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(m_report);
    work->addLayout(buttons);
    connect(m_report, &QPushButton::clicked, this, &FrameMerVU::printList);
    connect(m_delete, &QPushButton::clicked, this, &FrameMerVU::deleteRow);

    auto* meranieLayout = new QVBoxLayout(meranie);
    meranieLayout->addWidget(top);
    meranieLayout->addWidget(m_workArea, 1);
    meranieLayout->addStretch(0); // keeps the lists at the top while the work area is hidden
    m_tabs->addTab(meranie, QStringLiteral("Meranie"));

    // Tab "Dáta": summary and export.
    auto* data = new QWidget;
    data->setObjectName(QStringLiteral("TabSheetData"));
    auto* dataLayout = new QVBoxLayout(data);
    dataLayout->addWidget(new QLabel(u("Export dát testov VÚ"), data));
    m_exportList = new QListWidget(data);
    m_exportList->setObjectName(QStringLiteral("ListBoxExport"));
    m_exportList->addItems({u("Rekapitulácia merania"), u("Dáta do centrálnej databázy")});
    m_exportList->setFixedHeight(60);
    dataLayout->addWidget(m_exportList);
    m_exportLabel = new QLabel(u("Merané chovy"), data);
    dataLayout->addWidget(m_exportLabel);
    m_exportText = new QPlainTextEdit(data);
    m_exportText->setObjectName(QStringLiteral("MemoExport"));
    m_exportText->setReadOnly(true);
    m_exportText->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    dataLayout->addWidget(m_exportText, 1);
    dataLayout->addStretch(0); // keeps the list at the top while the summary is hidden
    connect(m_exportList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { runExport(m_exportList->row(item)); });
    m_tabs->addTab(data, u("Dáta"));
    showMeasurement();
}

void FrameMerVU::nodeChosen(const QString& text) {
    if (text == QStringLiteral("Spracovanie merania"))
        showMeasurement();
    else if (text == QStringLiteral("Export dát"))
        showExport();
}

void FrameMerVU::showMeasurement() {
    m_group->setTitle(u("Spracovanie merania "));
    m_tabs->setTabVisible(1, false);
    m_tabs->setTabVisible(0, true);
    m_tabs->setCurrentIndex(0);
    m_options->clear();
    for (const char* text : optionTexts)
        m_options->addItem(u(text));
    for (QListWidget* list : m_subOptions) {
        list->clear();
        list->hide();
    }
    m_marker->hide();
    m_subCaption->hide();
    m_option = -1;
    hideWorkArea();
}

void FrameMerVU::showExport() {
    m_group->setTitle(u("Export dát "));
    m_tabs->setTabVisible(0, false);
    m_tabs->setTabVisible(1, true);
    m_tabs->setCurrentIndex(1);
    m_exportText->clear();
    m_exportText->hide();
    m_exportLabel->hide();
}

void FrameMerVU::chooseOption(int option) {
    for (int i = 0; i < 4; ++i) {
        m_subOptions[i]->clear();
        m_subOptions[i]->setVisible(i == option);
    }
    QListWidget* list = m_subOptions[option];
    for (const char* text : subOptionTexts.at(option))
        list->addItem(u(text));
    // The marker stands beside the chosen option.
    const QRect chosen = m_options->visualItemRect(m_options->item(option));
    m_marker->setGeometry(8, m_options->y() + chosen.y() + 2, 20, chosen.height());
    m_options->setCurrentRow(option);
    m_subCaption->setText(u(optionTexts[option]) + QLatin1Char(':'));
    m_subCaption->show();
    m_marker->show();
    m_option = option;
    m_exportText->hide();
    m_exportLabel->hide();
    m_exportList->clearSelection();
    hideWorkArea();
}

void FrameMerVU::hideWorkArea() {
    m_workArea->hide();
    m_correction->hide();
    m_grid->show();
    m_grid->clearRows();
    m_listSql.clear();
}

void FrameMerVU::showList(const QString& title, const QString& sql, bool report, bool deletable) {
    m_workTitle->setText(title);
    m_listSql = sql;
    m_listTitle = title.trimmed();
    m_grid->display(Sql::execScrollable(sql));
    // The batch key tells rows apart for deleting; the user need not see it.
    const QSqlRecord columns = m_grid->queryModel()->record();
    for (int c = 0; c < columns.count(); ++c)
        m_grid->setColumnHidden(
            c, columns.fieldName(c).compare(QLatin1String("os53a_id"), Qt::CaseInsensitive) == 0);
    m_report->setVisible(report);
    m_delete->setVisible(deletable);
    m_workArea->show();
}

void FrameMerVU::run(int option, int item) {
    if (m_option != option)
        chooseOption(option);
    hideWorkArea();
    m_message(QStringLiteral(" "));
    Dialogs& dialogs = Dialogs::instance();
    const QString dupTitle = u(" Zoznam duplicitných údajov merania");
    const QString procTitle = u(" Zoznam už meraných/ spracovaných jedincov ");
    const QString wholeBatch = QStringLiteral("SELECT * FROM os53a ORDER BY OS53A_ID");
    try {
        if (option == 0 && item == 0) {
            if (!dialogs.ask(u("Zrušenie posledného merania"),
                             u("Zrušiť posledné vytvorené meranie ? ")))
                return;
            dialogs.show(MeasurementBatch::cancel());
        } else if (option == 0 && item == 1) {
            dialogs.show(MeasurementBatch::importFile(MeasurementBatch::defaultPath()));
        } else if (option == 1 || option == 2) {
            const bool deleting = item == 1;
            const QString title =
                deleting ? u("Rušenie duplicít údajov") : u("Kontrola duplicít údajov");
            const auto state = MeasurementBatch::state(option == 2);
            const Notice notice = option == 1 ? MeasurementBatch::checkBatch(title)
                                              : MeasurementBatch::checkDatabase(title);
            const bool listed = state == MeasurementBatch::State::Duplicates ||
                                state == MeasurementBatch::State::Processed;
            if (!(deleting && listed &&
                  (option == 1 || state == MeasurementBatch::State::Processed)))
                dialogs.show(notice);
            if (state == MeasurementBatch::State::Duplicates) {
                if (deleting && option == 1)
                    showList(u(" Dávka nameraných údajov VÚ /rušenie duplicitných údajov "),
                             wholeBatch, false, true);
                else
                    showList(dupTitle, MeasurementBatch::duplicatesSql(), option == 1);
            } else if (state == MeasurementBatch::State::Processed) {
                if (deleting)
                    showList(u(" Dávka nameraných údajov VÚ /rušenie spracovaných údajov "),
                             wholeBatch, false, true);
                else
                    showList(procTitle, MeasurementBatch::processedSql(), true);
            }
        } else if (option == 3) {
            static const char* const titles[6] = {
                "Spárovanie dávky s databázou", "Zoznam spárovaných údajov",
                "Zoznam nespárovaných údajov",  "Zobrazenie /oprava dávky",
                "Pripojenie dávky k meraniu",   "Zoznam údajov merania"};
            const QString title = u(titles[item]);
            if (item < 5) {
                const Notice refused = MeasurementBatch::refusal(title);
                if (refused.kind == Notice::Kind::Error) {
                    dialogs.show(refused);
                    const auto state = MeasurementBatch::state(true);
                    if (state == MeasurementBatch::State::Duplicates)
                        showList(dupTitle, MeasurementBatch::duplicatesSql(), false);
                    else if (state == MeasurementBatch::State::Processed)
                        showList(procTitle, MeasurementBatch::processedSql(), false);
                    return;
                }
            }
            if (item == 0) {
                dialogs.show(MeasurementBatch::pair());
            } else if (item == 1 || item == 2) {
                const QString sql = MeasurementBatch::pairedSql(item == 1);
                if (!Sql::value(QStringLiteral("SELECT 1 FROM (%1) d LIMIT 1").arg(sql))
                         .isValid()) {
                    dialogs.show(Notice::error(
                        title, item == 1 ? u("Dávka neobsahuje spárované údaje !")
                                         : u("Dávka neobsahuje nespárované údaje !")));
                    return;
                }
                showList(item == 1 ? u(" Zoznam spárovaných údajov dávky ")
                                   : u(" Zoznam nespárovaných údajov dávky "),
                         sql, true);
            } else if (item == 3) {
                showCorrection();
            } else if (item == 4) {
                if (dialogs.ask(title, u("Pripojiť dávku k vytvorenému meraniu ? ")))
                    dialogs.show(MeasurementBatch::attach());
            } else if (item == 5) {
                if (MeasurementBatch::measurementRows() == 0) {
                    dialogs.show(Notice::error(title, u("Meranie nie je vytvorené !")));
                    return;
                }
                m_message(u(" počet = %1").arg(MeasurementBatch::measurementRows()));
                showList(u(" Vytvorené meranie"),
                         QStringLiteral("SELECT * FROM os53 ORDER BY mersk,dmer,podnik,okres,"
                                        "zavod,chov,matka"),
                         true);
            }
        }
    } catch (const SqlError& e) {
        Dialogs::error(u("Meranie VÚ"), e.text());
    }
}

void FrameMerVU::runExport(int item) {
    Dialogs& dialogs = Dialogs::instance();
    try {
        if (MeasurementBatch::measurementRows() == 0) {
            dialogs.show(
                Notice::error(u("Rekapitulácia merania"), u("Meranie nie je vytvorené !")));
            return;
        }
        if (item == 0) {
            m_exportText->setPlainText(MeasurementBatch::summary().join(QLatin1Char('\n')));
            m_exportLabel->show();
            m_exportText->show();
        } else {
            dialogs.show(MeasurementDocument::exportXml(Config::load().exportFolder()));
        }
    } catch (const SqlError& e) {
        Dialogs::error(u("Dáta do centrálnej databázy"), e.text());
    }
}

void FrameMerVU::printList() {
    try {
        ReportEngine engine(ReportEngine::herdProject());
        if (m_option == 3 && m_listSql.startsWith(QLatin1String("SELECT * FROM os53 "))) {
            const MeasurementDocument::Rows rows = MeasurementDocument::rows();
            if (!rows.problems.isEmpty()) {
                Dialogs::error(u("Zoznam údajov merania"), rows.problems.join(QLatin1Char('\n')));
                return;
            }
            ReportPreviewDialog::run(engine, QStringLiteral("ReportDoklad"), rows.data, this);
            return;
        }
        const QString name = m_option == 1   ? u("Duplicitné záznamy v dávke")
                             : m_option == 2 ? u("Spracované záznamy v databáze")
                                             : m_listTitle;
        engine.setParameter(QStringLiteral("Nazov"), name);
        QSqlQuery q = Sql::exec(m_listSql);
        ReportPreviewDialog::run(engine, QStringLiteral("ReportVUDavkaDup"),
                                 ReportData::fromQuery(q), this);
    } catch (const SqlError& e) {
        Dialogs::error(QStringLiteral("Zostava"), e.text());
    }
}

void FrameMerVU::showCorrection() {
    static const QList<std::pair<QString, QString>> shown = {
        {"podnik", "Pod"},       {"okres", "Okr"},
        {"zavod", "Zav"},        {"chov", "Chov"},
        {"mersk", "MSk"},        {"dmer", u("Merané")},
        {"porc", u("PorČ")},     {"matka", "Matka"},
        {"dnar", u("Narodené")}, {"uscisl", u("Uš.Číslo")},
        {"pohl", "Kat"},         {"sthybr", "StHybr"},
        {"linot", "LinOt"},      {"regot", "RegOt"},
        {"strvyr", "Str"},       {"dpre", "Predaj"},
        {"hmotn", "Hmot"},       {"sl1", "Sl1"},
        {"sl2", "Sl2"},          {"sl3", "Sl3"},
        {"pig1", "pig1"},        {"pig2", "pig2"},
        {"pigsv", "pigSv"},      {"hmc", u("HMČ")}};
    m_filling = true;
    m_correction->clear();
    m_correction->setColumnCount(int(shown.size()));
    QStringList headers;
    for (const auto& column : shown)
        headers.append(column.second);
    m_correction->setHorizontalHeaderLabels(headers);
    QSqlQuery q = Sql::exec(MeasurementBatch::incompleteSql());
    int row = 0;
    m_correction->setRowCount(0);
    while (q.next()) {
        m_correction->insertRow(row);
        for (int c = 0; c < shown.size(); ++c) {
            const QString field = shown.at(c).first;
            const QVariant value = q.value(field);
            auto* item = new QTableWidgetItem(value.metaType().id() == QMetaType::QDate
                                                  ? DateText::dotted(value.toDate())
                                                  : value.toString());
            item->setData(Qt::UserRole, q.value(QStringLiteral("os53a_id")));
            item->setData(Qt::UserRole + 1, field);
            const bool editable = std::any_of(MeasurementBatch::correctable().cbegin(),
                                              MeasurementBatch::correctable().cend(),
                                              [&](const auto& e) { return e.first == field; });
            if (!editable)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_correction->setItem(row, c, item);
        }
        ++row;
    }
    m_filling = false;
    m_correction->resizeColumnsToContents();
    m_workTitle->setText(u(" Vytvorená dávka /oprava"));
    m_grid->hide();
    m_correction->show();
    m_report->hide();
    m_delete->show();
    m_workArea->show();
}

bool FrameMerVU::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the correction grid moves to the next column, from the last
    // back to the first.
    if (watched == m_correction && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_correction->columnCount() > 0) {
            const QModelIndex at = m_correction->currentIndex();
            if (at.isValid())
                m_correction->setCurrentCell(at.row(),
                                             (at.column() + 1) % m_correction->columnCount());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrameMerVU::corrected(QTableWidgetItem* item) {
    if (m_filling)
        return;
    const Notice notice = MeasurementBatch::correct(
        item->data(Qt::UserRole).toInt(), item->data(Qt::UserRole + 1).toString(), item->text());
    if (notice.kind != Notice::Kind::Error)
        return;
    Dialogs::instance().show(notice);
    try {
        showCorrection(); // back to what is stored
    } catch (const SqlError& e) {
        Dialogs::error(notice.title, e.text());
    }
}

void FrameMerVU::deleteRow() {
    QVariant id;
    if (m_correction->isVisible()) {
        if (QTableWidgetItem* item = m_correction->currentItem())
            id = item->data(Qt::UserRole);
    } else if (m_grid->currentIndex().isValid()) {
        id = m_grid->queryModel()
                 ->record(m_grid->currentIndex().row())
                 .value(QStringLiteral("OS53A_ID"));
    }
    if (!id.isValid())
        return;
    try {
        Sql::exec(QStringLiteral("DELETE FROM os53a WHERE OS53A_ID = ?"), {id});
        if (m_correction->isVisible())
            showCorrection();
        else
            m_grid->display(Sql::execScrollable(m_listSql));
    } catch (const SqlError& e) {
        Dialogs::error(u("Rušenie duplicít údajov"), e.text());
    }
}
