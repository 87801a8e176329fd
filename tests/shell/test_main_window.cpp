// The main window as its user drives it: modules, frames, connect and
// disconnect, the start-up box and the exit.
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Database.h"
#include "db/Sql.h"
#include "shell/ContentArea.h"
#include "shell/MainWindow.h"
#include "shell/NodePanel.h"
#include "shell/StatusPanels.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

using namespace herd;
using Module = MainWindow::Module;

namespace {

const QString noFarm = QStringLiteral("Nebola vybraná aktuálna farma !");
const QString startupBox = QStringLiteral("Pripoj sa k databáze a vyber aktuálnu farmu !");

const char* moduleActions[] = {"ActionModulOsipane", "ActionModulVrhListok",
                               "ActionModulUstajnenia", "ActionModulBonitacie",
                               "ActionModulMeranieVU"};

const QString notAvailable = QStringLiteral("Táto funkcia zatiaľ nie je k dispozícii.");

// A panel as a later one registers itself: it records the nodes it is given.
class RecordingPanel : public NodePanel {
public:
    void nodeChosen(const QString& text) override { chosen.append(text); }
    QStringList chosen;
};

void activate(QWidget* w) {
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(w, &event);
    QCoreApplication::processEvents();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;

    QStringList ticked() const {
        QStringList list;
        for (const char* name : moduleActions)
            if (m_window->action(QString::fromLatin1(name))->isChecked())
                list.append(QString::fromLatin1(name));
        return list;
    }
    void chooseFarm() { m_window->state().aktFarma = QStringLiteral("000001"); }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_window = std::make_unique<MainWindow>(m_db->settings());
    }
    void cleanup() {
        m_window.reset();
        m_dialogs.reset();
        m_db.reset();
    }

