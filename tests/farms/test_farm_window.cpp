// The farm window as its user drives it: the three modes, the choice of the
// current farm through the combo box and the trees it fills.
#include "HerdFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "farms/FarmChoice.h"
#include "farms/FarmWindow.h"
#include "shell/ContentArea.h"
#include "shell/MainWindow.h"
#include "shell/StatusPanels.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

using namespace herd;
using HerdFixture::Counts;

namespace {

const QString noFarms = QStringLiteral("Nie sú evidované žiadne farmy !");

QTreeWidgetItem* findNode(QTreeWidget* tree, const QStringList& path) {
    QTreeWidgetItem* item = nullptr;
    for (const QString& text : path) {
        QTreeWidgetItem* next = nullptr;
        const int n = item ? item->childCount() : tree->topLevelItemCount();
        for (int i = 0; i < n && !next; ++i) {
            QTreeWidgetItem* candidate = item ? item->child(i) : tree->topLevelItem(i);
            if (candidate->text(0) == text)
                next = candidate;
        }
        if (!next)
            return nullptr;
        item = next;
    }
    return item;
}

} // namespace

class TestFarmWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;

    FarmWindow* farms() const { return m_window->farmWindow(); }

    // Chooses the farm in the combo box as the user does.
    void chooseInCombo(const QString& number) {
        QVERIFY(farms()->prepare(FarmWindow::Mode::Choice));
        farms()->show();
        QComboBox* combo = farms()->findChild<QComboBox*>(QStringLiteral("ComboBoxFarmy"));
        QVERIFY(combo && combo->isVisible());
        const int index = combo->findData(number);
        QVERIFY(index >= 0);
        combo->lineEdit()->setText(combo->itemText(index)); // keyClicks types ASCII only
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_window = std::make_unique<MainWindow>(m_db->settings());
        m_window->show();
    }
    void cleanup() {
        m_window.reset();
        m_dialogs.reset();
        m_db.reset();
    }

    void refusedWithoutFarms_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("title");
        QTest::newRow("list") << "ActionZoznamFariem"
                              << "Zoznam fariem";
        QTest::newRow("choice") << "ActionAktualnaFarma"
                                << "Aktuálna farma";
    }
    void refusedWithoutFarms() {
        QFETCH(QString, action);
        QFETCH(QString, title);
        m_dialogs->shown.clear();
        m_window->action(action)->trigger(); // would block here if the window opened
        QCOMPARE(m_dialogs->shown.size(), 1);
        QCOMPARE(m_dialogs->shown.first(), Notice::error(title, noFarms));
        QVERIFY(!farms()->isVisible());
    }

    void listMarksTheCurrentFarm() {
        HerdFixture::insertFarm(QStringLiteral("100001"), QStringLiteral("Lúky"));
        HerdFixture::insertFarm(QStringLiteral("100002"), QStringLiteral("Háj"));
        QVERIFY(FarmChoice::choose(QStringLiteral("100002")).succeeded());
        QVERIFY(farms()->prepare(FarmWindow::Mode::List));
        farms()->show();
        QCOMPARE(farms()->windowTitle(), QStringLiteral("Farmy -zoznam fariem"));
        QTableWidget* grid = farms()->findChild<QTableWidget*>(QStringLiteral("DBGridFarmy"));
        QVERIFY(grid->isVisible());
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("0"));
        QCOMPARE(grid->item(1, 3)->text(), QStringLiteral("1"));
        QVERIFY(!farms()->navigator()->isVisible());
        QVERIFY(!farms()->farmCombo()->isVisible());
        QVERIFY(!farms()->edit(QStringLiteral("Nazov_farmy"))->isEnabled());
        // Choosing a row of the grid shows that farm in the edit boxes.
        grid->setCurrentCell(1, 0);
        QCOMPARE(farms()->edit(QStringLiteral("Nazov_farmy"))->text(), QStringLiteral("Háj"));
    }

    void choiceFillsTheTreesAndAChosenSowShowsHerCard() {
        Counts c;
        c.jalovaren = 1;
        HerdFixture::insertFarm(QStringLiteral("100001"), QStringLiteral("Lúky"));
        HerdFixture::insertFarm(QStringLiteral("100002"), QStringLiteral("Háj"), c,
                                {QStringLiteral("05")});
        HerdFixture::insertAnimal(QStringLiteral("100002"), {"00012", "2", "2", "J01", "05"});
        chooseInCombo(QStringLiteral("100002"));
        QCOMPARE(m_dialogs->texts(),
                 QStringList{QStringLiteral("Aktuálna farma úspešne vybraná !")});
        QCOMPARE(m_window->state().aktFarma, QStringLiteral("100002"));
        QCOMPARE(m_window->state().aktChov, QStringLiteral("05"));
        QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("StatusFarma"))->text(),
                 QStringLiteral("  Háj"));
        QVERIFY(farms()->isVisible()); // the window stays open
        farms()->close();

        m_window->switchModule(MainWindow::Module::Osipane);
        auto* tree = m_window->findChild<QTreeWidget*>(QStringLiteral("TreeViewOsipane"));
        QTreeWidgetItem* sow = findNode(tree, {"100002", "Prasnice", "00012     "});
        QVERIFY(sow);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(sow).center());
        QCOMPARE(m_window->state().aktJedinec, QStringLiteral("00012     "));
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FramePrasnice"));
    }

    void editingAddsAFarm() {
        QVERIFY(farms()->prepare(FarmWindow::Mode::Editing));
        farms()->show();
        QCOMPARE(farms()->windowTitle(), QStringLiteral("Farmy -aktualizácia fariem"));
        RecordNavigator* nav = farms()->navigator();
        QTest::mouseClick(nav->button(RecordNavigator::Insert), Qt::LeftButton);
        QTest::keyClicks(farms()->edit(QStringLiteral("Nazov_farmy")),
                         QStringLiteral("Nova farma"));
        QTest::mouseClick(nav->button(RecordNavigator::Post), Qt::LeftButton);
        QCOMPARE(m_dialogs->texts(),
                 QStringList{QStringLiteral("Register farmy musí byť vyplnený !")});
        QVERIFY(farms()->isEditing()); // nothing typed is lost

        QTest::keyClicks(farms()->edit(QStringLiteral("Cislo_farmy")), QStringLiteral("200001"));
        QTest::keyClicks(farms()->edit(QStringLiteral("Skolka_sekcie")), QStringLiteral("4x"));
        QTest::mouseClick(nav->button(RecordNavigator::Post), Qt::LeftButton);
        QVERIFY(!farms()->isEditing());
        QCOMPARE(Sql::value(QStringLiteral("SELECT CONCAT(nazov_farmy, '|', skolka_sekcie, '|', "
                                           "karantena_sekcie) FROM tfarmy WHERE cislo_farmy = ?"),
                            {QStringLiteral("200001")})
                     .toString(),
                 QStringLiteral("Nova farma|4|0"));

        // A second farm with the same number is refused in Slovak.
        m_dialogs->shown.clear();
        QTest::mouseClick(nav->button(RecordNavigator::Insert), Qt::LeftButton);
        QTest::keyClicks(farms()->edit(QStringLiteral("Cislo_farmy")), QStringLiteral("200001"));
        QTest::mouseClick(nav->button(RecordNavigator::Post), Qt::LeftButton);
        QCOMPARE(m_dialogs->shown,
                 QList<Notice>{
                     Notice::error(QStringLiteral("Farmy"),
                                   QStringLiteral("Farma s registrom 200001 je už evidovaná !"))});
        QTest::mouseClick(nav->button(RecordNavigator::Cancel), Qt::LeftButton);
        QCOMPARE(farms()->edit(QStringLiteral("Cislo_farmy"))->text(), QStringLiteral("200001"));
    }

    // Edits the farm's fields (the current row, or a new farm when number is
    // set) and posts them; returns what the window showed.
    QStringList post(const QMap<QString, QString>& fields) {
        m_dialogs->shown.clear();
        RecordNavigator* nav = farms()->navigator();
        QTest::mouseClick(nav->button(RecordNavigator::Edit), Qt::LeftButton);
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            farms()->edit(it.key())->clear();
            QTest::keyClicks(farms()->edit(it.key()), it.value());
        }
        QTest::mouseClick(nav->button(RecordNavigator::Post), Qt::LeftButton);
        return m_dialogs->texts();
    }

    // What the database could not keep, or could keep only wrongly, is refused
    // in the farm window with a Slovak message, and the typed values stay.
    void refusedEdits_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("animals"); // the farm holds herd rows
        QTest::addColumn<QString>("message");
        QTest::newRow("100 sections")
            << "Skolka_sekcie"
            << "100" << false << "Počet sekcií - Škôlka - môže byť najviac 99 !";
        QTest::newRow("9999 boxes")
            << "Jalovaren_IndBox"
            << "9999" << false << "Počet sekcií - Jalováreň - ind. boxy - môže byť najviac 99 !";
        QTest::newRow("another farm's number")
            << "Cislo_farmy"
            << "200002" << false << "Farma s registrom 200002 je už evidovaná !";
        QTest::newRow("renumbered with animals")
            << "Cislo_farmy"
            << "200009" << true
            << "Register farmy 200001 nie je možné zmeniť, farma má v databáze evidované "
               "ošípané !";
    }
    void refusedEdits() {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(bool, animals);
        QFETCH(QString, message);
        HerdFixture::insertFarm(QStringLiteral("200001"), QStringLiteral("Prvá"));
        HerdFixture::insertFarm(QStringLiteral("200002"), QStringLiteral("Druhá"));
        if (animals)
            HerdFixture::insertAnimal(QStringLiteral("200001"), {"00012     ", "2", "2", "J01"});
        QVERIFY(farms()->prepare(FarmWindow::Mode::Editing));
        farms()->show();
        QCOMPARE(post({{column, value}}), QStringList{message});
        QVERIFY(farms()->isEditing());
        QCOMPARE(farms()->edit(column)->text(), value);
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM tfarmy WHERE cislo_farmy = ? "
                                           "AND Skolka_sekcie = 0 AND Jalovaren_IndBox = 0"),
                            {QStringLiteral("200001")})
                     .toInt(),
                 1);
    }

    // A farm without animals may take another number; empty day counts stay
    // unknown, not 0, in the database and on the form.
    void renumberedAndEmptyDayCounts() {
        HerdFixture::insertFarm(QStringLiteral("200001"), QStringLiteral("Prvá"));
        QVERIFY(farms()->prepare(FarmWindow::Mode::Editing));
        farms()->show();
        QCOMPARE(post({{QStringLiteral("Cislo_farmy"), QStringLiteral("200003")},
                       {QStringLiteral("Dni_odstavu"), QString()},
                       {QStringLiteral("Dni_skolka"), QStringLiteral("35")},
                       {QStringLiteral("Skolka_sekcie"), QStringLiteral("99")}}),
                 QStringList());
        QVERIFY(!farms()->isEditing());
        QCOMPARE(Sql::value(QStringLiteral("SELECT CONCAT_WS('|', cislo_farmy, "
                                           "COALESCE(Dni_odstavu, 'NULL'), COALESCE(Dni_vykrm, "
                                           "'NULL'), Dni_skolka, Skolka_sekcie) FROM tfarmy"))
                     .toString(),
                 QStringLiteral("200003|NULL|NULL|35|99"));
        QVERIFY(farms()->prepare(FarmWindow::Mode::Editing));
        QCOMPARE(farms()->edit(QStringLiteral("Dni_odstavu"))->text(), QString());
        QCOMPARE(farms()->edit(QStringLiteral("Dni_vykrm"))->text(), QString());
        QCOMPARE(farms()->edit(QStringLiteral("Dni_skolka"))->text(), QStringLiteral("35"));
    }

    void demoFarmHousingTree() {
        HerdFixture::load(QStringLiteral("demo_farm.sql"));
        chooseInCombo(QStringLiteral("123456"));
        shoot(farms(), QStringLiteral("farm-window-choice.png"));
        farms()->close();
        m_window->switchModule(MainWindow::Module::Ustajnenia);
        auto* tree = m_window->findChild<QTreeWidget*>(QStringLiteral("TreeViewUstajnenia"));
        QVERIFY(tree->isVisible());
        QCOMPARE(tree->topLevelItem(0)->childCount(), 7);
        QVERIFY(findNode(tree, {"123456", "Matečník", "Sekcia -M01", "00005     "}));
        QVERIFY(findNode(tree, {"123456", "Kančín", "          ", "1101 00004"}));
        shoot(m_window.get(), QStringLiteral("main-window-housing-tree.png"));
        m_window->switchModule(MainWindow::Module::Osipane);
        shoot(m_window.get(), QStringLiteral("main-window-category-tree.png"));
        QVERIFY(farms()->prepare(FarmWindow::Mode::Editing));
        farms()->show();
        shoot(farms(), QStringLiteral("farm-window-editing.png"));
        QVERIFY(farms()->prepare(FarmWindow::Mode::List));
        shoot(farms(), QStringLiteral("farm-window-list.png"));
    }
};

QTEST_MAIN(TestFarmWindow)
#include "test_farm_window.moc"
