// The gilt, breeding-offspring, progeny-test and fattening panels as the
// zootechnician reaches them from the category tree of a generated farm: the
// group nodes' lists with their count, the second grid of the test
// individuals, the printouts (the fattening list's too), and the card of a
// selected piglet.
#include "../reports/PdfText.h"
#include "HerdFixture.h"
#include "QueryText.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "demo/HerdGenerator.h"
#include "farms/FarmChoice.h"
#include "reports/ReportPreviewDialog.h"
#include "shell/ContentArea.h"
#include "shell/MainWindow.h"
#include "shell/StatusPanels.h"
#include "views/FramePlemPotomstvo.h"
#include "views/HerdListTab.h"
#include "views/PigletTab.h"
#include "views/TabbedHerdPanel.h"
#include "widgets/QueryGrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

using namespace herd;

namespace {

const QString farm = QStringLiteral("900001");

} // namespace

class TestHerdPanels : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;

    TabbedHerdPanel* panel(const QString& frame) const {
        return qobject_cast<TabbedHerdPanel*>(m_window->content()->frame(frame));
    }
    QTreeWidget* tree() const { return m_window->treePane()->tree(TreePane::Osipane); }
    // The tree's node of this text under the farm, or one made like it.
    QTreeWidgetItem* node(const QString& text, int image = 0) const {
        const QList<QTreeWidgetItem*> found =
            tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        if (!found.isEmpty())
            return found.first();
        auto* item = new QTreeWidgetItem(tree()->topLevelItem(0), {text});
        item->setData(0, TreePane::ImageRole, image);
        return item;
    }
    void choose(QTreeWidgetItem* item) { tree()->setCurrentItem(item); }
    // Picks the list, and the item of its second choice that begins with
    // secondItem; returns the number of rows shown.
    int runList(TabbedHerdPanel* p, const QString& list, const QString& secondItem = {}) {
        auto* lists = p->findChild<QComboBox*>(QStringLiteral("ComboBoxZoznamy"));
        const int index = lists->findText(list);
        if (index < 0)
            return -1;
        emit lists->activated(index);
        if (!secondItem.isEmpty()) {
            auto* second = p->findChild<QComboBox*>(QStringLiteral("ComboBoxZoznamyV"));
            const int item = second->findText(secondItem, Qt::MatchStartsWith);
            if (item < 0)
                return -1;
            emit second->activated(item);
        }
        int rows = 0;
        for (QueryGrid* grid : p->lists()->findChildren<QueryGrid*>())
            if (grid->isVisibleTo(p))
                rows += grid->rows();
        return rows;
    }
    // Clicks "Zostava" and returns the pages of the preview it opens (0: none);
    // with `text`, the printout saved as PDF and read back.
    int printPages(TabbedHerdPanel* p, const QString& shot, QString* text = nullptr) {
        int pages = 0;
        QTemporaryDir dir;
        QTimer answer; // gone with the call, whether a preview opened or not
        answer.setSingleShot(true);
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* dialog =
                    qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget())) {
                pages = dialog->preview()->pageCount();
                shoot(dialog, shot);
                if (text) {
                    m_dialogs->saveFileAnswer = dir.filePath(QStringLiteral("zostava.pdf"));
                    dialog->findChild<QAction*>(QStringLiteral("ActionUlozitPdf"))->trigger();
                    m_dialogs->shown.clear(); // the box telling where it was saved
                    *text = pdfPages(m_dialogs->saveFileAnswer).join(QLatin1Char('\f'));
                }
                dialog->reject();
            }
        });
        answer.start(0);
        QTest::mouseClick(p->findChild<QPushButton*>(QStringLiteral("BitBtnZoznamyVykonaj")),
                          Qt::LeftButton);
        return pages;
    }

