// The batch grids as they are typed into: a whole row with Enter only (one
// Enter, one column), a row header making its row current, deleting a row
// after asking, and a value no cell of the column may hold refused with the
// cell's own message and offered again for correction.
#include "../litter/LitterFixture.h"
#include "../litter/OffspringFixture.h"
#include "HerdFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "litter/FrameNahlPrip.h"
#include "litter/FrameNahlVrhu.h"
#include "litter/FrameSelPotomstva.h"
#include "widgets/RecordNavigator.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace herd;

namespace {

const QDate mated(2026, 1, 5);
const QDate farrowed = mated.addDays(115);

QLineEdit* openEditor(QTableView* grid) {
    for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>())
        if (!e->isHidden())
            return e;
    return nullptr;
}

// Types each value into the cell's editor and ends it with Enter, as the
// user does. After each Enter the grid stands exactly one column further
// (from the last typed column back to the first).
void typeRow(QTableView* grid, int first, const QStringList& values) {
    for (int i = 0; i < values.size(); ++i) {
        const QString& v = values[i];
        QCOMPARE(grid->currentIndex().column(), first + i);
        if (!openEditor(grid))
            grid->edit(grid->currentIndex());
        QLineEdit* editor = openEditor(grid);
        QVERIFY2(editor, qPrintable(v));
        editor->selectAll();
        QTest::keyClicks(editor, v);
        QTest::keyClick(editor, Qt::Key_Return);
        // The grid moves once the editor is closed (the next cell's editor
        // then opens); a second move would follow at once, so wait a little.
        const int next = i + 1 < values.size() ? first + i + 1 : first;
        QTRY_COMPARE(grid->currentIndex().column(), next);
        QTest::qWait(50);
        QCOMPARE(grid->currentIndex().column(), next);
    }
}

QString batchRow(const char* sql) {
    return Sql::value(QString::fromLatin1(sql)).toString();
}

} // namespace

