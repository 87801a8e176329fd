// The boar panel as the zootechnician drives it from the category tree: the
// five card tabs of a boar (one with and one without a progeny test), the
// veterinary report, and the lists with the culled boars left out of the
// active ones.
#include "HerdFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "shell/ContentArea.h"
#include "shell/MainWindow.h"
#include "views/BoarLists.h"
#include "views/FrameKance.h"
#include "views/HerdListTab.h"
#include "widgets/QueryGrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace herd;

namespace {

void boar(const char* line, const char* reg, const char* okres, const char* zavod, double cph,
          const QVariant& culled = {}) {
    Sql::exec(QStringLiteral("INSERT INTO tkance (linia_kanca, register_kanca, cislo_farmy, "
                             "chovatel_kraj, chovatel_okres, chovatel_zavod, chovatel_chov, "
                             "plemeno_ku, datum_narodenia, cecky, kod_krajiny_num, povod_kraj, "
                             "povod_okres, povod_zavod, povod_chov, povod_matka, povod_usCislo, "
                             "ustajnenie, datum_presunu, kod_akcie, datum_akcie, datum_zaradenia, "
                             "datum_vyradenia, kod_vyrKU, blup_celkPlemHodnota, blup_slaninavu) "
                             "VALUES (?, ?, '100001', '04', ?, ?, '01', '11000000', '2022-03-01', "
                             "'14', '00', '04', '07', '123', '01', '00345', '0012345', 'KAN', "
                             "'2023-01-01', '02', '2023-01-01', '2023-01-01', ?, ?, ?, 1.234)"),
              {QString::fromLatin1(line), QString::fromLatin1(reg), QString::fromLatin1(okres),
               QString::fromLatin1(zavod), culled,
               culled.isNull() ? QStringLiteral("00") : QStringLiteral("11"), cph});
    Sql::exec(
        QStringLiteral("INSERT INTO tanimal (cislo_farmy, jedinec, strom_ust, strom_ktg, "
                       "kod_kategorie, linia, register, chovatel_chov, ustajnenie, kod_akcie, "
                       "otec, matka) VALUES ('100001', ?, '6', '1', '2', ?, ?, '00', 'KAN', "
                       "'02', '110104001', '04071230100345')"),
        {QString::fromLatin1(line) + QLatin1Char(' ') + QString::fromLatin1(reg),
         QString::fromLatin1(line), QString::fromLatin1(reg)});
}

} // namespace

