// The card window's correction mode: its lists, and the mating and litter
// panels driven as the user drives them.
#include "../litter/LitterFixture.h"
#include "HerdFixture.h"
#include "QueryText.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "card/CardMode.h"
#include "card/FormAktPrasnica.h"
#include "card/LitterCorrectionPanel.h"
#include "card/MatingCorrectionPanel.h"
#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace herd;
using namespace MatingFixture;
using QueryText::one;

namespace {
const QDate day0(2025, 3, 3);
QString u(const char* text) {
    return QString::fromUtf8(text);
}
} // namespace

class TestCorrectionPanels : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    ShellState m_state;
    std::unique_ptr<FormAktPrasnica> m_card;

    template <typename T> T* child(const char* name) const {
        T* w = m_card->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no %s", name);
        return w;
    }
    void press(CorrectionPanel* panel, RecordNavigator::Button b) {
        QToolButton* button = panel->navigator()->button(b);
        QVERIFY(button->isVisible() && button->isEnabled());
        button->click();
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        HerdFixture::insertFarm(farm, QStringLiteral("Farma Dolné Vestenice"));
        sow("00001");
        sow("00002");
        boar("3301", "00001", "33000000");
        boar("5501", "00002", "55000000");
        mating("00001", day0, 1, "1", "5501", "00002");
        mating("00001", day0.addDays(2), 2, "1", "5501", "00002");
        litter("00001", day0.addDays(116));
        Sql::exec(QStringLiteral("UPDATE tprasopr SET kod_charvrh = '1', vsetky_nar = 10, "
                                 "zivo_nar = 9, pocet_dochov = 8, hmotnost_vrhu_dochov = 70, "
                                 "datum_odstavu = '2025-07-25', kod_VyV = '2'"));
        Sql::exec(QStringLiteral("DELETE FROM tpotpev"));
        m_state.aktFarma = farm;
        m_card = std::make_unique<FormAktPrasnica>(m_state, Progress{});
        m_card->prepare(FormAktPrasnica::Mode::Correction);
        m_card->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_card.get()));
    }
    void cleanup() {
        m_card.reset();
        m_dialogs.reset();
        m_db.reset();
    }

    // The correction mode shows its four lists and labels, every panel hidden;
    // choosing in one list clears the others and shows only its panel.
    void modeAndLists() {
        QCOMPARE(m_card->windowTitle(), u("Oprava údajov ošípanej"));
        QCOMPARE(child<QLabel>("LabelPrasnica")->text(), u("karta prasnice - oprava"));
        for (const char* list :
             {"ComboBoxKartaOpr", "ComboBoxKartaKOpr", "ComboBoxPrip", "ComboBoxOpr"})
            QVERIFY2(child<QComboBox>(list)->isVisible(), list);
        QVERIFY(!child<QComboBox>("ComboBoxKartaNah")->isVisible());
        QCOMPARE(child<QComboBox>("ComboBoxKartaOpr")->geometry(), QRect(16, 40, 350, 24));
        QCOMPARE(child<QComboBox>("ComboBoxKartaKOpr")->geometry(), QRect(16, 96, 350, 24));
        for (const char* panel : {"PanelZar", "PanelPrip", "PanelOpr"})
            QVERIFY2(!child<QFrame>(panel)->isVisible(), panel);
        QCOMPARE(child<QComboBox>("ComboBoxPrip")->count(), 3);
        m_card->chooseItem(QStringLiteral("ComboBoxPrip"), 1);
        QCOMPARE(m_card->windowTitle(), u("Zrušenie pripustenia"));
        QVERIFY(child<QFrame>("PanelPrip")->isVisible());
        m_card->chooseItem(QStringLiteral("ComboBoxOpr"), 0);
        QCOMPARE(m_card->windowTitle(), u("Oprava oprasenia"));
        QVERIFY(!child<QFrame>("PanelPrip")->isVisible());
        QVERIFY(child<QFrame>("PanelOpr")->isVisible());
        QCOMPARE(child<QComboBox>("ComboBoxPrip")->currentIndex(), -1);
        m_card->prepare(FormAktPrasnica::Mode::Enrolment);
        QVERIFY(!child<QFrame>("PanelOpr")->isVisible());
        QVERIFY(!child<QComboBox>("ComboBoxOpr")->isVisible());
    }

    // A new boar chosen and posted: the litter takes the new breed; a wrong
    // count keeps the edit open with the field's message.
    void matingCorrection() {
        m_card->chooseItem(QStringLiteral("ComboBoxPrip"), 0);
        auto* panel =
            static_cast<MatingCorrectionPanel*>(m_card->mode(QStringLiteral("PanelPrip")));
        QCOMPARE(panel->sowGrid()->rows(), 2);
        QCOMPARE(panel->detailGrid()->rows(), 2);
        panel->sowGrid()->selectRow(1); // the other sow has no mating
        QCOMPARE(panel->detailGrid()->rows(), 0);
        QVERIFY(!panel->navigator()->button(RecordNavigator::Edit)->isEnabled());
        panel->sowGrid()->selectRow(0);
        QCOMPARE(panel->detailGrid()->rows(), 2);
        QVERIFY(!panel->boarList()->isEnabled());
        QVERIFY(!panel->navigator()->button(RecordNavigator::Delete)->isVisible());
        press(panel, RecordNavigator::Edit);
        QVERIFY(panel->boarList()->isEnabled());
        panel->countField()->setText(QStringLiteral("x"));
        emit panel->countField()->textEdited(QStringLiteral("x"));
        press(panel, RecordNavigator::Post);
        QCOMPARE(m_dialogs->texts(), QStringList{u("Nekorektne uvedený počet RE !")});
        QVERIFY(panel->editing());
        panel->countField()->setText(QStringLiteral("1"));
        const int boar =
            panel->boarList()->findText(QStringLiteral("3301  00001"), Qt::MatchStartsWith);
        QVERIFY(boar >= 0);
        panel->boarList()->setCurrentIndex(boar);
        emit panel->boarList()->activated(boar);
        QVERIFY(!panel->navigator()->button(RecordNavigator::Next)->isEnabled());
        shoot(m_card.get(), QStringLiteral("i24-oprava-pripustenia.png"));
        // The second mating is the litter's: its boar gives the breed.
        press(panel, RecordNavigator::Cancel);
        press(panel, RecordNavigator::Last);
        press(panel, RecordNavigator::Edit);
        panel->boarList()->setCurrentIndex(boar);
        emit panel->boarList()->activated(boar);
        press(panel, RecordNavigator::Post);
        QCOMPARE(m_dialogs->texts().last(), u("Korektná oprava pripustenia prasnice !"));
        QVERIFY(!panel->editing());
        QCOMPARE(one("SELECT plemeno_VU FROM tprasopr"), QStringLiteral("12330000"));
        QCOMPARE(one("SELECT CONCAT_WS('|', linia_kanca, register_kanca, DI) FROM dos3"),
                 QStringLiteral("3301|00001|31"));
    }

    void litterCorrectionAndCancel() {
        m_card->chooseItem(QStringLiteral("ComboBoxOpr"), 0);
        auto* panel = static_cast<LitterCorrectionPanel*>(m_card->mode(QStringLiteral("PanelOpr")));
        QCOMPARE(panel->detailGrid()->rows(), 1);
        QCOMPARE(panel->field(QStringLiteral("Zivo_nar"))->text(), QStringLiteral("9"));
        press(panel, RecordNavigator::Edit);
        QLineEdit* alive = panel->field(QStringLiteral("Zivo_nar"));
        alive->setText(QStringLiteral("12"));
        emit alive->textEdited(QStringLiteral("12"));
        emit alive->editingFinished(); // leaving the field checks it
        QCOMPARE(m_dialogs->texts(),
                 QStringList{u("Nekorektné počty Všetkých a Živo narodených !")});
        press(panel, RecordNavigator::Post); // posting checks again
        QCOMPARE(m_dialogs->texts().size(), 2);
        QCOMPARE(m_dialogs->texts().last(), u("Nekorektné počty Všetkých a Živo narodených !"));
        QVERIFY(panel->editing());
        shoot(m_card.get(), QStringLiteral("i24-oprava-oprasenia.png"));
        alive->setText(QStringLiteral("10"));
        press(panel, RecordNavigator::Post);
        QCOMPARE(m_dialogs->texts().last(), u("Korektná oprava oprasenia prasnice !"));
        QVERIFY(!panel->editing());
        QCOMPARE(one("SELECT zivo_nar FROM tprasopr"), QStringLiteral("10"));

        m_card->chooseItem(QStringLiteral("ComboBoxOpr"), 1);
        QCOMPARE(m_card->windowTitle(), u("Zrušenie oprasenia"));
        QVERIFY(!panel->field(QStringLiteral("Zivo_nar"))->isEnabled());
        m_dialogs->answers = {true};
        press(panel, RecordNavigator::Delete);
        QCOMPARE(m_dialogs->texts().last(), u("Korektné zrušenie oprasenia prasnice !"));
        QCOMPARE(panel->detailGrid()->rows(), 0);
    }
};

QTEST_MAIN(TestCorrectionPanels)
#include "test_correction_panels.moc"