class TestBatchGrids : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    ShellState m_state;

    static QTableView* grid(QWidget& panel, const char* name = "DBGridVstup") {
        return panel.findChild<QTableView*>(QString::fromLatin1(name));
    }
    static void navigate(QWidget& panel, RecordNavigator::Button button) {
        panel.findChild<RecordNavigator*>(QStringLiteral("DBNavigatorVstup"))
            ->button(button)
            ->click();
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        HerdFixture::insertFarm(MatingFixture::farm, QStringLiteral("Farma Dolné Vestenice"));
        m_state.aktFarma = MatingFixture::farm;
        MatingFixture::sow("00001");
        MatingFixture::boar("3301", "00001");
    }
    void cleanup() {
        m_dialogs.reset();
        m_db.reset();
    }

    void matingRowWithEnterOnly() {
        FrameNahlPrip panel(m_state, {});
        panel.resize(900, 400);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.ComboBoxVstupDatPonukaChange(0);
        navigate(panel, RecordNavigator::Insert); // the first cell's editor opens
        typeRow(grid(panel), 0, {"1", "1", "02.03.2026", "11", "3301", "1", "2"});
        QCOMPARE(batchRow("SELECT CONCAT_WS('|', Prasnica_farma, Chovatel_chov, "
                          "Datum_pripustenia, Kod_pripustenia, Linia_kanca, Register_kanca, "
                          "Pocet_REIns) FROM davka_ins"),
                 QStringLiteral("00001|01|2026-03-02|11|3301|00001|2"));
        QVERIFY2(m_dialogs->texts().isEmpty(), qPrintable(m_dialogs->texts().join('|')));
        shoot(&panel, QStringLiteral("grid-typed-with-enter.png"));
    }

    void litterRowWithEnterOnly() {
        MatingFixture::mating("00001", mated);
        FrameNahlVrhu panel(m_state, {});
        panel.resize(980, 400);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.ComboBoxVstupDatPonukaChange(0);
        navigate(panel, RecordNavigator::Insert); // the first cell's editor opens
        typeRow(grid(panel), 0,
                {"1", "1", farrowed.toString("dd.MM.yyyy"), "1", "12", "11", "10", "1620",
                 farrowed.addDays(28).toString("dd.MM.yyyy"), "2"});
        QCOMPARE(batchRow("SELECT CONCAT_WS('|', Prasnica_farma, Chovatel_chov, Kod_charVrh, "
                          "Vsetky_nar, Zivo_nar, Pocet_dochov, Hmotnost_vrhu_dochov, Kod_VyV) "
                          "FROM davka_vrh"),
                 QStringLiteral("00001|01|1|12|11|10|162.0|2"));
        QVERIFY2(m_dialogs->texts().isEmpty(), qPrintable(m_dialogs->texts().join('|')));
    }

    void offspringRowWithEnterOnly() {
        OffspringFixture::weanedLitter("44410", farrowed, 2);
        FrameSelPotomstva panel(m_state, {});
        panel.resize(900, 500);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        m_dialogs->answers = {false}; // no additional litter
        panel.ComboBoxVstupDatPonukaChange(0);
        QTableView* piglets = grid(panel, "DBGridUsc");
        QCOMPARE(piglets->currentIndex().column(), 2);
        typeRow(piglets, 2, {"20", "3", "14"});
        QCOMPARE(batchRow("SELECT CONCAT_WS('|', Usne_cislo, Kod_kategorie, Cecky) FROM davka_pot "
                          "ORDER BY davka_pot_ID LIMIT 1"),
                 QStringLiteral("0000020|3|14"));
    }

    // The row the user points at becomes current; deleting asks first.
    void rowHeaderAndDelete() {
        MatingFixture::row("00001", mated);
        MatingFixture::row("00002", mated);
        FrameNahlPrip panel(m_state, {});
        panel.resize(900, 400);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        m_dialogs->answers = {false}; // keep the rows
        panel.ComboBoxVstupDatPonukaChange(0);
        QTableView* g = grid(panel);
        QCOMPARE(g->currentIndex().row(), 0);
        QHeaderView* rows = g->verticalHeader();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          QPoint(rows->width() / 2, rows->sectionViewportPosition(1) + 5));
        QCOMPARE(g->currentIndex().row(), 1);
        m_dialogs->answers = {false};
        m_dialogs->asked.clear();
        navigate(panel, RecordNavigator::Delete);
        QCOMPARE(m_dialogs->asked, QStringList{"Zmazať záznam ?"});
        QCOMPARE(g->model()->rowCount(), 2);
        navigate(panel, RecordNavigator::Delete); // Yes
        QCOMPARE(batchRow("SELECT GROUP_CONCAT(Prasnica_farma) FROM davka_ins"),
                 QStringLiteral("00001"));
    }

    // A value longer than the cell may hold: the cell's message, not the
    // database's, and the editor open again with the typed text.
    void overLongValueKeptForCorrection() {
        MatingFixture::row("00001", mated);
        FrameNahlPrip panel(m_state, {});
        panel.resize(900, 400);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        m_dialogs->answers = {false}; // keep the rows
        panel.ComboBoxVstupDatPonukaChange(0);
        m_dialogs->shown.clear();
        QTableView* g = grid(panel);
        g->setCurrentIndex(g->model()->index(0, 4));
        const QString typed = QStringLiteral("330133013301330133013301");
        g->edit(g->currentIndex());
        openEditor(g)->selectAll();
        QTest::keyClicks(openEditor(g), typed);
        QTest::keyClick(openEditor(g), Qt::Key_Return);
        QTRY_COMPARE(m_dialogs->texts(), QStringList{"Nekorektne uvedená línia kanca !"});
        QTRY_VERIFY(openEditor(g));
        QCOMPARE(openEditor(g)->text(), typed);
        shoot(&panel, QStringLiteral("grid-over-long-kept.png"));
        QCOMPARE(g->currentIndex().column(), 4);
        QCOMPARE(batchRow("SELECT Linia_kanca FROM davka_ins"), QStringLiteral("3301"));
    }

    // A row that reached the batch by another way is refused by the check
    // with its cell's message.
    void hostileRowShown() {
        MatingFixture::mating("00001", mated);
        LitterFixture::Row r = LitterFixture::Row::on(farrowed);
        r.born = QStringLiteral("40000");
        r.insert();
        FrameNahlVrhu panel(m_state, {});
        panel.resize(980, 300);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.ComboBoxVstupDatPonukaChange(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka obsahuje chybné záznamy !"});
        QTableView* g = grid(panel);
        QCOMPARE(g->model()->index(0, g->model()->columnCount() - 1).data().toString(),
                 QString::fromUtf8("* Nekorektne uvedený počet Všetkých narodených !"));
        shoot(&panel, QStringLiteral("grid-hostile-row.png"));
    }
};

QTEST_MAIN(TestBatchGrids)
#include "test_batch_grids.moc"
