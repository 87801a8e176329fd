// The offspring selection panel FrameSelPotomstva: creation with and without
// the additional sow-litter, the litter list linked to the piglet grid, the
// cell checks and Enter, the check and the application, answered through
// ScriptedDialogs.
#include "HerdFixture.h"
#include "OffspringFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "litter/FrameSelPotomstva.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

using namespace herd;

namespace {
const QDate born(2026, 1, 10);
}

class TestOffspringPanel : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    ShellState m_state;

    template <typename T> static T* child(FrameSelPotomstva& panel, const char* name) {
        return panel.findChild<T*>(QString::fromLatin1(name));
    }
    static QTableView* piglets(FrameSelPotomstva& panel) {
        return child<QTableView>(panel, "DBGridUsc");
    }
    // Types a cell and leaves it with Enter.
    static void type(FrameSelPotomstva& panel, int row, int column, const QString& value) {
        QTableView* g = piglets(panel);
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
        MatingFixture::boar("3301", "00001");
        OffspringFixture::weanedLitter("44410", born, 3);
        OffspringFixture::weanedLitter("44420", born, 2);
        OffspringFixture::weanedLitter("00009", born, 4);
        Sql::exec(QStringLiteral("UPDATE tpraspev SET kod_akcie = '05' "
                                 "WHERE prasnica_farma = '00009'"));
    }
    void cleanup() {
        m_dialogs.reset();
        m_db.reset();
    }

    void createTypeCheckApply() {
        FrameSelPotomstva panel(m_state, {});
        panel.resize(900, 560);
        panel.show();
        for (const char* name :
             {"ComboBoxVstupDatPonuka", "ComboBoxAktualizaciaPonuka", "DBGridZakl", "DBGridUsc",
              "DBNavigatorUsc", "MaskEditPras", "DateTimePickerVrh", "BitBtnPotvrd"})
            QVERIFY2(panel.findChild<QWidget*>(QString::fromLatin1(name)), name);
        // No additional litter.
        m_dialogs->answers = {false};
        panel.ComboBoxVstupDatPonukaChange(0);
        QCOMPARE(m_dialogs->asked, QStringList{"Chceš dohlásiť dodatočnú prasnicu-vrh ? "});
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka potomstva na selekciu je vytvorená !"});
        QTableView* litters = child<QTableView>(panel, "DBGridZakl");
        QVERIFY(litters->isVisible());
        QCOMPARE(litters->model()->rowCount(), 2);
        QCOMPARE(litters->model()->headerData(3, Qt::Horizontal).toString(),
                 QStringLiteral("por."));
        // The piglet grid shows the chosen litter's rows.
        QCOMPARE(piglets(panel)->model()->rowCount(), 3);
        litters->setCurrentIndex(litters->model()->index(1, 0));
        QCOMPARE(piglets(panel)->model()->rowCount(), 2);
        QCOMPARE(piglets(panel)->model()->index(0, 0).data().toString(), QStringLiteral("44420"));
        litters->setCurrentIndex(litters->model()->index(0, 0));

        // A bad ear number is reset and refused; Enter moves on, from the
        // last column back to the first typed one.
        m_dialogs->shown.clear();
        type(panel, 0, 2, QStringLiteral("abc"));
        QCOMPARE(m_dialogs->texts(), QStringList{"Nekorektne uvedené ušné číslo !"});
        QCOMPARE(piglets(panel)->model()->index(0, 2).data().toString(), QStringLiteral("0000000"));
        QCOMPARE(piglets(panel)->currentIndex().column(), 3);
        m_dialogs->shown.clear();
        type(panel, 0, 2, QStringLiteral("20"));
        type(panel, 0, 3, QStringLiteral("3"));
        type(panel, 0, 4, QStringLiteral("7"));
        QCOMPARE(piglets(panel)->currentIndex().column(), 2);
        type(panel, 1, 2, QStringLiteral("0000020"));
        type(panel, 1, 3, QStringLiteral("5"));
        QCOMPARE(m_dialogs->texts().join("|"),
                 QStringLiteral("Nekorektne uvedená kategória - 3,4,6,7,9 !"));
        type(panel, 1, 3, QStringLiteral("6"));
        QCOMPARE(Sql::value("SELECT GROUP_CONCAT(CONCAT(Usne_cislo, Kod_kategorie, Cecky) "
                            "ORDER BY davka_pot_ID) FROM davka_pot WHERE Usne_cislo > '0000000'")
                     .toString(),
                 QStringLiteral("0000020307,0000020600"));
        shoot(&panel, QStringLiteral("FrameSelPotomstva-vstup.png"));

        // Duplicates: the check and the application refuse the batch.
        m_dialogs->shown.clear();
        panel.ComboBoxVstupDatPonukaChange(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka obsahuje duplicitné ušné čísla !"});
        QVERIFY(!piglets(panel)->isColumnHidden(5));
        shoot(&panel, QStringLiteral("FrameSelPotomstva-kontrola.png"));
        m_dialogs->shown.clear();
        panel.ComboBoxAktualizaciaPonukaChange(0);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka obsahuje chybné záznamy !"});
        QCOMPARE(Sql::value("SELECT COUNT(*) FROM tpotpoh").toInt(), 0);

        type(panel, 1, 2, QStringLiteral("21"));
        m_dialogs->shown.clear();
        m_dialogs->asked.clear();
        m_dialogs->answers = {true};
        panel.ComboBoxAktualizaciaPonukaChange(0);
        QCOMPARE(m_dialogs->texts(),
                 QStringList{"Databáza je aktualizovaná dávkou - selektované potomstvo !"});
        QCOMPARE(m_dialogs->asked, QStringList{"Zrušiť použitú dávku - doporučené -  ? "});
        QCOMPARE(Sql::value("SELECT COUNT(*) FROM tpotpoh").toInt(), 2);
        QCOMPARE(Sql::value("SELECT COUNT(*) FROM davka_pot").toInt(), 0);
    }

    void additionalLitter() {
        FrameSelPotomstva panel(m_state, {});
        panel.resize(900, 560);
        panel.show();
        m_dialogs->answers = {true};
        panel.ComboBoxVstupDatPonukaChange(0);
        QWidget* extra = child<QWidget>(panel, "PanelDodatocnaPrasnica");
        QVERIFY(extra->isVisible());
        QVERIFY(!child<QTableView>(panel, "DBGridZakl")->isVisible());
        QLineEdit* sow = child<QLineEdit>(panel, "MaskEditPras");
        sow->setText(QStringLiteral("9x"));
        QVERIFY(!panel.MaskEditPrasExit());
        QCOMPARE(m_dialogs->texts(), QStringList{"Nekorektne uvedená prasnica !"});
        sow->setText(QStringLiteral("9"));
        child<QDateEdit>(panel, "DateTimePickerVrh")->setDate(born);
        shoot(&panel, QStringLiteral("FrameSelPotomstva-dodatocna.png"));
        m_dialogs->shown.clear();
        child<QPushButton>(panel, "BitBtnPotvrd")->click();
        QCOMPARE(sow->text(), QStringLiteral("00009"));
        QVERIFY(!extra->isVisible());
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka potomstva na selekciu je vytvorená !"});
        QCOMPARE(child<QTableView>(panel, "DBGridZakl")->model()->rowCount(), 3);
        QCOMPARE(Sql::value("SELECT COUNT(*) FROM davka_pot").toInt(), 9);

        // Kept for correction: nothing is created again.
        m_dialogs->answers = {false};
        m_dialogs->asked.clear();
        panel.ComboBoxVstupDatPonukaChange(0);
        QCOMPARE(m_dialogs->asked, QStringList{"Chceš zrušiť vytvorenú dávku ? "});
        QCOMPARE(Sql::value("SELECT COUNT(*) FROM davka_pot").toInt(), 9);
    }
};

QTEST_MAIN(TestOffspringPanel)
#include "test_offspring_panel.moc"