class TestFrameKance : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;

    FrameKance* panel() const {
        return qobject_cast<FrameKance*>(m_window->content()->frame("FrameKance"));
    }
    QLineEdit* field(const char* name) const {
        return panel()->tabs()->currentWidget()->findChild<QLineEdit*>(QStringLiteral("DBEdit") +
                                                                       QLatin1String(name));
    }
    template <class T> T* child(const char* name) const {
        return panel()->findChild<T*>(QString::fromLatin1(name));
    }
    void choose(const QString& text, int image) {
        QTreeWidget* tree = m_window->treePane()->tree(TreePane::Osipane);
        auto* item = new QTreeWidgetItem(tree, {text});
        item->setData(0, TreePane::ImageRole, image);
        tree->setCurrentItem(item);
    }
    void openTab(FrameKance::Tab tab) { panel()->tabs()->setCurrentIndex(tab); }
    void shot(const char* name) {
        shoot(m_window.get(), QString::fromLatin1(name));
        if (qEnvironmentVariableIsSet("WG_SHOTS_I25"))
            m_window->grab().save(QStringLiteral("/tmp/i25-") + QString::fromLatin1(name));
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        HerdFixture::insertFarm(QStringLiteral("100001"), QStringLiteral("Farma"));
        boar("1101", "04039", "07", "123", 110.5);
        boar("1101", "04040", "07", "123", 120.0, QDate(2024, 2, 1));
        boar("1101", "04041", "99", "999", 105.0);
        Sql::exec(QStringLiteral("INSERT INTO tkansvjh (linia_kanca, register_kanca, plemeno_ku, "
                                 "pocet_potomkov, prirastok, vsz, datum_preverenia) VALUES "
                                 "('1101', '04039', '11000000', 12, 910, 55.25, '2024-05-01')"));
        Sql::exec(QStringLiteral("INSERT INTO tkanhist (linia_kanca, register_kanca, kod_akcie, "
                                 "CVeterUkony_ID, datum_akcie) VALUES ('1101', '04039', '02', 0, "
                                 "'2023-01-01'), ('1101', '04039', '14', 1, '2023-06-01')"));
        m_window = std::make_unique<MainWindow>(m_db->settings());
        m_window->state().aktFarma = QStringLiteral("100001");
        m_window->state().aktChov = QStringLiteral("01");
        m_window->resize(980, 720);
        m_window->show();
        m_window->switchModule(MainWindow::Module::Osipane);
        m_dialogs->shown.clear();
    }
    void cleanup() {
        m_window.reset();
        m_dialogs.reset();
        m_db.reset();
    }

    void boarCardTabs() {
        choose(QStringLiteral("1101 04039"), 4);
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FrameKance"));
        QTabWidget* tabs = panel()->tabs();
        QVERIFY(!tabs->isTabVisible(FrameKance::Zoznamy));
        QCOMPARE(panel()->tab(FrameKance::Karta)->groupBox()->title(), QStringLiteral("Kanec "));
        QCOMPARE(field("register_kanca")->text(), QStringLiteral("04039"));
        QCOMPARE(field("nazov_linie")->text(), QStringLiteral("Adam"));
        QCOMPARE(field("usne_cislo")->text(), QStringLiteral("04 07 123 01  00345 / 0012345"));
        QCOMPARE(field("blup_celkPlemHodnota")->text(), QStringLiteral("110,5"));
        QCOMPARE(field("blup_slaninavu")->text(), QStringLiteral("1,23"));
        QVERIFY(child<QGroupBox>("GroupBoxVJH")->isVisibleTo(panel()));
        QCOMPARE(child<QueryGrid>("DBGridVJH")->rows(), 1);
        shot("kance-0-karta.png");

        openTab(FrameKance::Status);
        QCOMPARE(field("ustajnenie")->text(), QStringLiteral("KAN"));
        QCOMPARE(field("kod_akcie")->text(), QStringLiteral("02"));
        shot("kance-1-status.png");
        openTab(FrameKance::Rodokmen);
        QCOMPARE(field("jedinec")->text(), QStringLiteral("1101 04039"));
        QCOMPARE(field("rotec")->text(), QStringLiteral("1101 04001"));
        shot("kance-2-rodokmen.png");

        openTab(FrameKance::Veterinarne);
        auto* grid = panel()->tab(FrameKance::Veterinarne)->findChild<QueryGrid*>("DBGridVUAkt");
        QCOMPARE(grid->rows(), 1);
        auto* vet = static_cast<BoarVeterinaryTab*>(panel()->tab(FrameKance::Veterinarne));
        QVERIFY(vet->actions()->count() > 0);
        vet->actions()->setCurrentIndex(0);
        vet->date()->setText(QStringLiteral("02.07.2024"));
        vet->confirm();
        QCOMPARE(grid->rows(), 2);
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM tkanhist WHERE kod_akcie = '14' "
                                           "AND datum_akcie = '2024-07-02'"))
                     .toInt(),
                 1);
        shot("kance-3-veterinarne.png");
        openTab(FrameKance::Pohyby);
        QCOMPARE(child<QueryGrid>("DBGridPohyby")->rows(), 3);
        shot("kance-4-pohyby.png");
        QVERIFY(m_dialogs->shown.isEmpty());
    }

    void boarWithoutProgenyTest() {
        choose(QStringLiteral("1101 04040"), 4);
        QCOMPARE(field("datum_vyradenia")->text(), QStringLiteral("01.02.2024"));
        QVERIFY(!child<QGroupBox>("GroupBoxVJH")->isVisibleTo(panel()));
        QVERIFY(m_dialogs->shown.isEmpty());
    }

    void unknownBoarIsTold() {
        choose(QStringLiteral("1101 09999"), 4);
        QCOMPARE(m_dialogs->shown.size(), 1);
        QCOMPARE(m_dialogs->shown.first().text,
                 QString::fromUtf8("Nie je evidovaný uvedený kanec !"));
    }

    void listsLeaveCulledBoarsOutOfTheActiveOnes() {
        choose(QStringLiteral("Kance"), 1);
        QCOMPARE(m_window->content()->visibleFrame(), QStringLiteral("FrameKance"));
        QVERIFY(panel()->tabs()->isTabVisible(FrameKance::Zoznamy));
        panel()->loadActive(); // the category node loads no boar
        QVERIFY(m_dialogs->shown.isEmpty());
        HerdListTab* lists = panel()->lists();
        lists->choose(BoarLists::catalog().indexOf(QStringLiteral("Všetky kance")));
        QCOMPARE(lists->grid()->rows(), 3);
        lists->choose(BoarLists::catalog().indexOf(QStringLiteral("Aktívne kance za líniu/ CPH")));
        auto* second = lists->findChild<QComboBox*>(QStringLiteral("ComboBoxZoznamyV"));
        QVERIFY(second);
        const int adam = second->findText(QStringLiteral("1101"), Qt::MatchStartsWith);
        QVERIFY(adam >= 0);
        lists->chooseSecond(adam);
        QCOMPARE(lists->grid()->rows(), 2); // 04040 is culled
        shot("kance-5-zoznamy.png");
        lists->choose(BoarLists::catalog().indexOf(QStringLiteral("Kance z ISK")));
        QCOMPARE(lists->grid()->rows(), 1);
        lists->choose(BoarLists::catalog().indexOf(QStringLiteral("SVJH - preverené kance")));
        QCOMPARE(lists->grid(1)->rows(), 1);
        QVERIFY(m_dialogs->shown.isEmpty());
    }
};

QTEST_MAIN(TestFrameKance)
#include "test_frame_kance.moc"
