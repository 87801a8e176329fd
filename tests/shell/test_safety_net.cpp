// The program goes on when the database fails: with the connection closed by
// the user or dropped by the server, every kind of node of every module tree
// and every menu entry answers with a box, and a lost connection offers the
// login. Runs under the program's own application object, whose notify() is
// the last safety net.
#include "HerdFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Database.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "farms/FarmChoice.h"
#include "farms/HousingPanels.h"
#include "shell/Application.h"
#include "shell/ContentArea.h"
#include "shell/FailureBox.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>

using namespace herd;

namespace {

const QString farm = QStringLiteral("123456");

// Entries that show nothing by design once a farm is chosen (the module
// switches, the toggles, the clipboard) or never act (the boar enrolment).
const QSet<QString> quietEntries = {
    "ActionModulOsipane",   "ActionModulVrhListok", "ActionModulUstajnenia", "ActionModulBonitacie",
    "ActionModulMeranieVU", "ActionPanelNastrojov", "ActionStavovyRiadok",   "ActionVystrihnut",
    "ActionKopirovat",      "ActionPrilepit",       "ActionNahlasenieKanca"};

// Ends the server's side of the program's connection, as a restart or an
// idle timeout does; the program's connection object stays open.
void dropConnection(const TestDatabase& db) {
    const QString id = Sql::value(QStringLiteral("SELECT CONNECTION_ID()")).toString();
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), "killer");
        other.setUserName(QStringLiteral("root"));
        other.setDatabaseName(db.name());
        other.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + TestDatabase::socket());
        QVERIFY(other.open());
        Sql::exec(other, QStringLiteral("KILL CONNECTION ") + id);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("killer"));
}

// Closes whatever modal window or dialog an entry opened; counts them.
class ModalCloser : public QObject {
public:
    ModalCloser() {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                ++closed;
                w->close();
            }
        });
        m_timer.start();
    }
    int closed = 0;

private:
    QTimer m_timer;
};

} // namespace

