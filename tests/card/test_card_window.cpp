// The card window in its enrolment mode, driven as the user drives it.
#include "EnrolmentRows.h"
#include "HerdFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "batch/BatchEntryForm.h"
#include "card/FormAktPrasnica.h"
#include "db/Sql.h"
#include "farms/FarmChoice.h"
#include "farms/TreeText.h"
#include "shell/MainWindow.h"
#include "shell/StatusPanels.h"
#include "shell/TreePane.h"
#include "widgets/RecordNavigator.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

using namespace herd;

namespace {

const QString farmNumber = QStringLiteral("123456");

} // namespace

class TestCardWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;

    FormAktPrasnica* card() const { return m_window->cardWindow(); }
    QWidget* field(const QString& column) const { return card()->form()->field(column); }
    QComboBox* steps() const { return card()->findChild<QComboBox*>("ComboBoxKartaNah"); }
    RecordNavigator* navigator() const { return card()->findChild<RecordNavigator*>(); }
    void step(int index) { emit steps()->activated(index); }

    void chooseFarm() {
        const FarmChoiceResult result = FarmChoice::choose(farmNumber);
        QVERIFY(result.chosen);
        m_window->applyFarmChoice(result);
    }
    void openCard() {
        card()->prepare(FormAktPrasnica::Mode::Enrolment);
        card()->show();
        card()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(card()));
    }
    // Types into a text field and presses Enter.
    void type(const char* column, const char* text) {
        auto* edit = qobject_cast<QLineEdit*>(field(QString::fromLatin1(column)));
        QVERIFY2(edit && edit->hasFocus(), column);
        QTest::keyClicks(edit, QString::fromUtf8(text));
        QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    void choose(const char* column, const char* key) {
        auto* combo = qobject_cast<QComboBox*>(field(QString::fromLatin1(column)));
        QVERIFY2(combo && combo->hasFocus(), column);
        const int index = key ? combo->findData(QString::fromLatin1(key)) : 0;
        QVERIFY2(index >= 0, key);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        QTest::keyClick(combo, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        HerdFixture::Counts counts;
        counts.jalovaren = 2;
        HerdFixture::insertFarm(farmNumber, QStringLiteral("Farma Dolné Vestenice"), counts);
        m_window = std::make_unique<MainWindow>(m_db->settings());
    }
    void cleanup() {
        m_window.reset();
        m_dialogs.reset();
        m_db.reset();
    }

    void commandNeedsAFarm_data() {
        QTest::addColumn<bool>("toolbar");
        QTest::newRow("menu") << false;
        QTest::newRow("toolbar") << true;
    }
    void commandNeedsAFarm() {
        QFETCH(bool, toolbar);
        auto run = [&] {
            if (toolbar)
                m_window->findChild<QToolButton*>("ToolButtonDoplnenie")->click();
            else
                m_window->action("ActionNahlaseniePrasnice")->trigger();
        };
        m_window->show();
        run();
        QCOMPARE(m_dialogs->shown, Notices{ShellState::noFarmNotice()});
        chooseFarm();
        m_dialogs->shown.clear();
        QString title;
        bool listShown = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            title = modal->windowTitle();
            listShown = steps()->isVisible();
            modal->close();
        });
        run();
        QCOMPARE(title, QStringLiteral("Nahlásenie prasnice"));
        QVERIFY(listShown);
        QVERIFY(m_dialogs->shown.isEmpty());
        QVERIFY(!m_window->action("ActionNahlasenieKanca")->isEnabled());
    }

    void opensInEnrolmentMode() {
        chooseFarm();
        openCard();
        QCOMPARE(card()->windowTitle(), QStringLiteral("Nahlásenie prasnice"));
        QCOMPARE(card()->pos(), QPoint(135, 20));
        QCOMPARE(steps()->geometry(), QRect(16, 40, 350, 24));
        QCOMPARE(steps()->count(), 4);
        QCOMPARE(steps()->itemText(0),
                 QStringLiteral(" Vytvorenie /oprava dávky vstupných údajov"));
        QCOMPARE(steps()->itemText(3), QStringLiteral(" Opis vstupných údajov dávky zaradení"));
        QCOMPARE(card()->findChild<QLabel*>("LabelPrasnica")->text(),
                 QStringLiteral("karta prasnice - nahlásenie"));
        for (const char* hidden :
             {"LabelKanec", "LabelPripustanie", "LabelOprasenie", "ComboBoxKartaOpr",
              "ComboBoxPrip", "PanelZar", "PanelUpd", "PanelPres", "DBGridVstup"})
            QVERIFY2(!card()->findChild<QWidget*>(hidden)->isVisible(), hidden);
    }

    void typesChecksAndAppliesOneSow() {
        chooseFarm();
        openCard();
        step(0);
        QVERIFY(card()->findChild<QWidget*>("PanelZar")->isVisible());
        QVERIFY(!card()->findChild<QWidget*>("DBGridVstup")->isVisible());
        QVERIFY(m_dialogs->asked.isEmpty()); // an empty batch asks nothing
        field("Prasnica_vKU")->setFocus();
        type("Prasnica_vKU", "1");
        type("Prasnica_KrCislo", "123");
        QCOMPARE(qobject_cast<QLineEdit*>(field("Prasnica_KrCislo"))->text(),
                 QStringLiteral("00123"));
        QCOMPARE(qobject_cast<QLineEdit*>(field("Chovatel_Chov"))->text(), QStringLiteral("01"));
        type("Chovatel_Chov", "");
        type("Datum_narodenia", "15.03.2025");
        type("Cecky", "14");
        choose("Kod_kategorie", "1");
        choose("Plemeno_KU", "11000000");
        choose("Kod_genofond", "1");
        choose("Kod_krajiny_NUM", nullptr);
        type("Linia_otca", "1101");
        type("Register_otca", "4039");
        type("Povod_kraj", "24");
        type("Povod_okres", "2");
        type("Povod_zavod", "581");
        type("Povod_chov", "1");
        type("Povod_matka", "120");
        type("Povod_uscislo", "3441245");
        type("Linia_otcaMatky", "");
        type("Register_otcaMatky", "777");
        QCOMPARE(QApplication::focusWidget(), navigator()->button(RecordNavigator::Post));
        QVERIFY(m_dialogs->shown.isEmpty());
        shoot(card(), "card_enrolment_typed.png");
        QTest::keyClick(navigator()->button(RecordNavigator::Post), Qt::Key_Return);
        QCOMPARE(m_dialogs->shown.size(), 0);
        const QList<BatchRow> rows = card()->batch().table().rows();
        QCOMPARE(rows.size(), 1);
        const BatchRow& r = rows.first();
        for (auto [column, value] : {std::pair{"Prasnica_KrCislo", "00123"},
                                     {"Chovatel_Chov", "01"},
                                     {"Povod_okres", "02"},
                                     {"Povod_chov", "01"},
                                     {"Povod_matka", "00120"},
                                     {"Linia_otcaMatky", "0000"},
                                     {"Register_otcaMatky", "00777"},
                                     {"Prasnica_farma", "00123"},
                                     {"Ustajnenie", "J01"},
                                     {"Farma_prisunu", "000000"},
                                     {"Farma_povodu", " "},
                                     {"Kod_kategorie", "1"}})
            QCOMPARE(r.text(QString::fromLatin1(column)), QString::fromLatin1(value));
        QCOMPARE(r.date("Datum_narodenia"), QDate(2025, 3, 15));
        QVERIFY(r.isNull("Kod_krajiny_NUM"));

        // The main window's bar counts the rows of the check and of the application.
        QList<int> counted;
        connect(m_window->status()->progressBar(), &QProgressBar::valueChanged, this,
                [&](int value) { counted.append(value); });
        step(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka je bez chybných záznamov !"});
        QVERIFY(counted.contains(1));
        counted.clear();
        QVERIFY(card()->findChild<QWidget*>("DBGridVstup")->isVisible());
        QVERIFY(!navigator()->button(RecordNavigator::Insert)->isVisible());
        step(2);
        QCOMPARE(m_dialogs->texts().last(),
                 QStringLiteral("Databáza je aktualizovaná dávkou - zaradenia !"));
        QCOMPARE(m_dialogs->asked, QStringList{"Zrušiť použitú dávku - doporučené -  ? "});
        QCOMPARE(card()->batch().table().count(), 0);
        QVERIFY(counted.contains(1));
        QVERIFY(!m_window->status()->progressBar()->isVisible());

        // Chosen again, the farm's category tree has her among the sows.
        const FarmChoiceResult again = FarmChoice::choose(farmNumber);
        m_window->applyFarmChoice(again);
        const QStringList lines = treeLines(again.trees.roots[ModuleTrees::Osipane]);
        const int group = lines.indexOf(QStringLiteral("  Prasnice [0]"));
        QVERIFY2(group >= 0, qPrintable(lines.join('\n')));
        QVERIFY2(lines.value(group + 1).startsWith(QStringLiteral("    00123")),
                 qPrintable(lines.join('\n')));
    }

    void fieldCheckKeepsTheFocus() {
        chooseFarm();
        openCard();
        step(0);
        field("Prasnica_vKU")->setFocus();
        type("Prasnica_vKU", "2");
        QCOMPARE(m_dialogs->texts(), QStringList{"Prípustná hodnota údaja - 0,1 !"});
        QCOMPARE(m_dialogs->shown.first().title,
                 QStringLiteral("Vytvorenie / kontrola dávky vstupných údajov"));
        QCOMPARE(QApplication::focusWidget(), field("Prasnica_vKU"));
        // A herd above 19 fills the rest and goes to the navigator.
        qobject_cast<QLineEdit*>(field("Prasnica_vKU"))->setText("1");
        field("Prasnica_KrCislo")->setFocus();
        type("Prasnica_KrCislo", "321");
        qobject_cast<QLineEdit*>(field("Chovatel_Chov"))->clear();
        type("Chovatel_Chov", "25");
        QCOMPARE(QApplication::focusWidget(), navigator()->button(RecordNavigator::Post));
        QCOMPARE(card()->form()->value("Plemeno_KU").toString(), QStringLiteral("99999999"));
        QCOMPARE(card()->form()->value("Prasnica_farma").toString(), QStringLiteral("00321"));
        navigator()->button(RecordNavigator::Post)->click();
        const BatchRow row = card()->batch().table().rows().value(0);
        QCOMPARE(row.text("Chovatel_Chov"), QStringLiteral("25"));
        QVERIFY(row.isNull("Datum_narodenia"));
        QCOMPARE(row.text("Kod_kategorie"), QStringLiteral("3"));
    }

    // A control character never reaches the batch: the post is refused with
    // the field's message and the form keeps the text for mending.
    void controlCharacterStaysInTheForm() {
        chooseFarm();
        openCard();
        step(0);
        qobject_cast<QLineEdit*>(field("Prasnica_vKU"))->setText("1");
        field("Prasnica_KrCislo")->setFocus();
        type("Prasnica_KrCislo", "321");
        qobject_cast<QLineEdit*>(field("Chovatel_Chov"))->clear();
        type("Chovatel_Chov", "25");
        m_dialogs->shown.clear();
        auto* origin = qobject_cast<QLineEdit*>(field("Farma_povodu"));
        origin->setText(QStringLiteral("SK\x01"));
        navigator()->button(RecordNavigator::Post)->click();
        QCOMPARE(m_dialogs->texts(), QStringList{"Nekorektne uvedená farma pôvodu !"});
        QCOMPARE(card()->batch().table().count(), 0);
        QCOMPARE(origin->text(), QStringLiteral("SK\x01"));
        origin->setText(QStringLiteral("SK"));
        navigator()->button(RecordNavigator::Post)->click();
        QCOMPARE(card()->batch().table().count(), 1);
    }

    void checkShowsFaultyRows() {
        chooseFarm();
        Sql::exec(
            QStringLiteral("INSERT INTO tpraspev (cislo_farmy, chovatel_chov, prasnica_farma) "
                           "VALUES (?, '01', '00007')"),
            {farmNumber});
        QVariantMap tooLong = EnrolmentRows::sow("1234567");
        tooLong.insert("Prasnica_farma", "00044");
        EnrolmentRows::insert(
            {EnrolmentRows::sow("5"), EnrolmentRows::sow("7"), tooLong, EnrolmentRows::sow("8")});
        openCard();
        m_dialogs->answers = {false}; // keep the batch for editing
        step(0);
        QCOMPARE(m_dialogs->asked, QStringList{"Chceš zrušiť vytvorenú dávku ? "});
        QCOMPARE(card()->batch().table().count(), 4);
        shoot(card(), "card_enrolment_rows.png");
        step(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka obsahuje chybné záznamy !"});
        auto* grid = card()->findChild<QTableView*>("DBGridVstup");
        QVERIFY(grid->isVisible());
        QVERIFY(!grid->isColumnHidden(8));
        QCOMPARE(grid->model()->headerData(8, Qt::Horizontal).toString(),
                 QStringLiteral("chybový oznam"));
        QCOMPARE(grid->model()->index(1, 8).data().toString(),
                 QStringLiteral("* Prasnica je už evidovaná !"));
        QCOMPARE(grid->model()->index(2, 8).data().toString(),
                 QStringLiteral("* Nekorektne uvedená prasnica !"));
        shoot(card(), "card_enrolment_checked.png");
        step(2);
        QCOMPARE(m_dialogs->texts().last(), QStringLiteral("Dávka obsahuje chybné záznamy !"));
        QCOMPARE(m_dialogs->shown.last().title, QStringLiteral("Aktualizácia databázy"));
    }

    void farmChoiceClearsTheCheck() {
        chooseFarm();
        EnrolmentRows::insert({EnrolmentRows::sow("5")});
        openCard();
        step(1);
        QCOMPARE(m_dialogs->texts(), QStringList{"Dávka je bez chybných záznamov !"});
        QCOMPARE(card()->findChild<QLabel*>("LabelPozicia")->text(),
                 QStringLiteral("  záznam 1 z 1"));
        chooseFarm();
        step(2);
        QCOMPARE(m_dialogs->texts().last(),
                 QStringLiteral("Dávka vstupných údajov nie je skontrolovaná !"));
        QCOMPARE(card()->batch().table().count(), 1);
    }

    void printoutOfAnEmptyDay() {
        chooseFarm();
        openCard();
        step(3);
        QCOMPARE(m_dialogs->dateCaptions, QStringList{"Zadaj dátum aktualizácie"});
        QVERIFY(m_dialogs->shown.isEmpty()); // cancelled: nothing more
        m_dialogs->dateAnswer = QDate(2020, 1, 1);
        step(3);
        QCOMPARE(m_dialogs->shown,
                 Notices{Notice::error(QStringLiteral("Opis vstupných údajov dávky"),
                                       QStringLiteral("Nie sú dáta Oš13 - zaradenia !"))});
    }
};

QTEST_MAIN(TestCardWindow)
#include "test_card_window.moc"
