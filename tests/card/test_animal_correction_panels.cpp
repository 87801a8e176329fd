// The correction mode of the card window: the sow and boar lists lead to
// their panels, whose post runs the correction, culling, cancellation or
// transfer and shows its message; each mode as the user sees it.
#include "../litter/MatingFixture.h"
#include "HerdFixture.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "card/AnimalCorrectionPanel.h"
#include "card/FormAktPrasnica.h"
#include "db/Sql.h"
#include "shell/MainWindow.h"
#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

using namespace herd;
using namespace MatingFixture;

class TestAnimalCorrectionPanels : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;

    FormAktPrasnica* card() const { return m_window->cardWindow(); }
    AnimalCorrectionPanel* sowPanel() const {
        return qobject_cast<AnimalCorrectionPanel*>(card()->mode(QStringLiteral("PanelUpd")));
    }
    AnimalCorrectionPanel* boarPanel() const {
        return qobject_cast<AnimalCorrectionPanel*>(card()->mode(QStringLiteral("PanelKUpd")));
    }
    void shot(const char* name) { shoot(card(), QString::fromLatin1(name)); }
    QLineEdit* edit(AnimalCorrectionPanel* panel, const char* column) const {
        return qobject_cast<QLineEdit*>(panel->field(QString::fromLatin1(column)));
    }
    QString lastMessage() const {
        return m_dialogs->shown.isEmpty() ? QString() : m_dialogs->shown.last().text;
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        HerdFixture::insertFarm(farm, QStringLiteral("Farma"));
        sow("00001");
        sow("00002");
        sow("00003", "01", "1", "12000000", QDate(2024, 1, 1));
        HerdFixture::insertAnimal(farm, {"00001", "2", "2", "J01"});
        boar("3301", "00001");
        boar("3301", "00002", "33000000", QDate(2024, 1, 1));
        Sql::exec(QStringLiteral("UPDATE tkance SET linia_otca = '3300', register_otca = '00009'"));
        m_window = std::make_unique<MainWindow>(m_db->settings());
        m_window->state().aktFarma = farm;
        m_window->state().aktChov = QStringLiteral("01");
        card()->prepare(FormAktPrasnica::Mode::Correction);
        card()->resize(980, 720);
        card()->show();
    }
    void cleanup() {
        m_window.reset();
        m_dialogs.reset();
        m_db.reset();
    }

    void sowModes() {
        AnimalCorrectionPanel* panel = sowPanel();
        shot("oprava-0-zoznamy.png");
        card()->chooseItem(QStringLiteral("ComboBoxKartaOpr"), AnimalCorrectionPanel::Correct);
        QCOMPARE(card()->windowTitle(), QString::fromUtf8("Oprava základných údajov"));
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->grid()->rows(), 2); // the culled sow is not offered
        QCOMPARE(edit(panel, "Prasnica_farma")->text(), QStringLiteral("00001"));
        // The keyboard moves through the grid as the navigator does.
        QTest::keyClick(panel->grid(), Qt::Key_Down);
        QCOMPARE(edit(panel, "Prasnica_farma")->text(), QStringLiteral("00002"));
        QTest::keyClick(panel->grid(), Qt::Key_Up);
        QCOMPARE(edit(panel, "Prasnica_farma")->text(), QStringLiteral("00001"));
        QVERIFY(!edit(panel, "Cecky")->isEnabled());
        emit panel->navigator()->clicked(RecordNavigator::Edit);
        QVERIFY(edit(panel, "Cecky")->isEnabled());
        QVERIFY(!edit(panel, "Datum_vyradenia")->isEnabled());
        edit(panel, "Cecky")->setText(QStringLiteral("16"));
        shot("oprava-1-prasnica-oprava.png");
        QCOMPARE(panel->post().text, QString::fromUtf8("Korektná oprava prasnice !"));
        QCOMPARE(Sql::value(QStringLiteral("SELECT cecky FROM tpraspev WHERE "
                                           "prasnica_farma = '00001'"))
                     .toString(),
                 QStringLiteral("16"));

        card()->chooseItem(QStringLiteral("ComboBoxKartaOpr"), AnimalCorrectionPanel::Cull);
        QCOMPARE(card()->windowTitle(), QString::fromUtf8("Vyradenie z KÚ"));
        emit panel->navigator()->clicked(RecordNavigator::Edit);
        QVERIFY(!edit(panel, "Cecky")->isEnabled());
        edit(panel, "Datum_vyradenia")->setText(QStringLiteral("05.03.2025"));
        QCOMPARE(panel->post().text, QString::fromUtf8("Nekorektne uvedený dôvod vyradenia !"));
        auto* reason = qobject_cast<QComboBox*>(panel->field(QStringLiteral("Kod_vyrKU")));
        reason->setCurrentIndex(reason->findData(QStringLiteral("11")));
        shot("oprava-2-prasnica-vyradenie.png");
        QCOMPARE(panel->post().text, QString::fromUtf8("Korektné vyradenie prasnice z KÚ !"));
        QCOMPARE(panel->grid()->rows(), 1);

        card()->chooseItem(QStringLiteral("ComboBoxKartaOpr"), AnimalCorrectionPanel::Uncull);
        QCOMPARE(panel->grid()->rows(), 2);
        shot("oprava-3-prasnica-zrusenie.png");
        QCOMPARE(panel->post().text,
                 QString::fromUtf8("Korektné zrušenie vyradenia prasnice z KÚ !"));
        QCOMPARE(panel->grid()->rows(), 1);

        card()->chooseItem(QStringLiteral("ComboBoxKartaOpr"), AnimalCorrectionPanel::Transfer);
        QCOMPARE(card()->windowTitle(), QString::fromUtf8("Presun prasníc"));
        QVERIFY(panel->isVisible());
        QVERIFY(!panel->grid()->isVisible());
        QVERIFY(card()->findChild<QWidget*>(QStringLiteral("PanelPres"))->isVisible());
        shot("oprava-4-presun-prasnic.png");
    }

    void boarModes() {
        AnimalCorrectionPanel* panel = boarPanel();
        card()->chooseItem(QStringLiteral("ComboBoxKartaKOpr"), AnimalCorrectionPanel::Correct);
        QVERIFY(panel->isVisible());
        QVERIFY(!sowPanel()->isVisible());
        QCOMPARE(panel->grid()->rows(), 1);
        emit panel->navigator()->clicked(RecordNavigator::Edit);
        edit(panel, "Linia_otca")->setText(QString());
        QCOMPARE(panel->post().text, QString::fromUtf8("Nekorektne uvedená línia otca !"));
        edit(panel, "Linia_otca")->setText(QStringLiteral("3302"));
        edit(panel, "Register_otca")->setText(QStringLiteral("00005"));
        shot("oprava-5-kanec-oprava.png");
        QCOMPARE(panel->post().text, QString::fromUtf8("Korektná oprava kanca !"));

        card()->chooseItem(QStringLiteral("ComboBoxKartaKOpr"), AnimalCorrectionPanel::Transfer);
        QCOMPARE(card()->windowTitle(), QStringLiteral("Presun kanca"));
        emit panel->navigator()->clicked(RecordNavigator::Edit);
        QVERIFY(edit(panel, "Chovatel_kraj")->isEnabled());
        QVERIFY(!edit(panel, "Linia_otca")->isEnabled());
        for (const auto& [column, value] : {std::pair{"Chovatel_kraj", "24"},
                                            {"Chovatel_okres", "02"},
                                            {"Chovatel_zavod", "581"},
                                            {"Chovatel_chov", "05"}})
            edit(panel, column)->setText(QString::fromLatin1(value));
        shot("oprava-6-kanec-presun.png");
        QCOMPARE(panel->post().text, QString::fromUtf8("Korektný presun kanca !"));

        card()->chooseItem(QStringLiteral("ComboBoxKartaKOpr"), AnimalCorrectionPanel::Cull);
        emit panel->navigator()->clicked(RecordNavigator::Edit);
        edit(panel, "Datum_vyradenia")->setText(QStringLiteral("05.03.2025"));
        auto* reason = qobject_cast<QComboBox*>(panel->field(QStringLiteral("Kod_vyrKU")));
        reason->setCurrentIndex(reason->findData(QStringLiteral("11")));
        shot("oprava-7-kanec-vyradenie.png");
        QCOMPARE(panel->post().text, QString::fromUtf8("Korektné vyradenie kanca z KÚ !"));
        QCOMPARE(panel->grid()->rows(), 0);

        card()->chooseItem(QStringLiteral("ComboBoxKartaKOpr"), AnimalCorrectionPanel::Uncull);
        QCOMPARE(panel->grid()->rows(), 2);
        shot("oprava-8-kanec-zrusenie.png");
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM dos1 WHERE DI = '11'")).toInt(),
                 2);
    }
};

QTEST_MAIN(TestAnimalCorrectionPanels)
#include "test_animal_correction_panels.moc"
