// The breeding settings windows: the editable technicians and veterinary
// plan, and the read-only breeds and boar lines.
#include "ScriptedDialogs.h"
#include "TestDatabase.h"
#include "db/Database.h"
#include "db/Schema.h"
#include "db/Sql.h"
#include "settings/BoarLinesWindow.h"
#include "settings/BreedingWindow.h"
#include "settings/ReadOnlyGrid.h"
#include "settings/TechniciansWindow.h"
#include "settings/VeterinaryPlanWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace herd;

class TestBreedingSettings : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;

    static void press(RecordNavigator* navigator, RecordNavigator::Button button) {
        navigator->button(button)->click();
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        m_dialogs.reset();
        m_db.reset();
    }

    void technicianEditedAndAdded() {
        TechniciansWindow window;
        window.show();
        QTableWidget* grid = window.grid();
        QVERIFY(grid->rowCount() > 0);
        const QString code = grid->item(0, 0)->text();
        grid->item(0, 1)->setText(QStringLiteral("Ing. Jana Kováčová"));
        QVERIFY(window.isEditing());
        press(window.navigator(), RecordNavigator::Post);
        QCOMPARE(Sql::value(
                     QStringLiteral("SELECT Vykonavatel FROM csposprip WHERE Kod_pripustenia = ?"),
                     {code})
                     .toString(),
                 QStringLiteral("Ing. Jana Kováčová"));

        press(window.navigator(), RecordNavigator::Insert);
        const int row = grid->rowCount() - 1;
        grid->item(row, 0)->setText(QStringLiteral("7"));
        grid->item(row, 1)->setText(QStringLiteral("Peter Novák"));
        press(window.navigator(), RecordNavigator::Post);
        QVERIFY(m_dialogs->shown.isEmpty());
        QCOMPARE(Sql::value(QStringLiteral(
                                "SELECT Vykonavatel FROM csposprip WHERE Kod_pripustenia = '07'"))
                     .toString(),
                 QStringLiteral("Peter Novák"));
    }

    void technicianRefusals_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("performer");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a number") << "ab"
                                      << "X"
                                      << "Kód musí byť jedno- alebo dvojmiestne číslo !";
        QTest::newRow("too long") << "123"
                                  << "X"
                                  << "Kód musí byť jedno- alebo dvojmiestne číslo !";
        QTest::newRow("no performer") << "55"
                                      << " "
                                      << "Vykonávateľ musí byť vyplnený !";
    }
    void technicianRefusals() {
        QFETCH(QString, code);
        QFETCH(QString, performer);
        QFETCH(QString, message);
        const int before = Sql::value(QStringLiteral("SELECT COUNT(*) FROM csposprip")).toInt();
        TechniciansWindow window;
        window.show();
        press(window.navigator(), RecordNavigator::Insert);
        const int row = window.grid()->rowCount() - 1;
        window.grid()->item(row, 0)->setText(code);
        window.grid()->item(row, 1)->setText(performer);
        QVERIFY(!window.post());
        QCOMPARE(m_dialogs->texts(), QStringList{message});
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM csposprip")).toInt(), before);
    }

    void duplicateCodeIsRefused() {
        Technician row{QStringLiteral("1"), QStringLiteral("X")};
        const QString existing = Technicians::list().first().code;
        row.code = existing;
        const auto refusal = Technicians::check(row, QString());
        QVERIFY(refusal.has_value());
        QCOMPARE(refusal->text, QStringLiteral("Kód %1 je už evidovaný !").arg(existing));
    }

    void veterinaryActionAdded() {
        // Two sections of one housing kind give one entry in the list.
        Sql::exec(QStringLiteral(
            "INSERT INTO cdruhustajnenia (ustajnenie, kod_druhuustajnenia, "
            "druhustajnenia, nazov) VALUES ('M01', 'M', 'Sekcia', 'Materský chov'), "
            "('M02', 'M', 'Sekcia', 'Materský chov'), ('K01', 'K', 'Sekcia', 'Karanténa')"));
        VeterinaryPlanWindow window;
        window.show();
        // The empty entry and two names, and the shown action's housing kind,
        // which this farm lacks.
        QCOMPARE(window.housingCombo()->count(), 4);
        press(window.navigator(), RecordNavigator::Insert);
        window.nameEdit()->setText(QStringLiteral("Vakcinácia proti rinitíde prasničiek"));
        window.vaccineEdit()->setText(QStringLiteral("Porcilis Parvo"));
        window.housingCombo()->setCurrentIndex(
            window.housingCombo()->findText(QStringLiteral("Materský chov")));
        window.actionCombo()->setCurrentIndex(window.actionCombo()->findData(QStringLiteral("07")));
        window.dayEdit()->setValue(21);
        press(window.navigator(), RecordNavigator::Post);
        QVERIFY2(m_dialogs->shown.isEmpty(),
                 qPrintable(m_dialogs->texts().join(QLatin1Char('\n'))));
        QSqlQuery q =
            Sql::exec(QStringLiteral("SELECT Vakcina, Ustajnenie, Kod_akcie, Den_aplikacie "
                                     "FROM cveterukony WHERE Nazov_ukonu = ?"),
                      {QStringLiteral("Vakcinácia proti rinitíde prasničiek")});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("Porcilis Parvo"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("Materský chov")); // the kind's name
        QCOMPARE(q.value(2).toString(), QStringLiteral("07"));
        QCOMPARE(q.value(3).toInt(), 21);
    }

    // The shipped plan holds housing names; the window shows them, and an
    // edit of one field keeps the others, whether or not the farm has that
    // housing kind.
    void veterinaryActionEditKeepsTheOtherFields_data() {
        QTest::addColumn<bool>("farmHasTheKind");
        QTest::newRow("the farm has the housing kind") << true;
        QTest::newRow("the farm lacks the housing kind") << false;
    }
    void veterinaryActionEditKeepsTheOtherFields() {
        QFETCH(bool, farmHasTheKind);
        if (farmHasTheKind)
            Sql::exec(QString::fromUtf8("INSERT INTO cdruhustajnenia (ustajnenie, "
                                        "kod_druhuustajnenia, druhustajnenia, nazov) VALUES "
                                        "('J01', 'JAL', 'Sekcia-J01', 'Jalováreň - sekcie'), "
                                        "('M01', 'MAT', 'Sekcia-M01', 'Matečník')"));
        const QString row = QStringLiteral(
            "SELECT CONCAT_WS('|', Nazov_ukonu, Vakcina, Ustajnenie, Kod_akcie, Den_aplikacie) "
            "FROM cveterukony WHERE CVeterUkony_ID = 1");
        const QString before = Sql::value(row).toString();
        VeterinaryPlanWindow window;
        window.show();
        QCOMPARE(window.housingCombo()->currentText(), QString::fromUtf8("Jalováreň - sekcie"));
        press(window.navigator(), RecordNavigator::Edit);
        window.dayEdit()->setValue(15);
        press(window.navigator(), RecordNavigator::Post);
        QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('|')));
        QString expected = before;
        expected.replace(QStringLiteral("|14"), QStringLiteral("|15"));
        QCOMPARE(Sql::value(row).toString(), expected);
    }

    // A database that stored section codes gets the housing kinds' names.
    void veterinaryHousingCodesBecomeNames() {
        Sql::exec(QStringLiteral("UPDATE cveterukony SET Ustajnenie = 'M02' WHERE "
                                 "CVeterUkony_ID = 3"));
        Sql::exec(QStringLiteral("UPDATE cveterukony SET Ustajnenie = 'KAN' WHERE "
                                 "CVeterUkony_ID = 4"));
        const int version = Sql::value(QStringLiteral("SELECT version FROM schema_version "
                                                      "WHERE name LIKE '%veterinary_housing%'"))
                                .toInt();
        QVERIFY(version > 0);
        Sql::exec(QStringLiteral("DELETE FROM schema_version WHERE version = ?"), {version});
        Schema::migrate(Database::connection());
        QSqlQuery q = Sql::exec(
            QStringLiteral("SELECT Ustajnenie FROM cveterukony WHERE CVeterUkony_ID IN (1, 3, 4) "
                           "ORDER BY CVeterUkony_ID"));
        QStringList names;
        while (q.next())
            names.append(q.value(0).toString());
        QCOMPARE(names, (QStringList{QString::fromUtf8("Jalováreň - sekcie"),
                                     QString::fromUtf8("Matečník"), QString::fromUtf8("Kančín")}));
    }

    void veterinaryActionNeedsAName() {
        VeterinaryPlanWindow window;
        window.show();
        press(window.navigator(), RecordNavigator::Insert);
        QVERIFY(!window.post());
        QCOMPARE(m_dialogs->texts(),
                 QStringList{QStringLiteral("Názov úkonu musí byť vyplnený !")});
        m_dialogs->shown.clear();
        window.nameEdit()->setText(QStringLiteral("Vakcinácia\x01"));
        QVERIFY(!window.post());
        QCOMPARE(m_dialogs->texts(),
                 QStringList{
                     QStringLiteral("Názov úkonu ani vakcína nesmú obsahovať riadiace znaky !")});
    }

    void breedsAreReadOnly() {
        BreedingWindow window;
        window.show();
        QVERIFY(!window.breeds()->isVisible());
        window.breedsBox()->setChecked(true);
        QVERIFY(window.breeds()->isVisible());
        QVERIFY(window.breeds()->rows() > 0);
        QCOMPARE(window.breeds()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!(window.breeds()->model()->flags(window.breeds()->model()->index(0, 0)) &
                  Qt::ItemIsEditable));
        window.combinationsBox()->setChecked(true);
        QVERIFY(window.combinations()->isVisible());
        // Each opening starts unticked.
        window.hide();
        window.show();
        QVERIFY(!window.breedsBox()->isChecked());
        QVERIFY(!window.breeds()->isVisible());
    }

    void boarLinesNeedAnOrder() {
        BoarLinesWindow window;
        window.show();
        QVERIFY(!window.grid()->isVisible());
        window.byName()->click();
        QVERIFY(window.grid()->isVisible());
        QVERIFY(window.grid()->rows() > 0);
        QVERIFY(!(window.grid()->model()->flags(window.grid()->model()->index(0, 0)) &
                  Qt::ItemIsEditable));
        window.hide();
        window.show();
        QVERIFY(!window.grid()->isVisible());
        QVERIFY(!window.byName()->isChecked());
    }
};

QTEST_MAIN(TestBreedingSettings)
#include "test_breeding_settings.moc"
