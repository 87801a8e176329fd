// The litter report panel FrameNahlVrhu: the grid typed into with the cell
// rules judged against the row, the check showing the faulty rows, the
// application and the day's two printouts, answered through ScriptedDialogs.
#include "HerdFixture.h"
#include "LitterFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "litter/FrameNahlVrhu.h"
#include "widgets/RecordNavigator.h"

#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace herd;

namespace {
const QDate mated(2026, 1, 5);
const QDate farrowed = mated.addDays(115);
} // namespace

class TestLitterPanel : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    ShellState m_state;

    static QTableView* grid(FrameNahlVrhu& panel) {
        return panel.findChild<QTableView*>(QStringLiteral("DBGridVstup"));
    }
    // Types a cell and leaves it with Enter (to the next column).
    static void type(FrameNahlVrhu& panel, int column, const QVariant& value) {
        QTableView* g = grid(panel);
        g->setCurrentIndex(g->model()->index(0, column));
        // The cell's editor opens as the grid moves; set the value directly instead.
        for (QLineEdit* e : g->viewport()->findChildren<QLineEdit*>())
            if (!e->isHidden())
                QTest::keyClick(e, Qt::Key_Escape);
        g->model()->setData(g->model()->index(0, column), value);
        QTest::keyClick(g, Qt::Key_Return);
    }
    QString cell(FrameNahlVrhu& panel, int column) {
        return grid(panel)->model()->index(0, column).data(Qt::EditRole).toString();
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        HerdFixture::insertFarm(MatingFixture::farm, QStringLiteral("Farma Dolné Vestenice"));
        m_state.aktFarma = MatingFixture::farm;
        MatingFixture::sow("00001");
        MatingFixture::boar("3301", "00001");
        MatingFixture::mating("00001", mated);
    }
    void cleanup() {
        m_dialogs.reset();
        m_db.reset();
    }

    void typeCheckApplyPrint() {
        FrameNahlVrhu panel(m_state, {});
        panel.resize(980, 560);
        panel.show();
        for (const char* name : {"ComboBoxVstupDatPonuka", "ComboBoxAktualizaciaPonuka",
                                 "DBGridVstup", "DBNavigatorVstup", "PageControlNahlVrhu"})
            QVERIFY2(panel.findChild<QWidget*>(QString::fromLatin1(name)), name);
        panel.ComboBoxVstupDatPonukaChange(0);
        panel.findChild<RecordNavigator*>(QStringLiteral("DBNavigatorVstup"))
            ->button(RecordNavigator::Insert)
            ->click();
        type(panel, 0, QStringLiteral("1"));
        type(panel, 1, QStringLiteral("1"));
        type(panel, 2, farrowed);
        type(panel, 3, QStringLiteral("1"));
        // Born alive above born in all is refused and stays as typed.
        type(panel, 4, QStringLiteral("10"));
        type(panel, 5, QStringLiteral("11"));
        QCOMPARE(m_dialogs->texts(), QStringList{"Nekorektné počty Všetkých a Živo narodených !"});
        QCOMPARE(m_dialogs->shown.first().title,
                 QStringLiteral("Vytvorenie/oprava dávky vstupných údajov"));
        QCOMPARE(cell(panel, 5), QStringLiteral("11"));
        type(panel, 4, QStringLiteral("12")); // leaving the untyped reared count is refused too
        m_dialogs->shown.clear();
        type(panel, 6, QStringLiteral("10"));
        type(panel, 7, QStringLiteral("685")); // typed without its decimal point
        type(panel, 8, farrowed.addDays(28));
        type(panel, 9, QStringLiteral("2"));
        QCOMPARE(grid(panel)->currentIndex().column(), 0); // from the last back to the first
        QVERIFY2(m_dialogs->texts().isEmpty(), qPrintable(m_dialogs->texts().join('|')));
        QCOMPARE(cell(panel, 0) + cell(panel, 1) + "|" + cell(panel, 7),
                 QStringLiteral("0000101|68.5"));
        shoot(&panel, QStringLiteral("FrameNahlVrhu-vstup.png"));

        // A second row of another herd's unknown sow: the check lists it alone.
        panel.findChild<RecordNavigator*>(QStringLiteral("DBNavigatorVstup"))
            ->button(RecordNavigator::Insert)
            ->click();
        LitterFixture::Row other = LitterFixture::Row::on(farrowed);
        other.herd = QStringLiteral("02");
        Sql::exec(QStringLiteral("DELETE FROM davka_vrh WHERE Prasnica_farma IS NULL"));
        other.insert();
        panel.ComboBoxVstupDatPonukaChange(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka obsahuje chybné záznamy !"});
        QVERIFY(!grid(panel)->isColumnHidden(10));
        int shown = 0;
        for (int i = 0; i < grid(panel)->model()->rowCount(); ++i)
            if (!grid(panel)->isRowHidden(i)) {
                ++shown;
                QCOMPARE(grid(panel)->model()->index(i, 10).data().toString(),
                         QStringLiteral("* Prasnica nie je evidovaná !"));
            }
        QCOMPARE(shown, 1);
        shoot(&panel, QStringLiteral("FrameNahlVrhu-kontrola.png"));

        Sql::exec(QStringLiteral("DELETE FROM davka_vrh WHERE Chovatel_chov = '02'"));
        m_dialogs->shown.clear();
        panel.ComboBoxVstupDatPonukaChange(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka je bez chybných záznamov !"});
        m_dialogs->shown.clear();
        m_dialogs->answers = {false}; // keep the applied batch
        panel.ComboBoxAktualizaciaPonukaChange(0);
        QCOMPARE(m_dialogs->texts(), QStringList{"Databáza je aktualizovaná dávkou - oprasenia !"});
        QCOMPARE(Sql::value("SELECT hmotnost_vrhu_dochov FROM tprasopr").toString(),
                 QStringLiteral("68.5"));

        // The day's printouts: a day without documents names both kinds.
        m_dialogs->shown.clear();
        m_dialogs->dateAnswer = QDate(2000, 1, 1);
        panel.ComboBoxAktualizaciaPonukaChange(1);
        QCOMPARE(m_dialogs->texts(),
                 (QStringList{"Nie sú dáta Oš22 - oprasenia s uvedeným dátumom aktualizácie !",
                              "Nie sú dáta Oš23 - odstavy s uvedeným dátumom aktualizácie !"}));
        QCOMPARE(m_dialogs->shown.first().title, QStringLiteral("Opis vstupných údajov dávky"));
        QCOMPARE(m_dialogs->dateCaptions, QStringList{"Zadaj dátum aktualizácie"});
    }
};

QTEST_MAIN(TestLitterPanel)
#include "test_litter_panel.moc"
