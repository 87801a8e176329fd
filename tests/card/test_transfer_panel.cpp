// The transfer panel PanelPres: the grid typed into with its cell checks, the
// check showing the faulty rows and the application, answered through
// ScriptedDialogs.
#include "HerdFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "SowMoveFixture.h"
#include "TestDatabase.h"
#include "card/PanelPres.h"
#include "db/Sql.h"
#include "widgets/RecordNavigator.h"

#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace herd;

class TestTransferPanel : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    ShellState m_state;

    static QTableView* grid(PanelPres& panel) {
        return panel.findChild<QTableView*>(QStringLiteral("DBGridVstup"));
    }
    // Types a cell and leaves it with Enter (to the next column).
    static void type(PanelPres& panel, int row, int column, const QString& value) {
        QTableView* g = grid(panel);
        g->setCurrentIndex(g->model()->index(row, column));
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
        HerdFixture::insertFarm(QStringLiteral("123456"), QStringLiteral("Farma Dolné Vestenice"));
        m_state.aktFarma = QStringLiteral("123456");
        SowMoveFixture::sowWithRecords({"123456", "24", "02", "581", "01"}, "00001");
    }
    void cleanup() {
        m_dialogs.reset();
        m_db.reset();
    }

    void typeCheckApply() {
        PanelPres panel(m_state, {});
        panel.resize(1000, 460);
        panel.show();
        panel.ComboBoxVstupDatPonukaChange(0);
        QVERIFY(grid(panel)->isVisible());
        panel.findChild<RecordNavigator*>(QStringLiteral("DBNavigatorVstup"))
            ->button(RecordNavigator::Insert)
            ->click();
        // Zeros alone and letters are refused when the cell is left.
        type(panel, 0, 0, QStringLiteral("24"));
        type(panel, 0, 1, QStringLiteral("2"));
        m_dialogs->shown.clear();
        type(panel, 0, 2, QStringLiteral("000"));
        type(panel, 0, 2, QStringLiteral("5x1"));
        // Going back leaves the empty herd cell, which is refused too.
        QCOMPARE(m_dialogs->texts(), (QStringList{"Nekorektne uvedený pôvodný závod !",
                                                  "Nekorektne uvedený pôvodný chov !",
                                                  "Nekorektne uvedený pôvodný závod !"}));
        type(panel, 0, 2, QStringLiteral("581"));
        m_dialogs->shown.clear();
        const QStringList rest{"1", "1", "24", "02", "581", "1"};
        for (int c = 0; c < rest.size(); ++c)
            type(panel, 0, 3 + c, rest[c]);
        QVERIFY2(m_dialogs->texts().isEmpty(), qPrintable(m_dialogs->texts().join('|')));
        QCOMPARE(grid(panel)->model()->index(0, 2).data().toString(), QStringLiteral("581"));
        QCOMPARE(grid(panel)->model()->index(0, 1).data().toString(), QStringLiteral("02"));
        shoot(&panel, QStringLiteral("PanelPres-vstup.png"));

        // New codes equal to the former ones: the check marks the row.
        panel.ComboBoxVstupDatPonukaChange(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka obsahuje chybné záznamy !"});
        QCOMPARE(grid(panel)->model()->index(0, 9).data().toString(),
                 QString::fromUtf8("* Nový chovateľ je zhodný s pôvodným !"));
        shoot(&panel, QStringLiteral("PanelPres-kontrola.png"));
        m_dialogs->shown.clear();
        panel.ComboBoxAktualizaciaPonukaChange(0);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka obsahuje chybné záznamy !"});

        m_dialogs->answers = {false}; // keep the row for correction
        panel.ComboBoxVstupDatPonukaChange(0);
        type(panel, 0, 8, QStringLiteral("5"));
        m_dialogs->shown.clear();
        panel.ComboBoxVstupDatPonukaChange(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka je bez chybných záznamov !"});
        m_dialogs->shown.clear();
        panel.ComboBoxAktualizaciaPonukaChange(0);
        QCOMPARE(m_dialogs->texts(), QStringList{"Presun prasníc ukončený !"});
        QCOMPARE(Sql::value("SELECT chovatel_chov FROM tpraspev").toString(), QStringLiteral("05"));
        QCOMPARE(Sql::value("SELECT COUNT(*) FROM dprepra").toInt(), 1);
        QCOMPARE(Sql::value("SELECT COUNT(*) FROM davka_presun").toInt(), 0);
    }
};

QTEST_MAIN(TestTransferPanel)
#include "test_transfer_panel.moc"
