#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "measurement/FrameMerVU.h"
#include "widgets/QueryGrid.h"

#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace herd;

class TestMeasurementPanel : public QObject {
    Q_OBJECT
private slots:
    // The frame's steps on a delivery file in the delivery folder: import,
    // the duplicates list, then attach and the summary on the tab "Dáta".
    void stepsThroughThePanel() {
        TestDatabase db;
        QTemporaryDir home;
        qputenv("WGRAVOLENTA_HOME", home.path().toUtf8());
        QDir().mkpath(home.filePath("vstupig"));
        QFile file(home.filePath("vstupig/tevta50.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("06    02 005 01 05 07.03.08 1 15.03.08\r\n"
                   "001  54321 12345 105 01.01.08 0 12 13 11 45 46 44 55,3\r\n"
                   "002  54321 00007 98 01.01.08 0 9 10 8 40 41 39 57,0\r\n"
                   "003  54321 12345 105 01.01.08 0 12 13 11 45 46 44 55,3\r\n");
        file.close();
        Sql::exec("INSERT INTO tpotpev (cislo_farmy,chovatel_chov,prasnica_farma,chovatel_kraj,"
                  "chovatel_okres,chovatel_zavod,datum_oprasenia,linia_kanca,register_kanca,"
                  "plemeno_VU) VALUES ('900001','01','54321','06','02','005','2008-01-01',"
                  "'1234','56789','12000000')");
        Sql::exec("INSERT INTO tpotpoh (cislo_farmy,chovatel_chov,prasnica_farma,chovatel_kraj,"
                  "chovatel_okres,chovatel_zavod,datum_oprasenia,usne_cislo,cecky) VALUES "
                  "('900001','01','54321','06','02','005','2008-01-01','1234500','14'),"
                  "('900001','01','54321','06','02','005','2008-01-01','5432107','12')");

        ScriptedDialogs dialogs;
        QString status;
        FrameMerVU frame([&](const QString& text) { status = text; });
        frame.resize(795, 640);
        frame.show();
        frame.run(0, 1);
        QCOMPARE(dialogs.texts().last(), QString::fromUtf8("Dávka je prevedená do databázy !"));
        frame.run(1, 0);
        QCOMPARE(dialogs.texts().last(),
                 QString::fromUtf8("Dávka nameraných údajov obsahuje duplicitné údaje !"));
        auto* grid = frame.findChild<QueryGrid*>("DBGridMeranie");
        QCOMPARE(grid->rows(), 2);
        shoot(&frame, "i21-meranie-duplicity.png");

        Sql::exec("DELETE FROM os53a WHERE porc = '003'");
        Sql::exec("DELETE FROM tpotpoh WHERE usne_cislo = '5432107'");
        frame.run(3, 0);
        QCOMPARE(dialogs.texts().last(),
                 QString::fromUtf8("Korektné spárovanie dávky s databázou !"));
        frame.run(3, 1);
        QCOMPARE(grid->rows(), 1);
        shoot(&frame, "i21-meranie-sparovane.png");
        // The unpaired piglet's teats typed in the correction grid; a value
        // too wide is refused and not stored.
        frame.run(3, 3);
        auto* correction = frame.findChild<QTableWidget*>("DBGridOprava");
        QCOMPARE(correction->rowCount(), 1);
        QTableWidgetItem* teats = correction->item(0, 14);
        QCOMPARE(correction->horizontalHeaderItem(14)->text(), QString("Str"));
        teats->setText("123");
        QCOMPARE(dialogs.texts().last(), QString::fromUtf8("Údaj „123“ je dlhší ako 2 znaky."));
        shoot(&frame, "i21-meranie-oprava.png");
        correction->item(0, 14)->setText("12");
        // Enter moves on to the next column, from the last back to the first.
        correction->setCurrentCell(0, correction->columnCount() - 1);
        QTest::keyClick(correction, Qt::Key_Return);
        QCOMPARE(correction->currentColumn(), 0);
        QCOMPARE(Sql::value("SELECT strvyr FROM os53a WHERE uscisl = '5432107'").toString(),
                 QString("12"));
        frame.run(3, 4);
        QCOMPARE(dialogs.texts().last(), QString::fromUtf8("Dávka je pripojená k meraniu !"));

        frame.run(3, 5);
        QCOMPARE(status, QString::fromUtf8(" počet = 2"));
        QCOMPARE(grid->rows(), 2);

        frame.showExport();
        frame.runExport(0);
        QCOMPARE(frame.findChild<QPlainTextEdit*>("MemoExport")->toPlainText(),
                 QString::fromUtf8("  06 02 005 01     07.03.2008    - 2 ks"));
        shoot(&frame, "i21-export.png");
        frame.runExport(1);
        QVERIFY(QFile::exists(home.filePath("DATA_exp/VSTULT05.xml")));
    }
};

QTEST_MAIN(TestMeasurementPanel)
#include "test_measurement_panel.moc"
