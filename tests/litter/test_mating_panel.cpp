// The mating report panel FrameNahlPrip: the choices, the grid typed into
// with its cell checks and Enter, the check showing the faulty rows and the
// application, answered through ScriptedDialogs.
#include "HerdFixture.h"
#include "MatingFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "batch/BatchTableModel.h"
#include "db/Sql.h"
#include "litter/FrameNahlPrip.h"
#include "widgets/RecordNavigator.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace herd;

class TestMatingPanel : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    ShellState m_state;

    static QTableView* grid(FrameNahlPrip& panel) {
        return panel.findChild<QTableView*>(QStringLiteral("DBGridVstup"));
    }
    // Types a cell and leaves it (to the next column).
    static void type(FrameNahlPrip& panel, int row, int column, const QVariant& value) {
        QTableView* g = grid(panel);
        g->setCurrentIndex(g->model()->index(row, column));
        // The cell's editor opens as the grid moves; set the value directly instead.
        for (QLineEdit* e : g->viewport()->findChildren<QLineEdit*>())
            if (!e->isHidden())
                QTest::keyClick(e, Qt::Key_Escape);
        g->model()->setData(g->model()->index(row, column), value);
        QTest::keyClick(g, Qt::Key_Return);
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

    void typeCheckApply() {
        FrameNahlPrip panel(m_state, {});
        panel.resize(900, 520);
        panel.show();
        for (const char* name : {"ComboBoxVstupDatPonuka", "ComboBoxAktualizaciaPonuka",
                                 "DBGridVstup", "DBNavigatorVstup", "PageControlNahlPrip"})
            QVERIFY2(panel.findChild<QWidget*>(QString::fromLatin1(name)), name);
        panel.ComboBoxVstupDatPonukaChange(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Nie je vytvorená dávka vstupných údajov !"});
        m_dialogs->shown.clear();
        panel.ComboBoxVstupDatPonukaChange(2);
        QCOMPARE(m_dialogs->texts(), QStringList{"Nie je vytvorená dávka vstupných údajov !"});
        QCOMPARE(m_dialogs->shown.first().title, QStringLiteral("Opis chybných záznamov dávky"));

        panel.ComboBoxVstupDatPonukaChange(0);
        QVERIFY(grid(panel)->isVisible());
        panel.findChild<RecordNavigator*>(QStringLiteral("DBNavigatorVstup"))
            ->button(RecordNavigator::Insert)
            ->click();
        QCOMPARE(grid(panel)->model()->rowCount(), 1);
        // A refused cell keeps what was typed and says why.
        m_dialogs->shown.clear();
        type(panel, 0, 0, QStringLiteral("1x"));
        QCOMPARE(m_dialogs->texts(), QStringList{"Nekorektne uvedená prasnica !"});
        QCOMPARE(m_dialogs->shown.first().title,
                 QStringLiteral("Vytvorenie/oprava dávky vstupných údajov"));
        QCOMPARE(grid(panel)->currentIndex().column(), 1); // Enter moved on
        m_dialogs->shown.clear();
        panel.ComboBoxVstupDatPonukaChange(2); // typed, not checked
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka vstupných údajov nie je skontrolovaná !"});
        m_dialogs->shown.clear();
        // Typed into the cell editors as the user types: Enter commits and moves on.
        for (int column : {0, 1}) {
            grid(panel)->setCurrentIndex(grid(panel)->model()->index(0, column));
            grid(panel)->edit(grid(panel)->currentIndex());
            QLineEdit* editor = nullptr;
            for (QLineEdit* e : grid(panel)->viewport()->findChildren<QLineEdit*>())
                if (e->isVisible())
                    editor = e;
            QVERIFY(editor);
            editor->selectAll();
            QTest::keyClicks(editor, QStringLiteral("1"));
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_COMPARE(grid(panel)->currentIndex().column(), column + 1);
        }
        QCOMPARE(grid(panel)->model()->index(0, 0).data().toString(), QStringLiteral("00001"));
        type(panel, 0, 2, QDate(2026, 3, 2));
        type(panel, 0, 3, QStringLiteral("11"));
        type(panel, 0, 4, QStringLiteral("3301"));
        type(panel, 0, 5, QStringLiteral("9"));
        type(panel, 0, 6, QStringLiteral("0"));
        QCOMPARE(grid(panel)->currentIndex().column(), 0); // from the last back to the first
        QVERIFY2(m_dialogs->texts().isEmpty(), qPrintable(m_dialogs->texts().join('|')));
        QCOMPARE(Sql::value("SELECT CONCAT(Prasnica_farma, Chovatel_chov, Linia_kanca, "
                            "Register_kanca, Pocet_REIns) FROM davka_ins")
                     .toString(),
                 QStringLiteral("0000101330100009") + QStringLiteral("0"));
        shoot(&panel, QStringLiteral("FrameNahlPrip-vstup.png"));

        // The check lists the faulty row with its message.
        panel.ComboBoxVstupDatPonukaChange(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka obsahuje chybné záznamy !"});
        QVERIFY(!grid(panel)->isColumnHidden(7));
        QCOMPARE(grid(panel)->model()->index(0, 7).data().toString(),
                 QStringLiteral("* Kanec nie je evidovaný !"));
        shoot(&panel, QStringLiteral("FrameNahlPrip-kontrola.png"));
        m_dialogs->shown.clear();
        panel.ComboBoxAktualizaciaPonukaChange(0);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka obsahuje chybné záznamy !"});

        // Corrected, checked again and applied; the batch is emptied on Yes.
        m_dialogs->answers = {false}; // No: keep the rows for correction
        panel.ComboBoxVstupDatPonukaChange(0);
        type(panel, 0, 5, QStringLiteral("1"));
        m_dialogs->shown.clear();
        panel.ComboBoxVstupDatPonukaChange(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka je bez chybných záznamov !"});
        m_dialogs->shown.clear();
        panel.ComboBoxVstupDatPonukaChange(2);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka je bez chybných záznamov !"});
        m_dialogs->shown.clear();
        panel.ComboBoxAktualizaciaPonukaChange(0);
        QCOMPARE(m_dialogs->texts(),
                 QStringList{"Databáza je aktualizovaná dávkou - pripúšťanie !"});
        QCOMPARE(Sql::value("SELECT COUNT(*) FROM tprasins").toInt(), 1);
        QCOMPARE(Sql::value("SELECT COUNT(*) FROM davka_ins").toInt(), 0);
    }
};

QTEST_MAIN(TestMatingPanel)
#include "test_mating_panel.moc"
