// The tab "Prasnice" of the bonitation frame driven as its user drives it:
// the herd chooser, the block by an unclassified sow, culling her in the
// working area, and the catalogue's preview.
#include "BonitationFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "bonitation/FrameBonit.h"
#include "bonitation/SowBonitationTab.h"
#include "db/Sql.h"
#include "demo/HerdGenerator.h"
#include "farms/ChovFar.h"
#include "farms/FarmChoice.h"
#include "reports/ReportPreviewDialog.h"
#include "shell/ContentArea.h"
#include "shell/MainWindow.h"
#include "shell/StatusPanels.h"
#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace herd;
using namespace BonitationFixture;

class TestBonitationPanel : public QObject {
    Q_OBJECT

    template <typename T> T* child(QWidget* w, const char* name) {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no %s", name);
        return c;
    }

    // Clicks the button and returns the pages of the preview it opens (0: none).
    int previewPages(QPushButton* button, const QString& shot) {
        int pages = 0;
        // Polls: the status bar's progress lets events run before the preview opens.
        QTimer answer;
        answer.setInterval(20);
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* d = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget())) {
                answer.stop();
                pages = d->preview()->pageCount();
                d->resize(1100, 800);
                shoot(d, shot);
                d->reject();
            }
        });
        answer.start();
        QTest::mouseClick(button, Qt::LeftButton);
        return pages;
    }