    void startsEmpty() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("wGravolenta OŠ"));
        QCOMPARE(m_window->state().aktFarma, QStringLiteral(" "));
        QCOMPARE(m_window->treePane()->visibleTree(), -1);
        QCOMPARE(m_window->content()->visibleFrame(), QString());
        QCOMPARE(ticked(), QStringList{QStringLiteral("ActionModulUstajnenia")});
        for (const QString& name : ContentArea::frameNames())
            QVERIFY2(m_window->content()->frame(name), qPrintable(name));
        // An open connection brings no start-up box.
        activate(m_window.get());
        QVERIFY(m_dialogs->shown.isEmpty());
    }

    void moduleSwitchNeedsFarm_data() {
        QTest::addColumn<QString>("trigger");
        for (const char* name : moduleActions)
            QTest::newRow(name) << QString::fromLatin1(name);
        QTest::newRow("toolbar button") << QStringLiteral("ToolButtonBonitacie");
    }
    void moduleSwitchNeedsFarm() {
        QFETCH(QString, trigger);
        m_window->show();
        if (auto* button = m_window->findChild<QToolButton*>(trigger))
            button->click();
        else
            m_window->action(trigger)->trigger();
        QCOMPARE(m_dialogs->shown.size(), 1);
        QCOMPARE(m_dialogs->shown.first(), ShellState::noFarmNotice());
        QCOMPARE(m_dialogs->shown.first().title, QStringLiteral("Aktuálna farma"));
        QCOMPARE(m_dialogs->shown.first().text, noFarm);
        QCOMPARE(ticked(), QStringList{QStringLiteral("ActionModulUstajnenia")});
        QCOMPARE(m_window->titleText(), QString());
        QCOMPARE(m_window->treePane()->visibleTree(), -1);
    }

    void exactlyOneModuleTicked() {
        chooseFarm();
        m_window->show();
        const int sequence[] = {0, 0, 3, 1, 4, 2, 2, 1, 0, 4};
        for (int i : sequence) {
            m_window->action(QString::fromLatin1(moduleActions[i]))->trigger();
            QCOMPARE(ticked(), QStringList{QString::fromLatin1(moduleActions[i])});
        }
        QVERIFY(m_dialogs->shown.isEmpty());
    }

    void moduleShowsItsTree_data() {
        QTest::addColumn<int>("module");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("tree");
        QTest::addColumn<bool>("search");
        QTest::newRow("osipane") << 0 << "Ošípané na farme" << int(TreePane::Osipane) << true;
        QTest::newRow("vrh") << 1 << "Operatíva cez vrhový lístok" << int(TreePane::VrhListok)
                             << false;
        QTest::newRow("ustajnenia")
            << 2 << "Operatíva cez ustajnenia" << int(TreePane::Ustajnenia) << true;
        QTest::newRow("bonit") << 3 << "Bonitácie ošípaných" << int(TreePane::Bonit) << true;
        QTest::newRow("meranie") << 4 << "Meranie vlastnej úžitkovosti" << int(TreePane::MerVU)
                                 << true;
    }
    void moduleShowsItsTree() {
        QFETCH(int, module);
        QFETCH(QString, title);
        QFETCH(int, tree);
        QFETCH(bool, search);
        chooseFarm();
        m_window->show();
        m_window->content()->showFrame(QStringLiteral("FramePrasnice"));
        m_window->switchModule(static_cast<Module>(module));
        QCOMPARE(m_window->titleText(), title);
        QCOMPARE(m_window->treePane()->visibleTree(), tree);
        QCOMPARE(m_window->findChild<QWidget*>(QStringLiteral("PanelHladaj"))->isVisible(), search);
        // The content area is empty until a node is chosen.
        QCOMPARE(m_window->content()->visibleFrame(), QString());
    }

    void categoryNodesShowTheirPanels_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("frame");
        QTest::newRow("sows group") << "Prasnice" << 0 << "FramePrasnice";
        QTest::newRow("gilts group") << "Prasničky" << 0 << "FramePrasnicky";
        QTest::newRow("fattening group") << "Výkrm" << 0 << "FrameVykrm";
        QTest::newRow("sow") << "00343" << 5 << "FramePrasnice";
        QTest::newRow("boar") << "1199 04039" << 4 << "FrameKance";
        QTest::newRow("boars group") << "Kance" << 0 << "FrameKance";
        QTest::newRow("offspring") << "00344/45" << 3 << "FramePlemPotomstvo";
        QTest::newRow("farm root") << "Farma Dolná" << 1 << "";
        QTest::newRow("section") << "KAN" << 6 << "";
    }
    void categoryNodesShowTheirPanels() {
        QFETCH(QString, text);
        QFETCH(int, image);
        QFETCH(QString, frame);
        chooseFarm();
        m_window->show();
        m_window->switchModule(Module::Osipane);
        m_window->content()->showFrame(QStringLiteral("FrameBonit"));
        QTreeWidget* tree = m_window->treePane()->tree(TreePane::Osipane);
        auto* item = new QTreeWidgetItem(tree, {text});
        item->setData(0, TreePane::ImageRole, image);
        tree->setCurrentItem(item);
        QCOMPARE(m_window->state().aktJedinec, text);
        QCOMPARE(m_window->content()->visibleFrame(), frame);
    }

    void litterSheetNodesShowTheirBatch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("frame");
        QTest::newRow("mating") << "Nahlásenie pripustenia"
                                << "FrameNahlPrip";
        QTest::newRow("litter") << "Nahlásenie vrhu"
                                << "FrameNahlVrhu";
        QTest::newRow("selection") << "Selekcia potomstva"
                                   << "FrameSelPotomstva";
        QTest::newRow("farm root") << "000001 Farma"
                                   << "";
    }
    void litterSheetNodesShowTheirBatch() {
        QFETCH(QString, text);
        QFETCH(QString, frame);
        chooseFarm();
        m_window->show();
        m_window->switchModule(Module::VrhListok);
        m_window->content()->showFrame(QStringLiteral("FrameNahlVrhu"));
        QTreeWidget* tree = m_window->treePane()->tree(TreePane::VrhListok);
        tree->setCurrentItem(new QTreeWidgetItem(tree, {text}));
        QCOMPARE(m_window->content()->visibleFrame(), frame);
    }

    void measurementNodesShowTheirTab_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tab");
        QTest::newRow("processing") << "Spracovanie merania"
                                    << "Meranie";
        QTest::newRow("export") << "Export dát"
                                << "Dáta";
    }
    void measurementNodesShowTheirTab() {
        QFETCH(QString, text);
        QFETCH(QString, tab);
        chooseFarm();
        m_window->show();
        m_window->switchModule(Module::MeranieVU);
        QTreeWidget* tree = m_window->treePane()->tree(TreePane::MerVU);
        auto* farm = new QTreeWidgetItem(tree, {QStringLiteral("000001")});
        tree->setCurrentItem(new QTreeWidgetItem(farm, {text}));
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FrameMerVU"));
        auto* tabs = m_window->findChild<QTabWidget*>(QStringLiteral("PageControlMerVU"));
        QStringList visible;
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->isTabVisible(i))
                visible.append(tabs->tabText(i));
        QCOMPARE(visible, QStringList{tab});
        shoot(m_window.get(), QStringLiteral("i21-main-%1.png").arg(tab == "Meranie" ? 1 : 2));
    }

    // The sow bonitation node shows the bonitation frame, whose herd chooser
    // reads chov_far: empty before any farm choice.
    void bonitationNodeShowsFrame() {
        chooseFarm();
        m_window->show();
        m_window->switchModule(Module::Bonitacie);
        m_window->content()->showFrame(QStringLiteral("FrameNahlVrhu"));
        QTreeWidget* tree = m_window->treePane()->tree(TreePane::Bonit);
        auto* root = new QTreeWidgetItem(tree, {QStringLiteral("000001")});
        tree->setCurrentItem(new QTreeWidgetItem(root, {QString::fromUtf8("Bonitácie prasníc")}));
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FrameBonit"));
        QCOMPARE(m_dialogs->shown, QList<herd::Notice>{herd::Notice::error(
                                       QString::fromUtf8("Bonitácie prasníc"),
                                       QString::fromUtf8("Nie je vytvorená tabulka Chov_far !"))});
    }

    void exitDropsWorkViews() {
        for (const QString& view : {QStringLiteral("wkan_vrh"), QStringLiteral("Praspoh_VIEW")})
            Sql::exec(QStringLiteral("CREATE OR REPLACE VIEW ") + view +
                      QStringLiteral(" AS SELECT 1 AS x"));
        m_window->show();
        QSignalSpy exited(m_window.get(), &MainWindow::exitRequested);
        m_window->action(QStringLiteral("ActionKoniec"))->trigger();
        QCOMPARE(exited.size(), 1);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM information_schema.views "
                                           "WHERE table_schema = DATABASE()"))
                     .toInt(),
                 0);
    }

    void connectWhenConnected() {
        m_window->action(QStringLiteral("ActionPripojit"))->trigger();
        QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("Databáza je už pripojená !")});
        QCOMPARE(m_dialogs->shown.first().title, QStringLiteral("Pripojiť databázu"));
        QCOMPARE(m_dialogs->logins, 0);
    }

    void disconnectThenReactivate() {
        chooseFarm();
        m_window->show();
        m_window->action(QStringLiteral("ActionOdpojit"))->trigger();
        QVERIFY(!Database::isOpen());
        QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("Databáza odpojená !")});
        QCOMPARE(m_window->state().aktFarma, QStringLiteral("000001")); // the farm stays

        // Closing the box reactivates the window: the box comes once.
        activate(m_window.get());
        activate(m_window.get());
        activate(m_window.get());
        QCOMPARE(m_dialogs->texts().count(startupBox), 1);
        QCOMPARE(m_dialogs->shown.last().title,
                 QStringLiteral("Počiatočné parametre aplikácie Korbantix "));

        // A cancelled login leaves the connection closed.
        m_window->action(QStringLiteral("ActionPripojit"))->trigger();
        QCOMPARE(m_dialogs->logins, 1);
        QVERIFY(!Database::isOpen());

        m_dialogs->loginAnswer = LoginValues{m_db->name(), QStringLiteral("root"), QString()};
        m_window->action(QStringLiteral("ActionPripojit"))->trigger();
        QVERIFY(Database::isOpen());

        // Once more after the next disconnect.
        m_window->disconnectDatabase();
        activate(m_window.get());
        activate(m_window.get());
        QCOMPARE(m_dialogs->texts().count(startupBox), 2);
    }

    void wrongLoginIsReported() {
        m_window->disconnectDatabase();
        m_dialogs->shown.clear();
        m_dialogs->loginAnswer =
            LoginValues{QStringLiteral("no_such_database"), QStringLiteral("root"), QString()};
        m_window->connectDatabase();
        QVERIFY(!Database::isOpen());
        QCOMPARE(m_dialogs->shown.size(), 1);
        QCOMPARE(m_dialogs->shown.first().kind, Notice::Kind::Error);
        QVERIFY(m_dialogs->shown.first().text.contains(QStringLiteral("no_such_database")));
    }

    void windowReturnsToItsPlace() {
        m_window->show();
        m_window->setGeometry(200, 150, 640, 480);
        activate(m_window.get());
        QCOMPARE(m_window->geometry(), QRect(15, 10, 980, 720));
    }

    void boarEnrolmentStaysDisabled() {
        chooseFarm();
        m_window->switchModule(Module::Osipane);
        QVERIFY(!m_window->action(QStringLiteral("ActionNahlasenieKanca"))->isEnabled());
        QVERIFY(
            !m_window->findChild<QToolButton*>(QStringLiteral("ToolButtonZrusenie"))->isEnabled());
    }

    void toolbarAndStatusBarToggles() {
        m_window->show();
        auto* bar = m_window->findChild<QToolBar*>(QStringLiteral("ToolBar"));
        QAction* toolToggle = m_window->action(QStringLiteral("ActionPanelNastrojov"));
        QAction* statusToggle = m_window->action(QStringLiteral("ActionStavovyRiadok"));
        toolToggle->trigger();
        QVERIFY(!toolToggle->isChecked());
        QVERIFY(!bar->isVisible());
        toolToggle->trigger();
        QVERIFY(bar->isVisible());
        statusToggle->trigger();
        QVERIFY(!m_window->statusBar()->isVisible());
        statusToggle->trigger();
        QVERIFY(m_window->statusBar()->isVisible());
    }

    void unbuiltCommandsSaySo_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("needsFarm");
        QTest::addColumn<QString>("title");
        QTest::newRow("backup") << "ActionZaloha" << false << "Záloha databázy";
        QTest::newRow("housings") << "ActionUstajnenia" << true << "Ustajnenia aktuálnej farmy";
        QTest::newRow("gilt catalogues")
            << "ActionKatalogyNT" << true << QString::fromUtf8("Katalógy na NT prasničiek");
    }
    void unbuiltCommandsSaySo() {
        QFETCH(QString, action);
        QFETCH(bool, needsFarm);
        QFETCH(QString, title);
        m_window->action(action)->trigger();
        QCOMPARE(m_dialogs->shown.size(), 1);
        if (needsFarm) {
            QCOMPARE(m_dialogs->shown.first().text, noFarm);
            chooseFarm();
            m_dialogs->shown.clear();
            m_window->action(action)->trigger();
        }
        QCOMPARE(m_dialogs->shown.first().title, title);
        QCOMPARE(m_dialogs->shown.first().kind, Notice::Kind::Information);
    }

    // Nodes whose panel is not built yet answer so, titled by the node, and
    // show nothing; nodes the design gives no panel stay silent.
    void unbuiltNodesSaySo_data() {
        QTest::addColumn<int>("module");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("image");
        QTest::addColumn<bool>("answers");
        QTest::addColumn<QString>("title"); // empty: the node's text
        const int housing = int(Module::Ustajnenia);
        QTest::newRow("housing group") << housing << "Karanténa" << 0 << true << "";
        QTest::newRow("gilt-house box") << housing << "IndBox -B10" << 6 << true << "";
        QTest::newRow("nursery section") << housing << "Sekcia -S20" << 6 << true << "";
        QTest::newRow("boar house") << housing << "Kančín" << 0 << true << "";
        QTest::newRow("fifth quarantine section") << housing << "Sekcia -K05" << 6 << false << "";
        QTest::newRow("boar house's section") << housing << "          " << 6 << false << "";
    }
    void unbuiltNodesSaySo() {
        QFETCH(int, module);
        QFETCH(QString, text);
        QFETCH(int, image);
        QFETCH(bool, answers);
        QFETCH(QString, title);
        chooseFarm();
        m_window->show();
        m_window->switchModule(static_cast<Module>(module));
        m_window->content()->showFrame(QStringLiteral("FramePrasnice"));
        QTreeWidget* tree = m_window->treePane()->tree(
            static_cast<TreePane::Tree>(m_window->treePane()->visibleTree()));
        auto* root = new QTreeWidgetItem(tree, {QStringLiteral("000001")});
        auto* item = new QTreeWidgetItem(root, {text});
        item->setData(0, TreePane::ImageRole, image);
        tree->setCurrentItem(item);
        QCOMPARE(m_window->content()->visibleFrame(), QString());
        if (answers) {
            QCOMPARE(m_dialogs->shown,
                     QList<Notice>{Notice::information(title.isEmpty() ? text.trimmed() : title,
                                                       notAvailable)});
        } else {
            QVERIFY(m_dialogs->shown.isEmpty());
        }
    }

    // The search strip shows the card of what it finds and is left holding a
    // single blank; a wrong key or an animal not on record leaves the shown
    // card as it was.
    void searchStrip_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("frame");   // shown afterwards
        QTest::addColumn<QString>("message"); // empty: none
        const QString sowMissing = QString::fromUtf8("Nie je evidovaná uvedená prasnica/čka !");
        QTest::newRow("sow after the residual blank") << " 00343"
                                                      << "FramePrasnice"
                                                      << "";
        QTest::newRow("six characters without slash")
            << "003441"
            << "" << QString::fromUtf8("Ošípaná nebola zadaná korektne !");
        QTest::newRow("sow not on the farm") << "00344"
                                             << "" << sowMissing;
        QTest::newRow("short key") << "343"
                                   << "" << sowMissing;
        QTest::newRow("offspring not on record")
            << "00344/45"
            << "" << QString::fromUtf8("Nie je evidovaný uvedený jedinec !");
    }
    void searchStrip() {
        QFETCH(QString, typed);
        QFETCH(QString, frame);
        QFETCH(QString, message);
        herd::Sql::exec(QStringLiteral("INSERT INTO tpraspev (cislo_farmy, chovatel_chov, "
                                       "prasnica_farma, prasnica_krcislo) "
                                       "VALUES ('000001', '01', '00343', '00343')"));
        chooseFarm();
        m_window->show();
        m_window->switchModule(Module::Osipane);
        m_window->treePane()->searchEdit()->setText(typed);
        QTest::mouseClick(m_window->treePane()->searchButton(), Qt::LeftButton);
        QCOMPARE(m_window->content()->visibleFrame(), frame);
        if (!frame.isEmpty())
            QCOMPARE(m_window->state().aktJedinec, typed.trimmed());
        else
            QCOMPARE(m_window->state().aktJedinec, QString());
        QCOMPARE(m_dialogs->texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(m_window->treePane()->searchEdit()->text(), QStringLiteral(" "));
    }

    // The menu searches ask in their input box; the boar's works before a
    // farm is chosen, the sow's refuses.
    void menuSearches() {
        m_dialogs->textAnswers = {QStringLiteral("3301 00001")};
        m_window->action(QStringLiteral("ActionHladatKanca"))->trigger();
        QCOMPARE(m_dialogs->textsAsked,
                 QStringList{QString::fromUtf8("Zadaj kanca|v tvare: xxxx xxxxx")});
        QCOMPARE(m_dialogs->texts(),
                 QStringList{QString::fromUtf8("Nie je evidovaný uvedený kanec !")});
        m_dialogs->shown.clear();
        m_window->action(QStringLiteral("ActionHladatPrasnicu"))->trigger();
        QCOMPARE(m_dialogs->texts(), QStringList{noFarm});
        QCOMPARE(m_dialogs->textsAsked.size(), 1);
        chooseFarm();
        m_dialogs->shown.clear();
        m_window->action(QStringLiteral("ActionHladatPotomstvo"))->trigger(); // cancelled
        QCOMPARE(m_dialogs->textsAsked.last(),
                 QString::fromUtf8("Zadaj potomstvo (jedinca)|v tvare: xxxxx/xx"));
        QCOMPARE(m_dialogs->texts(),
                 QStringList{QString::fromUtf8("Nie je evidovaný uvedený jedinec !")});
    }

    // A panel built later registers itself for its frame and replaces the answer.
    void registeredPanelIsShown() {
        chooseFarm();
        m_window->show();
        auto* panel = new RecordingPanel;
        m_window->content()->setFrame(QStringLiteral("FrameBonit"), panel);
        m_window->switchModule(Module::Bonitacie);
        QTreeWidget* tree = m_window->treePane()->tree(TreePane::Bonit);
        auto* root = new QTreeWidgetItem(tree, {QStringLiteral("000001")});
        tree->setCurrentItem(new QTreeWidgetItem(root, {QStringLiteral("Bonitácie kancov")}));
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FrameBonit"));
        QCOMPARE(panel->chosen, QStringList{QStringLiteral("Bonitácie kancov")});
        QVERIFY(m_dialogs->shown.isEmpty());
        tree->setCurrentItem(root); // the farm node shows nothing
        QCOMPARE(m_window->content()->visibleFrame(), QString());
    }

    // After a module switch the node still highlighted is chosen again by a click.
    void highlightedNodeChosenAgain() {
        chooseFarm();
        m_window->show();
        m_window->switchModule(Module::Osipane);
        QTreeWidget* tree = m_window->treePane()->tree(TreePane::Osipane);
        auto* root = new QTreeWidgetItem(tree, {QStringLiteral("000001")});
        auto* sows = new QTreeWidgetItem(root, {QStringLiteral("Prasnice")});
        auto* gilts = new QTreeWidgetItem(root, {QStringLiteral("Prasničky")});
        tree->expandAll();
        const auto click = [tree](QTreeWidgetItem* item) {
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(item).center());
        };
        click(sows);
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FramePrasnice"));
        m_window->switchModule(Module::VrhListok);
        m_window->switchModule(Module::Osipane);
        QCOMPARE(m_window->content()->visibleFrame(), QString());
        QCOMPARE(tree->currentItem(), sows);
        click(sows);
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FramePrasnice"));
        // Another node: chosen once, not twice.
        int chosen = 0;
        connect(m_window->treePane(), &TreePane::nodeChosen, this, [&] { ++chosen; });
        click(gilts);
        QCOMPARE(chosen, 1);
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FramePrasnicky"));
    }

    void progressBarCountsRows() {
        m_window->show();
        herd::Progress progress = m_window->status()->progress();
        auto* bar = m_window->findChild<QProgressBar*>(QStringLiteral("ProgressBarDb"));
        progress(4, 1);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->maximum(), 4);
        QCOMPARE(bar->value(), 1);
        progress(0, 0);
        QVERIFY(!bar->isVisible());
        QCOMPARE(bar->value(), 0);
        QCOMPARE(m_window->status()->message(), QStringLiteral(" "));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
