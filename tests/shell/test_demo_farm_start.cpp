// The demonstration farm offered at start: asked only on a database without
// farms, nothing done on No, the farm built, chosen and shown on Yes.
#include "HerdFixture.h"
#include "ScriptedDialogs.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "demo/DemoFarmOffer.h"
#include "shell/DemoFarmStart.h"
#include "shell/MainWindow.h"
#include "shell/StatusPanels.h"

#include <QProgressBar>
#include <QTest>
#include <QTreeWidget>

using namespace herd;

namespace {
int farms() {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM tfarmy")).toInt();
}
} // namespace

class TestDemoFarmStart : public QObject {
    Q_OBJECT

private slots:
    void noLeavesTheDatabaseEmpty() {
        TestDatabase db;
        ScriptedDialogs dialogs;
        dialogs.answers = {false};
        MainWindow window(db.settings());
        QVERIFY(!DemoFarmStart::run(window, true));
        QCOMPARE(dialogs.asked, QStringList{DemoFarmOffer::question()});
        QCOMPARE(farms(), 0);
        QCOMPARE(window.state().aktFarma, QStringLiteral(" "));
    }

    void notOfferedWhenAFarmExists() {
        TestDatabase db;
        HerdFixture::insertFarm(QStringLiteral("000001"), QStringLiteral("Farma"));
        ScriptedDialogs dialogs;
        MainWindow window(db.settings());
        QVERIFY(!DemoFarmStart::run(window, true));
        QVERIFY(!DemoFarmStart::run(window, false)); // --demo does not add a second one
        QVERIFY(dialogs.asked.isEmpty());
        QCOMPARE(farms(), 1);
    }

    void yesBuildsChoosesAndShowsTheFarm() {
        TestDatabase db;
        ScriptedDialogs dialogs; // Yes
        MainWindow window(db.settings());
        QVERIFY(DemoFarmStart::run(window, true));
        QCOMPARE(window.state().aktFarma, QStringLiteral("900001"));
        QCOMPARE(window.tickedModule(), MainWindow::Module::Osipane);
        QCOMPARE(window.treePane()->visibleTree(), int(TreePane::Osipane));
        QTreeWidget* tree = window.treePane()->tree(TreePane::Osipane);
        QVERIFY(tree->topLevelItemCount() > 0);
        QVERIFY(tree->topLevelItem(0)->isExpanded());
        QVERIFY(window.status()->progressBar()->isHidden());
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Aktuálna farma úspešne vybraná !")});
        // About 300 sows in service, three years of litters.
        const int sows =
            Sql::value(
                QStringLiteral("SELECT COUNT(*) FROM tpraspev WHERE datum_vyradenia IS NULL"))
                .toInt();
        QVERIFY2(sows >= 290 && sows <= 300, qPrintable(QString::number(sows)));
        QVERIFY(Sql::value(QStringLiteral("SELECT COUNT(*) FROM tprasopr")).toInt() > 1000);
    }
};

QTEST_MAIN(TestDemoFarmStart)
#include "test_demo_farm_start.moc"
