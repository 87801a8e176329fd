// The warehouse window as the user drives it: activities, the period,
// browsing, deleting with a question, and the export's boxes.
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "register/MatingDocument.h"
#include "register/WarehouseWindow.h"

#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace herd;

namespace {
constexpr int matings = 3;
const QDate day(2021, 5, 10);

void writeMatings(int count) {
    for (int i = 0; i < count; ++i)
        MatingDocument::writeMating({QStringLiteral("00000%1").arg(i % 2 + 1),
                                     {},
                                     QStringLiteral("1"),
                                     {},
                                     day,
                                     QStringLiteral("343"),
                                     QStringLiteral("1199"),
                                     QStringLiteral("4039"),
                                     0});
    Sql::exec(QStringLiteral("UPDATE dos3 SET datum_vytvorenia = ?"), {day});
}
} // namespace

class TestWarehouseWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<WarehouseWindow> m_window;
    // Whether the box of written types was visible at each step of an export.
    QList<bool> m_memoVisible;

    QWidget* child(const char* name) const {
        return m_window->findChild<QWidget*>(QString::fromLatin1(name));
    }
    void choosePeriod(int activity, const QDate& from, const QDate& to) {
        m_window->chooseActivity(activity);
        m_window->fromDate()->setDate(from);
        m_window->toDate()->setDate(to);
        m_window->confirmButton()->click();
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_root = std::make_unique<QTemporaryDir>();
        const Config config = Config::load(m_root->path());
        config.ensureFolders();
        m_memoVisible.clear();
        m_window = std::make_unique<WarehouseWindow>(config, [this](int total, int) {
            if (total > 0)
                m_memoVisible.append(child("MemoTypy")->isVisible());
        });
        m_window->show();
        writeMatings(3);
    }
    void cleanup() {
        m_window.reset();
        m_root.reset();
        m_dialogs.reset();
        m_db.reset();
    }

    void activitiesShowTheirParts_data() {
        QTest::addColumn<int>("activity");
        QTest::addColumn<bool>("types");
        QTest::addColumn<bool>("period");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<bool>("navigator");
        QTest::newRow("whole") << 0 << true << false << true << true;
        QTest::newRow("by period") << 1 << false << true << true << true;
        QTest::newRow("delete") << 2 << false << true << true << false;
        QTest::newRow("export") << 3 << false << true << false << false;
    }
    void activitiesShowTheirParts() {
        QFETCH(int, activity);
        QFETCH(bool, types);
        QFETCH(bool, period);
        QFETCH(bool, grid);
        QFETCH(bool, navigator);
        QVERIFY(!child("PanelObdobie")->isVisible());
        QVERIFY(!child("GroupBoxTypyDat")->isVisible());
        m_window->chooseActivity(activity);
        QCOMPARE(child("GroupBoxTypyDat")->isVisible(), types);
        QCOMPARE(child("PanelObdobie")->isVisible(), period);
        QCOMPARE(child("DBGridSklad")->isVisible(), grid);
        QCOMPARE(child("DBNavigatorSklad")->isVisible(), navigator);
        if (period)
            QCOMPARE(m_window->fromDate()->date(), QDate::currentDate());
    }

    void reversedPeriodIsRefused() {
        choosePeriod(1, day, day.addDays(-1));
        QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("Chybne vybrané obdobie !")});
        QVERIFY(!child("GroupBoxTypyDat")->isVisible());
    }

    void browseAPeriod() {
        choosePeriod(1, day, day);
        QVERIFY(child("GroupBoxTypyDat")->isVisible());
        m_window->chooseType(matings);
        QCOMPARE(m_window->grid()->model()->rowCount(), 3);
        QVERIFY(!child("PanelObdobie")->isVisible());
    }

    void deleteAsksFirst() {
        choosePeriod(2, day, day);
        m_dialogs->answers = {false};
        m_window->chooseType(matings);
        QCOMPARE(m_dialogs->asked.size(), 1);
        QVERIFY(m_dialogs->asked.first().contains(QStringLiteral("3 doklady")));
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM dos3")).toInt(), 3);

        m_dialogs->answers = {true};
        m_window->chooseType(matings);
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM dos3")).toInt(), 0);
        QCOMPARE(m_dialogs->texts().last(), QStringLiteral("Vybrané dáta - zrušené !"));
    }

    void exportShowsItsBoxes() {
        choosePeriod(3, day, day);
        const QStringList texts = m_dialogs->texts();
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.first(), QStringLiteral("Dáta OS03 sú vytvorené !"));
        QVERIFY(texts.last().startsWith(QStringLiteral("Dáta (ROZA_ QTM.zip) sú vytvorené v ")));
        QVERIFY(QFile::exists(m_root->path() + QStringLiteral("/DATA_exp/ROZA_qtm.zip")));
        // The box of written types is seen while the export runs, and after.
        QVERIFY(!m_memoVisible.isEmpty());
        QVERIFY(!m_memoVisible.contains(false));
        auto* memo = m_window->findChild<QPlainTextEdit*>(QStringLiteral("MemoTypy"));
        QVERIFY(memo->isVisible());
        QCOMPARE(memo->toPlainText(), QString::fromUtf8("Dáta OŠ-3"));
        shoot(m_window.get(), QStringLiteral("warehouse-export.png"));
    }
};

QTEST_MAIN(TestWarehouseWindow)
#include "test_warehouse_window.moc"