private slots:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>();
        DemoOptions o;
        o.sows = 40;
        o.years = 1;
        o.seed = 8;
        o.end = QDate(2026, 6, 1);
        HerdGenerator::generate(o);
        HerdFixture::load(QStringLiteral("progeny_fattening.sql"));
    }
    void init() {
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_window = std::make_unique<MainWindow>(m_db->settings());
        m_window->applyFarmChoice(FarmChoice::choose(farm));
        m_window->resize(980, 720);
        m_window->show();
        m_window->switchModule(MainWindow::Module::Osipane);
        m_dialogs->shown.clear();
    }
    void cleanup() {
        m_window.reset();
        m_dialogs.reset();
    }
    void cleanupTestCase() { m_db.reset(); }

    void groupNodesShowTheirLists_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("count"); // the rows of the farm, by query
        QTest::newRow("gilts") << "Prasničky"
                               << "FramePrasnicky"
                               << "Prasničky "
                               << " Aktívne prasničky v plemenitbe"
                               << ""
                               << "SELECT COUNT(*) FROM tpraspev WHERE kod_kategorie = '3' AND "
                                  "kod_vyrKU = '00'";
        QTest::newRow("offspring") << "Plem. potomstvo"
                                   << "FramePlemPotomstvo"
                                   << "Plemenné potomstvo "
                                   << " Prasničky podľa plemena/ CPH"
                                   << "12440000"
                                   << "SELECT COUNT(*) FROM tpotpoh o JOIN tpotpev l USING "
                                      "(cislo_farmy, chovatel_chov, prasnica_farma, "
                                      "datum_oprasenia) WHERE o.kod_kategorie = '3' AND "
                                      "l.plemeno_VU = '12440000'";
        QTest::newRow("progeny test") << "SVJH potomstvo"
                                      << "FrameSVJHPotomstvo"
                                      << "SVJH potomstvo "
                                      << " Skupiny VJH na farme"
                                      << ""
                                      << "SELECT COUNT(*) FROM tvjhpev WHERE cislo_farmy = "
                                         "'900001'";
        QTest::newRow("fattening") << "Výkrm"
                                   << "FrameVykrm"
                                   << "Výkrmové ošípané "
                                   << " Podľa ustajnenia"
                                   << "V01"
                                   << "SELECT COUNT(*) FROM tvykrm WHERE cislo_farmy = '900001' "
                                      "AND ustajnenie = 'V01'";
    }
    void groupNodesShowTheirLists() {
        QFETCH(QString, group);
        QFETCH(QString, frame);
        QFETCH(QString, caption);
        QFETCH(QString, list);
        QFETCH(QString, second);
        QFETCH(QString, count);
        choose(node(group));
        QCOMPARE(m_window->content()->visibleFrame(), frame);
        TabbedHerdPanel* p = panel(frame);
        QTabWidget* tabs = p->tabs();
        QCOMPARE(tabs->currentIndex(), p->cardCount());
        for (int i = 0; i < p->cardCount(); ++i)
            QVERIFY(!tabs->isTabVisible(i));
        QCOMPARE(p->lists()->groupBox()->title(), caption);
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("&Zoznamy"));

        const int rows = Sql::value(count).toInt();
        QVERIFY(rows > 0);
        QCOMPARE(runList(p, list, second), rows);
        QCOMPARE(m_window->status()->message(), QStringLiteral(" počet = %1").arg(rows));
        QVERIFY(m_dialogs->shown.isEmpty());
        shoot(m_window.get(), frame + QStringLiteral(".png"));
        // The printout: the farm in the header, titled with the chosen list
        // and its code, the grid's captions.
        QString text;
        QVERIFY(printPages(p, frame + QStringLiteral("-zostava.png"), &text) >= 1);
        QVERIFY2(text.trimmed().startsWith(QStringLiteral("Farma 900001 – ")), qPrintable(text));
        QVERIFY2(text.contains(second.isEmpty() ? list.trimmed()
                                                : list.trimmed() + QStringLiteral(" – ") + second),
                 qPrintable(text));
        QueryGrid* shown = nullptr;
        for (QueryGrid* grid : p->lists()->findChildren<QueryGrid*>())
            if (grid->isVisibleTo(p))
                shown = grid;
        const QString lastCaption =
            shown->model()
                ->headerData(shown->model()->columnCount() - 1, Qt::Horizontal)
                .toString();
        for (const QString& word : lastCaption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(text.contains(word), qPrintable(lastCaption)); // a caption may wrap

        // Another node leaves the lists: nothing chosen, the count blank.
        choose(node(QStringLiteral("Prasnice")));
        QCOMPARE(p->findChild<QComboBox*>(QStringLiteral("ComboBoxZoznamy"))->currentIndex(), -1);
        QCOMPARE(m_window->status()->message(), QStringLiteral(" "));
    }

    void testIndividualsInTheSecondGrid() {
        choose(node(QStringLiteral("SVJH potomstvo")));
        TabbedHerdPanel* p = panel(QStringLiteral("FrameSVJHPotomstvo"));
        QCOMPARE(runList(p, QStringLiteral(" Skupiny VJH na farme")), 3);
        QCOMPARE(runList(p, QStringLiteral(" Jedince VJH za kanca/ hybridizácia"),
                         QStringLiteral("1101-00045    12000000")),
                 3);
        auto* individuals = p->findChild<QueryGrid*>(QStringLiteral("DBGridZoznamyJ"));
        QVERIFY(individuals->isVisibleTo(p));
        QVERIFY(!p->findChild<QueryGrid*>(QStringLiteral("DBGridZoznamy"))->isVisibleTo(p));
        QCOMPARE(individuals->queryModel()->headerData(18, Qt::Horizontal).toString(),
                 QStringLiteral("porážka"));
        shoot(m_window.get(), QStringLiteral("FrameSVJHPotomstvo-jedince.png"));
        QVERIFY(printPages(p, QStringLiteral("FrameSVJHPotomstvo-jedince-zostava.png")) >= 1);
        QVERIFY(m_dialogs->shown.isEmpty());
    }

    void emptyListsAndNothingToPrint_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("no culled gilts") << "Prasničky"
                                         << "FramePrasnicky"
                                         << " Vyradené z KÚ"
                                         << ""
                                         << QStringList{"Nie sú evidované vyradené prasničky !",
                                                        "Nie je vytvorená zostava prasničiek !"};
        QTest::newRow("no fattening pigs of the action")
            << "Výkrm"
            << "FrameVykrm"
            << " Podľa poslednej akcie"
            << "05"
            << QStringList{"Nie sú evidované výkrmove ošípane s danou akciou !",
                           "Nie sú evidované výkrmove ošípané - zostava !"};
        QTest::newRow("no tested boars")
            << "SVJH potomstvo"
            << "FrameSVJHPotomstvo"
            << " Skupiny VJH za kanca/ hybridizácia"
            << ""
            << QStringList{"Nie sú evidované preverené kance !",
                           "Nie je vytvorená zostava SVJH potomstva !"};
    }
    void emptyListsAndNothingToPrint() {
        QFETCH(QString, group);
        QFETCH(QString, frame);
        QFETCH(QString, list);
        QFETCH(QString, second);
        QFETCH(QStringList, boxes);
        const bool noBoars = frame == QLatin1String("FrameSVJHPotomstvo");
        if (noBoars) {
            Sql::exec("CREATE TEMPORARY TABLE boars AS SELECT * FROM tkansvjh");
            Sql::exec("DELETE FROM tkansvjh");
        }
        choose(node(group));
        TabbedHerdPanel* p = panel(frame);
        QCOMPARE(runList(p, list, second), 0);
        QCOMPARE(m_window->status()->message(), QStringLiteral(" "));
        QCOMPARE(printPages(p, {}), 0);
        QCOMPARE(m_dialogs->texts(), boxes);
        if (noBoars) {
            Sql::exec("INSERT INTO tkansvjh SELECT * FROM boars");
            Sql::exec("DROP TEMPORARY TABLE boars");
        }
    }

    void pigletCardFromTheTree() {
        // The first piglet of the tree's breeding offspring.
        QTreeWidgetItem* group = node(QStringLiteral("Plem. potomstvo"));
        QVERIFY(group->childCount() > 0);
        QTreeWidgetItem* piglet = group->child(0);
        QCOMPARE(piglet->data(0, TreePane::ImageRole).toInt(), 3);
        const QString name = piglet->text(0); // dam/ear, as 00012/03
        choose(piglet);
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FramePlemPotomstvo"));
        auto* p = qobject_cast<FramePlemPotomstvo*>(panel(QStringLiteral("FramePlemPotomstvo")));
        QTabWidget* tabs = p->tabs();
        QVERIFY(!tabs->isTabVisible(FramePlemPotomstvo::Zoznamy));
        QCOMPARE(tabs->currentIndex(), int(FramePlemPotomstvo::Karta));
        auto field = [&](const char* f) {
            return tabs->currentWidget()
                ->findChild<QLineEdit*>(QStringLiteral("DBEdit") + QLatin1String(f))
                ->text();
        };
        // Its litter, dam and sire.
        const QStringList litter =
            QueryText::lines("SELECT o.prasnica_farma, DATE_FORMAT(o.datum_oprasenia, "
                             "'%d.%m.%Y'), l.linia_kanca, l.register_kanca FROM tpotpoh o JOIN "
                             "tpotpev l USING (cislo_farmy, chovatel_chov, prasnica_farma, "
                             "datum_oprasenia) WHERE o.usne_cislo = ?",
                             {p->key().key})
                .value(0)
                .split('|');
        QCOMPARE(p->key().key, name.left(5) + name.mid(6, 2));
        QCOMPARE(field("prasnica_farma"), name.left(5));
        QCOMPARE(field("prasnica_farma"), litter.value(0));
        QCOMPARE(field("datum_oprasenia"), litter.value(1));
        QCOMPARE(field("linia_kanca"), litter.value(2));
        QCOMPARE(field("register_kanca"), litter.value(3));
        QVERIFY(!field("nazov_kategorie").isEmpty());
        QVERIFY(!field("nazov_plemena").isEmpty());
        QCOMPARE(p->tab(FramePlemPotomstvo::Karta)->groupBox()->title(),
                 QStringLiteral("Potomstvo - jedinec "));
        shoot(m_window.get(), QStringLiteral("FramePlemPotomstvo-0-karta.png"));

        tabs->setCurrentIndex(FramePlemPotomstvo::Status);
        QCOMPARE(field("nazov_akcie"), QStringLiteral("Selekcia potomstva"));
        QCOMPARE(field("nazov_ustajnenia"), QStringLiteral("Škôlka"));
        shoot(m_window.get(), QStringLiteral("FramePlemPotomstvo-1-status.png"));

        tabs->setCurrentIndex(FramePlemPotomstvo::Rodokmen);
        QCOMPARE(field("jedinec"), name.trimmed());
        QCOMPARE(field("rotec"), litter.value(2) + ' ' + litter.value(3));
        shoot(m_window.get(), QStringLiteral("FramePlemPotomstvo-2-rodokmen.png"));
        QVERIFY(m_dialogs->shown.isEmpty());

        // A key the farm does not hold: the tab's box.
        m_window->state().aktJedinec = QStringLiteral("99999/99");
        p->loadActive();
        QCOMPARE(m_dialogs->texts(), QStringList{"Nie je evidovaný uvedený jedinec !"});
        QCOMPARE(m_dialogs->shown.value(0).title, QStringLiteral("Rodokmeň"));
    }
};

QTEST_MAIN(TestHerdPanels)
#include "test_herd_panels.moc"