private slots:
    // The demonstration farm, from the bonitation tree of the main window.
    void demonstrationFarm() {
        TestDatabase db;
        DemoOptions o;
        o.sows = 40;
        o.years = 1;
        o.seed = 8;
        o.end = QDate(2026, 6, 1);
        HerdGenerator::generate(o);
        const QString demoFarm =
            Sql::value(QStringLiteral("SELECT MIN(cislo_farmy) FROM tfarmy")).toString();
        ScriptedDialogs dialogs;
        dialogs.answers = {false};
        MainWindow window(db.settings());
        window.applyFarmChoice(FarmChoice::choose(demoFarm));
        window.resize(980, 720);
        window.show();
        window.switchModule(MainWindow::Module::Bonitacie);
        QTreeWidget* tree = window.treePane()->tree(TreePane::Bonit);
        const QList<QTreeWidgetItem*> nodes =
            tree->findItems(QString::fromUtf8("Bonitácie prasníc"), Qt::MatchRecursive);
        QCOMPARE(nodes.size(), 1);
        tree->setCurrentItem(nodes[0]);
        QCOMPARE(window.content()->visibleFrame(), QStringLiteral("FrameBonit"));

        auto* chooser = child<QComboBox>(&window, "ComboBoxChovBonit");
        QVERIFY(chooser->count() >= 1);
        chooser->setCurrentIndex(0);
        emit chooser->activated(0);
        const BonitationHerd herd = window.bonitation()->sowTab()->herd();
        QTest::mouseClick(child<QPushButton>(&window, "BitBtnZatriedeniePo"), Qt::LeftButton);
        const QVariantList codes = herd.values();
        QCOMPARE(child<QueryGrid>(&window, "DBGridZatriedenie")->rows(),
                 Sql::value(QStringLiteral("SELECT COUNT(*) FROM tpraspev WHERE ") +
                                BonitationHerd::where({}),
                            codes)
                     .toInt());
        const int active = Sql::value(QStringLiteral("SELECT COUNT(*) FROM tpraspev WHERE ") +
                                          BonitationHerd::where({}) +
                                          QStringLiteral(" AND datum_vyradenia IS NULL"),
                                      codes)
                               .toInt();
        QCOMPARE(window.status()->message(),
                 QString::fromUtf8(" aktívne prasnice/čky v chove = ") + QString::number(active));
        shoot(&window, QStringLiteral("i20-demo-panel.png"));
        QVERIFY(previewPages(child<QPushButton>(&window, "BitBtnZhodnotenie"),
                             QStringLiteral("i20-demo-evaluation.png")) >= 1);
        QVERIFY(dialogs.shown.isEmpty());
    }

    void classifyCullAndPrint() {
        TestDatabase db;
        farmWithHerds();
        sow({"00001", QDate(2024, 1, 1), "4"});
        sow({"00002", QDate(2023, 5, 1), "1"});
        litter({"00002", QDate(2025, 2, 1), 1, "1", 12, 11, QDate(2025, 3, 1), 10, 64.5});
        sow({"00003", QDate(2024, 1, 1), "1", "02"});
        ChovFar::rebuild(farm);
        ScriptedDialogs dialogs;
        dialogs.answers = {false}; // no workbook after the catalogue
        ShellState state;
        state.aktFarma = farm;
        QString message;
        FrameBonit frame(state, [&message](const QString& t) { message = t; }, {});
        frame.resize(980, 640);
        frame.show();
        frame.showSows();

        auto* tabs = child<QTabWidget>(&frame, "PageControlBonit");
        QVERIFY(tabs->isTabVisible(0));
        QVERIFY(!tabs->isTabVisible(1));
        auto* chooser = child<QComboBox>(&frame, "ComboBoxChovBonit");
        QCOMPARE(chooser->count(), 2);
        QCOMPARE(chooser->itemText(1), QStringLiteral("04-07-123-02 Chov 2"));
        QVERIFY(!child<QGroupBox>(&frame, "GroupBoxPriprava")->isVisible());

        // Before a herd is chosen the printouts refuse.
        auto* tab = frame.sowTab();
        QCOMPARE(tab->herd().chosen(), false);
        chooser->setCurrentIndex(0);
        emit chooser->activated(0);
        QCOMPARE(tab->herd().code(), QStringLiteral("04-07-123-01"));
        QCOMPARE(tab->herd().name, QStringLiteral("Chov 1"));
        QVERIFY(child<QGroupBox>(&frame, "GroupBoxPriprava")->isVisible());
        QVERIFY(child<QGroupBox>(&frame, "GroupBoxZhodnotenie")->isVisible());

        QTest::mouseClick(child<QPushButton>(&frame, "BitBtnKatalog"), Qt::LeftButton);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].text,
                 QString::fromUtf8("V chove sú ešte nezatriedené (genofond) aktívne prasnice !"));

        // The working area lists every sow of the herd and counts the active ones.
        QTest::mouseClick(child<QPushButton>(&frame, "BitBtnZatriedeniePred"), Qt::LeftButton);
        auto* grid = child<QueryGrid>(&frame, "DBGridZatriedenie");
        QVERIFY(grid->isVisible());
        QCOMPARE(grid->rows(), 2);
        QCOMPARE(message, QString::fromUtf8(" aktívne prasnice/čky v chove = 2"));
        shoot(&frame, QStringLiteral("i20-classification.png"));

        // Cull the sow of class 4 (the first row).
        auto* navigator = child<RecordNavigator>(&frame, "DBNavigatorZatriedenie");
        QTest::mouseClick(navigator->button(RecordNavigator::First), Qt::LeftButton);
        QTest::mouseClick(navigator->button(RecordNavigator::Edit), Qt::LeftButton);
        child<QLineEdit>(&frame, "DBEditVyradena")->setText(QStringLiteral("01.06.2026"));
        auto* reason = child<QComboBox>(&frame, "DBLookupComboBoxDovod");
        reason->setCurrentIndex(reason->findData(QStringLiteral("05")));
        QTest::mouseClick(navigator->button(RecordNavigator::Post), Qt::LeftButton);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(message, QString::fromUtf8(" aktívne prasnice/čky v chove = 1"));
        shoot(&frame, QStringLiteral("i20-culled.png"));

        // Now the catalogue prints, and the workbook is offered.
        QCOMPARE(previewPages(child<QPushButton>(&frame, "BitBtnKatalog"),
                              QStringLiteral("i20-catalogue-preview.png")),
                 1);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.asked,
                 QStringList{QString::fromUtf8("Chceš previesť katalóg do Excel-u ? ")});
        QVERIFY(!grid->isVisible());

        // Showing the tab again forgets the herd.
        frame.showSows();
        QVERIFY(!tab->herd().chosen());
        QVERIFY(!child<QGroupBox>(&frame, "GroupBoxPriprava")->isVisible());
    }
};

QTEST_MAIN(TestBonitationPanel)
#include "test_bonitation_panel.moc"