class TestSafetyNet : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;

    // Boxes, questions and logins shown so far.
    int boxes() const {
        return int(m_dialogs->shown.size() + m_dialogs->asked.size()) + m_dialogs->logins;
    }

    // The first nodes of each kind (farm, group, section, animal by image)
    // under every node of a tree.
    static QList<QTreeWidgetItem*> nodeKinds(QTreeWidget* tree) {
        QList<QTreeWidgetItem*> nodes;
        std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
            nodes.append(item);
            QSet<int> images;
            for (int i = 0; i < item->childCount(); ++i) {
                QTreeWidgetItem* child = item->child(i);
                const int image = child->data(0, TreePane::ImageRole).toInt();
                // Group and section nodes each; animals only the first of an image.
                if (child->childCount() > 0 || image == 0 || image == 6 || !images.contains(image))
                    walk(child);
                images.insert(image);
            }
        };
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            walk(tree->topLevelItem(i));
        return nodes;
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        HerdFixture::load(QStringLiteral("demo_farm.sql"));
        m_window = std::make_unique<MainWindow>(m_db->settings());
        m_window->show();
        const FarmChoiceResult chosen = FarmChoice::choose(farm);
        QVERIFY(chosen.chosen);
        m_window->applyFarmChoice(chosen);
        QCoreApplication::processEvents();
        m_dialogs->shown.clear();
    }
    void cleanup() {
        m_window.reset();
        m_dialogs.reset();
        m_db.reset();
    }

    void everyNodeAndEntryAnswers_data() {
        QTest::addColumn<bool>("dropped");
        QTest::newRow("disconnected by the user") << false;
        QTest::newRow("dropped by the server") << true;
    }
    void everyNodeAndEntryAnswers() {
        QFETCH(bool, dropped);
        if (dropped)
            dropConnection(*m_db);
        else
            m_window->action(QStringLiteral("ActionOdpojit"))->trigger();
        m_dialogs->answers = QList<bool>(1000, false); // no reconnect
        m_dialogs->shown.clear();
        ModalCloser closer;

        const MainWindow::Module modules[] = {
            MainWindow::Module::Osipane, MainWindow::Module::VrhListok,
            MainWindow::Module::Ustajnenia, MainWindow::Module::Bonitacie,
            MainWindow::Module::MeranieVU};
        int chosen = 0;
        for (const MainWindow::Module module : modules) {
            m_window->switchModule(module);
            QTreeWidget* tree = m_window->treePane()->tree(
                static_cast<TreePane::Tree>(m_window->treePane()->visibleTree()));
            for (QTreeWidgetItem* node : nodeKinds(tree)) {
                const int before = boxes();
                tree->setCurrentItem(node);
                QCoreApplication::processEvents();
                ++chosen;
                const int image = node->data(0, TreePane::ImageRole).toInt();
                // A card reads the database; a node without its panel says so.
                const bool section = image == 6;
                const bool answers =
                    image == 3 || image == 4 || image == 5 ||
                    (section && !HousingPanels::frameOf(node->text(0)).isEmpty()) ||
                    (!section && image == 0 && node->parent() && !node->parent()->parent() &&
                     m_window->content()->visibleFrame().isEmpty());
                if (answers)
                    QVERIFY2(boxes() > before,
                             qPrintable(tree->objectName() + ": " + node->text(0)));
            }
        }
        QVERIFY(chosen > 30);

        m_window->switchModule(MainWindow::Module::Osipane);
        QCoreApplication::processEvents();
        int entries = 0;
        for (QAction* action : m_window->findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
            const QString name = action->objectName();
            if (!name.startsWith(QLatin1String("Action")) || name == QLatin1String("ActionKoniec"))
                continue;
            const int before = boxes() + closer.closed;
            action->trigger();
            QTest::qWait(50); // lets a box of the safety net come
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != m_window.get() && w->isVisible()) {
                    ++closer.closed;
                    w->close();
                }
            ++entries;
            // Disconnecting a closed connection does nothing, as designed (a
            // dropped one is closed by "Pripojiť databázu", which comes first).
            const bool quiet =
                quietEntries.contains(name) || name == QLatin1String("ActionOdpojit");
            if (!quiet && action->isEnabled())
                QVERIFY2(boxes() + closer.closed > before, qPrintable(name));
        }
        QVERIFY(entries > 25);
        // Every box is Slovak: no bare English of the server without our words.
        for (const Notice& n : std::as_const(m_dialogs->shown))
            QVERIFY2(!n.text.startsWith(QLatin1String("Lost")) &&
                         !n.text.startsWith(QLatin1String("MySQL")),
                     qPrintable(n.text));
        // "Koniec" still ends the program though the views cannot be dropped.
        QSignalSpy exit(m_window.get(), &MainWindow::exitRequested);
        m_window->action(QStringLiteral("ActionKoniec"))->trigger();
        QCOMPARE(exit.size(), 1);
    }

    // A failure no window caught reaches the application's safety net: the
    // program shows it after the event and goes on.
    void safetyNetCatchesWhatEscapes() {
        class Thrower : public QObject {
        public:
            bool event(QEvent* e) override {
                if (e->type() == QEvent::User)
                    throw SqlError(QStringLiteral("Table 'x.y' doesn't exist"));
                return QObject::event(e);
            }
        } thrower;
        QEvent event(QEvent::User);
        QApplication::sendEvent(&thrower, &event);
        QCoreApplication::processEvents();
        QCOMPARE(m_dialogs->texts(),
                 QStringList{QStringLiteral("Chyba: Table 'x.y' doesn't exist")});
        QCOMPARE(m_dialogs->shown.first().title, Application::failureTitle());
    }

    // Answering the question with Yes logs in again; the card then loads.
    void lostConnectionOffersTheLogin() {
        dropConnection(*m_db);
        m_window->switchModule(MainWindow::Module::Osipane);
        QTreeWidget* tree = m_window->treePane()->tree(TreePane::Osipane);
        const QList<QTreeWidgetItem*> sows =
            tree->findItems(QStringLiteral("00001     "), Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY(!sows.isEmpty());
        m_dialogs->answers = {true};
        const ConnectionSettings s = m_db->settings();
        m_dialogs->loginAnswer = LoginValues{s.database, s.user, s.password};
        tree->setCurrentItem(sows.first());
        QCOMPARE(m_dialogs->asked.size(), 1);
        QVERIFY2(m_dialogs->asked.first().startsWith(QStringLiteral("Chyba: ")),
                 qPrintable(m_dialogs->asked.first()));
        QVERIFY(m_dialogs->asked.first().endsWith(
            QStringLiteral("Spojenie s databázou je prerušené. Pripojiť databázu znova ?")));
        QCOMPARE(m_dialogs->logins, 1);
        QVERIFY(Database::isAlive());
        // The next sow loads without a box.
        m_dialogs->shown.clear();
        m_dialogs->asked.clear();
        const QList<QTreeWidgetItem*> next =
            tree->findItems(QStringLiteral("00002     "), Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY(!next.isEmpty());
        tree->setCurrentItem(next.first());
        // (The demonstration rows hold no card of her: the panel says so.)
        QVERIFY2(m_dialogs->asked.isEmpty() &&
                     m_dialogs->texts().filter(QStringLiteral("Chyba")).isEmpty(),
                 qPrintable(m_dialogs->texts().join('|') + m_dialogs->asked.join('|')));
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FramePrasnice"));
    }

    // The reconnect question as the user sees it (a real message box).
    void reconnectPromptShot() {
        m_dialogs.reset(); // the real boxes
        dropConnection(*m_db);
        QString text;
        QTimer::singleShot(200, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            shoot(box, QStringLiteral("reconnect-prompt.png"));
            for (QAbstractButton* b : box->buttons())
                if (box->buttonRole(b) == QMessageBox::NoRole)
                    b->click();
        });
        m_window->switchModule(MainWindow::Module::Osipane);
        QTreeWidget* tree = m_window->treePane()->tree(TreePane::Osipane);
        tree->setCurrentItem(
            tree->findItems(QStringLiteral("00001     "), Qt::MatchExactly | Qt::MatchRecursive)
                .first());
        QVERIFY2(text.contains(QStringLiteral("Pripojiť databázu znova ?")), qPrintable(text));
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }
};

int main(int argc, char** argv) {
    Application app(argc, argv);
    TestSafetyNet test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_safety_net.moc"
