// The sow panel as the zootechnician drives it from the category tree: the
// list mode, the card tabs of a sow, a gilt and a sow without litters, the
// veterinary report, the lists with their count, and two herds that share
// a sow number.
#include "HerdFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "shell/ContentArea.h"
#include "shell/MainWindow.h"
#include "shell/StatusPanels.h"
#include "views/FramePrasnice.h"
#include "views/HerdListTab.h"
#include "views/SowTab.h"
#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>
#include <memory>

using namespace herd;

class TestFramePrasnice : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;

    FramePrasnice* panel() const {
        return qobject_cast<FramePrasnice*>(m_window->content()->frame("FramePrasnice"));
    }
    // A field of the tab in front (the tabs repeat the sow's header fields).
    QLineEdit* field(const char* name) const {
        return panel()->tabs()->currentWidget()->findChild<QLineEdit*>(QStringLiteral("DBEdit") +
                                                                       QLatin1String(name));
    }
    template <class T> T* child(const char* name) const {
        return panel()->findChild<T*>(QString::fromLatin1(name));
    }
    void choose(const QString& text, int image) {
        QTreeWidget* tree = m_window->treePane()->tree(TreePane::Osipane);
        auto* item = new QTreeWidgetItem(tree, {text});
        item->setData(0, TreePane::ImageRole, image);
        tree->setCurrentItem(item);
    }
    void openTab(FramePrasnice::Tab tab) { panel()->tabs()->setCurrentIndex(tab); }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        HerdFixture::load(QStringLiteral("sow_views.sql"));
        m_window = std::make_unique<MainWindow>(m_db->settings());
        m_window->state().aktFarma = QStringLiteral("100001");
        m_window->state().aktChov = QStringLiteral("01");
        m_window->resize(980, 720); // the window's own size
        m_window->show();
        m_window->switchModule(MainWindow::Module::Osipane);
        m_dialogs->shown.clear();
    }
    void cleanup() {
        m_window.reset();
        m_dialogs.reset();
        m_db.reset();
    }

    void categoryNodeShowsTheListsAndLoadsNothing() {
        choose(QStringLiteral("Prasnice"), 2);
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FramePrasnice"));
        QTabWidget* tabs = panel()->tabs();
        for (int i = 0; i < FramePrasnice::Zoznamy; ++i)
            QVERIFY(!tabs->isTabVisible(i));
        QVERIFY(tabs->isTabVisible(FramePrasnice::Zoznamy));
        QCOMPARE(panel()->lists()->groupBox()->title(), QStringLiteral("Prasnice "));
        panel()->loadActive(); // entering the tab set on the category node
        QVERIFY(m_dialogs->shown.isEmpty());
        QVERIFY(panel()
                    ->tab(FramePrasnice::Karta)
                    ->findChild<QLineEdit*>(QStringLiteral("DBEditprasnica_farma"))
                    ->text()
                    .isEmpty());
    }

    void sowCardWithFourLitters() {
        choose(QStringLiteral("00012     "), 5);
        QTabWidget* tabs = panel()->tabs();
        QVERIFY(!tabs->isTabVisible(FramePrasnice::Zoznamy));
        QCOMPARE(tabs->currentIndex(), int(FramePrasnice::Karta));
        QCOMPARE(panel()->tab(FramePrasnice::Karta)->groupBox()->title(),
                 QStringLiteral("Plemenná prasnica/ prasnička "));
        QCOMPARE(field("prasnica_farma")->text(), QStringLiteral("00012"));
        QCOMPARE(field("priem_medzidobie")->text(), QStringLiteral("148,3"));
        QCOMPARE(field("blup_celkPlemHodnota")->text(), QStringLiteral("105,5"));
        QCOMPARE(field("pslan")->text(), QStringLiteral("11,25"));
        QVERIFY(field("priem_medzidobie")->isVisibleTo(panel()));
        QCOMPARE(child<QGroupBox>("GroupBoxAnam")->title(), QStringLiteral(" anamnézy :"));
        QCOMPARE(child<QueryGrid>("DBGridAnam")->rows(), 8);
        QCOMPARE(child<QueryGrid>("DBGridVJH")->rows(), 1);
        // The farm has a sow 00012 in both herds: the herd is offered.
        auto* herds = child<QComboBox>("ComboBoxChov");
        QVERIFY(herds->isVisibleTo(panel()));
        QCOMPARE(herds->count(), 2);
        QVERIFY(m_dialogs->shown.isEmpty());
        shoot(m_window.get(), QStringLiteral("0-karta.png"));

        openTab(FramePrasnice::Status);
        QCOMPARE(field("nazov_akcie")->text(), QStringLiteral("Odstav"));
        QCOMPARE(field("ocak_kod")->text(), QStringLiteral("05"));
        QCOMPARE(field("ocak_od")->text(), QStringLiteral("10.05.2024"));
        QCOMPARE(field("ocak_do")->text(), QStringLiteral("13.05.2024"));
        shoot(m_window.get(), QStringLiteral("1-status.png"));

        openTab(FramePrasnice::Rodokmen);
        QCOMPARE(field("rmatka")->text(), QStringLiteral("04 07 123 01  00123"));
        shoot(m_window.get(), QStringLiteral("2-rodokmen.png"));

        openTab(FramePrasnice::Uzitkovost);
        QCOMPARE(field("poc_vrh")->text(), QStringLiteral("4"));
        QCOMPARE(field("medz")->text(), QStringLiteral("148,3"));
        auto* chart = child<QChartView>("DBChartVrhy");
        QVERIFY(chart->isVisibleTo(panel()));
        auto* series = qobject_cast<QBarSeries*>(chart->chart()->series().value(0));
        QVERIFY(series);
        QCOMPARE(series->barSets().size(), 3);
        QCOMPARE(series->barSets()[0]->label(), QStringLiteral("všetky"));
        QCOMPARE(series->barSets()[0]->color(), QColor(Qt::red));
        QCOMPARE(series->barSets()[2]->at(3), 13.0);
        QVERIFY(series->isLabelsVisible());
        shoot(m_window.get(), QStringLiteral("3-uzitkovost.png"));

        openTab(FramePrasnice::Veterinarne);
        shoot(m_window.get(), QStringLiteral("4-veterinarne.png"));
        openTab(FramePrasnice::Pohyby);
        QCOMPARE(child<QueryGrid>("DBGridPohyby")->rows(), 14);
        shoot(m_window.get(), QStringLiteral("5-pohyby.png"));
        QVERIFY(m_dialogs->shown.isEmpty());

        // The other herd's sow 00012 is hers alone.
        herds->setCurrentIndex(1);
        emit herds->activated(1);
        QCOMPARE(panel()->key().chov, QStringLiteral("02"));
        QCOMPARE(child<QueryGrid>("DBGridPohyby")->rows(), 3);
        openTab(FramePrasnice::Uzitkovost);
        QCOMPARE(field("poc_vrh")->text(), QStringLiteral("1"));
    }

    void sowWithOneLitterHasNoAverageInterval() {
        choose(QStringLiteral("00020     "), 5);
        QVERIFY(!child<QComboBox>("ComboBoxChov")->isVisibleTo(panel()));
        openTab(FramePrasnice::Uzitkovost);
        QCOMPARE(field("poc_vrh")->text(), QStringLiteral("1"));
        QCOMPARE(field("medz")->text(), QString());
        QVERIFY(m_dialogs->shown.isEmpty());
    }

    void chartIsRefilledForTheNextSow() {
        choose(QStringLiteral("00012     "), 5);
        openTab(FramePrasnice::Uzitkovost);
        choose(QStringLiteral("00020     "), 5);
        openTab(FramePrasnice::Uzitkovost);
        QChart* chart = child<QChartView>("DBChartVrhy")->chart();
        auto* series = qobject_cast<QBarSeries*>(chart->series().value(0));
        QVERIFY(series);
        QCOMPARE(series->barSets().size(), 3);
        QCOMPARE(series->barSets()[0]->count(), 1);
        QCOMPARE(series->barSets()[0]->at(0), 11.0);
        QCOMPARE(series->barSets()[1]->at(0), 10.0);
        QCOMPARE(series->barSets()[2]->at(0), 9.0);
        auto* orders = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
        QVERIFY(orders);
        QCOMPARE(orders->categories(), QStringList{"1"});
        // The count axis of the second sow is the axis a new chart would have.
        auto* counts = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
        QVERIFY(counts);
        QValueAxis fresh;
        fresh.setRange(0, 11 + 2);
        fresh.applyNiceNumbers();
        QCOMPARE(counts->max(), fresh.max());
        QCOMPARE(counts->tickCount(), fresh.tickCount());
    }

    void gridColumnsFitEveryText() {
        choose(QStringLiteral("00012     "), 5);
        openTab(FramePrasnice::Pohyby);
        // Fitting measures each distinct text once; measuring every cell
        // again gives the same widths.
        auto* grid = child<QueryGrid>("DBGridPohyby");
        QList<int> fitted;
        for (int c = 0; c < grid->queryModel()->columnCount(); ++c)
            fitted.append(grid->columnWidth(c));
        grid->resizeColumnsToContents();
        for (int c = 0; c < fitted.size(); ++c)
            QCOMPARE(grid->columnWidth(c), fitted[c]);
    }

    void sowWithoutLittersHasNoChart() {
        choose(QStringLiteral("00012     "), 5);
        openTab(FramePrasnice::Uzitkovost);
        QVERIFY(child<QChartView>("DBChartVrhy")->isVisibleTo(panel()));
        choose(QStringLiteral("00040     "), 5);
        openTab(FramePrasnice::Uzitkovost);
        QVERIFY(!child<QChartView>("DBChartVrhy")->isVisibleTo(panel()));
        QCOMPARE(m_dialogs->shown,
                 QList<Notice>{
                     Notice::error("Status", "Úžitkovosť je evidovaná uvedená len u prasníc !")});
    }

    void giltHidesTheInterval() {
        choose(QStringLiteral("00030     "), 5);
        QVERIFY(!field("priem_medzidobie")->isVisibleTo(panel()));
        QCOMPARE(child<QGroupBox>("GroupBoxAnam")->title(), QStringLiteral(" pripustenia :"));
        QCOMPARE(child<QGroupBox>("GroupBoxVJH")->title(), QStringLiteral(" "));
        QVERIFY(!child<QGroupBox>("GroupBoxVJH")->isVisibleTo(panel()));
        openTab(FramePrasnice::Status);
        QCOMPARE(field("ocak_kod")->text(), QStringLiteral("07"));
    }

    void unknownSowIsRefusedOnEveryTab() {
        choose(QStringLiteral("00099     "), 5);
        openTab(FramePrasnice::Veterinarne);
        QVERIFY(!child<QGroupBox>("GroupBoxVUDop")->isEnabled());
        QVERIFY(!child<QGroupBox>("GroupBoxVUAkt")->isEnabled());
        QCOMPARE(m_dialogs->texts(), QStringList(2, "Nie je evidovaná uvedená prasnica/čka !"));
        QCOMPARE(m_dialogs->shown[0].title, QStringLiteral("Karta ošípanej"));
        QCOMPARE(m_dialogs->shown[1].title, QStringLiteral("Veterinárne úkony"));
        // A known sow makes the tab usable again.
        choose(QStringLiteral("00020     "), 5);
        openTab(FramePrasnice::Veterinarne);
        QVERIFY(child<QGroupBox>("GroupBoxVUDop")->isEnabled());
    }

    void veterinaryActionAppearsInTheMovements() {
        choose(QStringLiteral("00020     "), 5);
        openTab(FramePrasnice::Veterinarne);
        auto* choice = child<QComboBox>("ComboBoxVUDop");
        auto* date = child<QLineEdit>("MaskEditVUDop");
        auto* confirm = child<QPushButton>("BitBtnVUDop");
        QVERIFY(!confirm->isEnabled());
        QVERIFY(!date->isEnabled());
        choice->setCurrentIndex(3);
        emit choice->activated(3);
        QVERIFY(date->isEnabled());
        QTest::keyClicks(date, QStringLiteral("310224"));
        QVERIFY(confirm->isEnabled());
        QTest::mouseClick(confirm, Qt::LeftButton);
        QCOMPARE(m_dialogs->texts(), QStringList{"Nekorektne uvedený dátum úkonu ! (dd.mm.rr)"});
        date->clear();
        QTest::keyClicks(date, QStringLiteral("050324"));
        QTest::mouseClick(confirm, Qt::LeftButton);
        QVERIFY(!confirm->isEnabled()); // no second row by a second click
        QTest::keyClicks(date, QStringLiteral("1"));
        QVERIFY(!confirm->isEnabled());
        QCOMPARE(child<QLineEdit>("DBEditVUDop")->text(), QStringLiteral("05.03.24"));

        openTab(FramePrasnice::Pohyby);
        QSqlQueryModel* rows = child<QueryGrid>("DBGridPohyby")->queryModel();
        QCOMPARE(rows->rowCount(), 2);
        QCOMPARE(rows->index(1, 3).data().toString(), QStringLiteral("Odčervenie prasníc"));
        QCOMPARE(rows->index(1, 1).data().toDate(), QDate(2024, 3, 5));
    }

    // Each chosen action starts with an empty date: one typed after another
    // action's report is the date stored.
    void anotherActionStartsWithAnEmptyDate() {
        choose(QStringLiteral("00020     "), 5);
        openTab(FramePrasnice::Veterinarne);
        auto* choice = child<QComboBox>("ComboBoxVUDop");
        auto* date = child<QLineEdit>("MaskEditVUDop");
        auto* confirm = child<QPushButton>("BitBtnVUDop");
        choice->setCurrentIndex(3);
        emit choice->activated(3);
        QTest::keyClicks(date, QStringLiteral("050324"));
        QTest::mouseClick(confirm, Qt::LeftButton);
        choice->setCurrentIndex(4);
        emit choice->activated(4);
        QTest::keyClicks(date, QStringLiteral("060324"));
        QTest::mouseClick(confirm, Qt::LeftButton);
        QCOMPARE(m_dialogs->texts(), QStringList());
        QSqlQuery q = herd::Sql::exec(
            QStringLiteral("SELECT datum_akcie FROM tprashist WHERE kod_akcie = '14' AND "
                           "prasnica_farma = '00020' AND datum_akcie >= '2024-03-01' "
                           "ORDER BY datum_akcie"));
        QStringList days;
        while (q.next())
            days.append(q.value(0).toDate().toString(Qt::ISODate));
        QCOMPARE(days, (QStringList{"2024-03-05", "2024-03-06"}));
    }

    void veterinaryCorrectionThroughTheNavigator() {
        choose(QStringLiteral("00012     "), 5);
        openTab(FramePrasnice::Veterinarne);
        auto* nav = child<RecordNavigator>("DBNavigatorVUDop");
        auto* date = child<QLineEdit>("DBEditVUDop");
        auto* grid = child<QTableWidget>("DBGridVUAkt");
        QCOMPARE(grid->rowCount(), 1);
        QVERIFY(!nav->button(RecordNavigator::Insert)->isVisibleTo(panel()));
        QTest::mouseClick(nav->button(RecordNavigator::Edit), Qt::LeftButton);
        date->clear();
        QTest::keyClicks(date, QStringLiteral("011322"));
        QTest::mouseClick(nav->button(RecordNavigator::Post), Qt::LeftButton);
        QCOMPARE(m_dialogs->texts(), QStringList{"Nekorektne uvedený dátum úkonu ! (dd.mm.rr)"});
        QVERIFY(nav->button(RecordNavigator::Post)->isEnabled()); // still editing, nothing lost
        date->clear();
        QTest::keyClicks(date, QStringLiteral("211222"));
        QTest::mouseClick(nav->button(RecordNavigator::Post), Qt::LeftButton);
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("21.12.2022"));
        QCOMPARE(Sql::value("SELECT datum_akcie FROM tprashist WHERE kod_akcie = '14'").toDate(),
                 QDate(2022, 12, 21));
        QTest::mouseClick(nav->button(RecordNavigator::Delete), Qt::LeftButton);
        QCOMPARE(m_dialogs->asked, QStringList{"Zrušiť záznam ?"});
        QCOMPARE(grid->rowCount(), 0);
        QCOMPARE(Sql::value("SELECT COUNT(*) FROM tprashist WHERE kod_akcie = '14'").toInt(), 0);
    }

    void listsWithTheCountInTheStatusBar() {
        choose(QStringLiteral("Prasnice"), 2);
        auto* lists = child<QComboBox>("ComboBoxZoznamy");
        auto* second = child<QComboBox>("ComboBoxZoznamyV");
        QueryGrid* grid = child<QueryGrid>("DBGridZoznamy");
        emit lists->activated(0);
        QVERIFY(grid->isVisibleTo(panel()));
        QCOMPARE(m_window->status()->message(), QStringLiteral(" počet = 4"));
        QCOMPARE(grid->queryModel()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("prasnica"));

        emit lists->activated(6); // by breed and total breeding value
        QVERIFY(!grid->isVisibleTo(panel()));
        QVERIFY(second->isVisibleTo(panel()));
        QCOMPARE(m_window->status()->message(), QStringLiteral(" "));
        const int breed = second->findText(QStringLiteral("11000000 Biela ušľachtilá"));
        QVERIFY(breed >= 0);
        emit second->activated(breed);
        QCOMPARE(grid->rows(), 3);
        QCOMPARE(grid->queryModel()->index(0, 1).data().toString(), QStringLiteral("00020"));
        QCOMPARE(grid->queryModel()->index(0, 21).data().toDouble(), 112.25);
        QCOMPARE(m_window->status()->message(), QStringLiteral(" počet = 3"));
        shoot(m_window.get(), QStringLiteral("6-zoznam.png"));

        emit second->activated(second->findText(QStringLiteral("33000000 Duroc")));
        QVERIFY(!grid->isVisibleTo(panel()));
        QCOMPARE(m_window->status()->message(), QStringLiteral(" "));
        QCOMPARE(m_dialogs->shown,
                 QList<Notice>{Notice::error("Aktívne podľa plemena",
                                             "Nie sú evidované prasnice daného plemena !")});
        QTest::mouseClick(child<QPushButton>("BitBtnZoznamyVykonaj"), Qt::LeftButton);
        QCOMPARE(m_dialogs->texts().last(), QStringLiteral("Nie je vytvorená zostava prasníc !"));

        // Choosing a sow leaves the lists: nothing chosen, the count blank.
        emit lists->activated(0);
        choose(QStringLiteral("00012     "), 5);
        QCOMPARE(lists->currentIndex(), -1);
        QCOMPARE(m_window->status()->message(), QStringLiteral(" "));
    }
};

QTEST_MAIN(TestFramePrasnice)
#include "test_frame_prasnice.moc"
