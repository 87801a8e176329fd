#include "measurement/DeliveryFile.h"

#include <QRandomGenerator>
#include <QTest>

using namespace herd;

namespace {
const QByteArray group = "06    02 005 01 05 07.03.08 1 15.03.08";
const QByteArray animal = "001  54321 12345 105 01.01.08 0 125 130 128 450 460 455 55,3";
} // namespace

class TestDeliveryFile : public QObject {
    Q_OBJECT
private slots:
    void classify_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("kind");
        using K = DeliveryFile::LineKind;
        QTest::newRow("group: 10-12 digits") << QString::fromLatin1(group) << int(K::Group);
        QTest::newRow("group whatever 6-9 hold") << "xxxxxxxxx123" << int(K::Group);
        QTest::newRow("animal: 6-10 digits, 11 blank")
            << QString::fromLatin1(animal) << int(K::Animal);
        QTest::newRow("animal: 12 not a digit") << "abcde123456x" << int(K::Animal);
        QTest::newRow("blank at 6 and 10") << "06 02 005 01 05" << int(K::Skipped);
        QTest::newRow("short line") << "12345678" << int(K::Skipped);
        QTest::newRow("empty") << "" << int(K::Skipped);
    }
    void classify() {
        QFETCH(QString, line);
        QFETCH(int, kind);
        QCOMPARE(int(DeliveryFile::classify(line)), kind);
    }

    void values_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ear 12345") << "ear"
                                   << "54321 12345"
                                   << "1234500";
        QTest::newRow("ear 00007 of dam 54321") << "ear"
                                                << "54321 00007"
                                                << "5432107";
        QTest::newRow("tenths 125") << "tenths"
                                    << "125"
                                    << "12.5";
        QTest::newRow("tenths 7") << "tenths"
                                  << "7"
                                  << "0.7";
        QTest::newRow("tenths not a number") << "tenths"
                                             << "12a"
                                             << "";
        QTest::newRow("share 55,3") << "share"
                                    << "55,3"
                                    << "55.3";
        QTest::newRow("share 5,3") << "share"
                                   << "5,3"
                                   << "";
        QTest::newRow("date 07.03.08") << "date"
                                       << "07.03.08"
                                       << "2008-03-07";
        QTest::newRow("date 31.02.08") << "date"
                                       << "31.02.08"
                                       << "";
        QTest::newRow("date 7.3.08") << "date"
                                     << "7.3.08"
                                     << "";
    }
    void values() {
        QFETCH(QString, kind);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QString got;
        if (kind == "ear")
            got = DeliveryFile::earNumber(input.section(' ', 0, 0), input.section(' ', 1, 1));
        else if (kind == "tenths")
            got = DeliveryFile::tenths(input);
        else if (kind == "share")
            got = DeliveryFile::share(input);
        else
            got = DeliveryFile::date(input).toString(Qt::ISODate);
        QCOMPARE(got, expected);
    }

    void readsGroupsAndAnimals_data() {
        QTest::addColumn<QByteArray>("eol");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR LF") << QByteArray("\r\n");
    }
    void readsGroupsAndAnimals() {
        QFETCH(QByteArray, eol);
        const QByteArray file = QByteArray("Hlavicka dodavky") + eol + group + eol + animal + eol +
                                "002  54321 00007 98 02.01.08 0 90 91 92 400 410 405 57,0" + eol +
                                "06    02 005 02 06 08.03.08 2 16.03.08" + eol +
                                "003  11111 22222 110 03.01.08 0 100 100 100 500 500 500 60,1" +
                                eol;
        const DeliveryFile::Result r = DeliveryFile::read(file);
        QCOMPARE(r.error, QString());
        QCOMPARE(r.animals.size(), 3);
        const MeasuredAnimal& a = r.animals.at(0);
        QCOMPARE(a.line, 3);
        QCOMPARE(QStringList({a.podnik, a.okres, a.zavod, a.chov, a.mersk, a.pohl}),
                 QStringList({"06", "02", "005", "01", "05", "1"}));
        QCOMPARE(a.dmer, QDate(2008, 3, 7));
        QCOMPARE(a.dpre, QDate(2008, 3, 15));
        QCOMPARE(QStringList({a.porc, a.matka, a.uscisl, a.hmotn}),
                 QStringList({"001", "54321", "1234500", "105"}));
        QCOMPARE(QStringList({a.sl1, a.sl2, a.sl3, a.pig1, a.pig2, a.pigsv, a.hmc}),
                 QStringList({"12.5", "13.0", "12.8", "45.0", "46.0", "45.5", "55.3"}));
        QCOMPARE(r.animals.at(1).uscisl, QString("5432107"));
        QCOMPARE(r.animals.at(2).mersk, QString("06"));
        QCOMPARE(r.animals.at(2).dmer, QDate(2008, 3, 8));
    }

    // A line that cannot be read refuses the whole file and names the line.
    void refusesBadLines_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("truncated animal line")
            << group + "\n" + animal + "\n001  54321 12345 105 01.01.08\n"
            << QString::fromUtf8("Riadok 3 sa nedá prečítať (riadok zvieraťa má menej ako 13 "
                                 "údajov): 001  54321 12345 105 01.01.08");
        QTest::newRow("truncated group line")
            << "06    02 005 01 05\r\n" + animal
            << QString::fromUtf8(
                   "Riadok 1 sa nedá prečítať (riadok skupiny má menej ako 8 údajov)");
        QTest::newRow("date that does not parse")
            << group + "\n" + QByteArray(animal).replace("01.01.08", "41.01.08")
            << QString::fromUtf8("Riadok 2 sa nedá prečítať (dátum „41.01.08“ sa nedá prečítať)");
        QTest::newRow("reading that is not a number")
            << group + "\n" + QByteArray(animal).replace(" 130 ", " 1x0 ")
            << QString::fromUtf8("Riadok 2 sa nedá prečítať (číslo „1x0“ sa nedá prečítať)");
        QTest::newRow("serial wider than its column")
            << group + "\n" + QByteArray(animal).replace("001  ", "0001 ")
            << QString::fromUtf8("Riadok 2 sa nedá prečítať (údaj „0001“ je dlhší ako 3 znaky)");
        // Windows-1250: the Slovak word of the line reaches the message intact.
        QTest::newRow("Windows-1250 line")
            << "Meranie \x8Eilina, \x9A"
               "e\xBEmy\n" +
                   group + "\n" + QByteArray(animal).replace("55,3", "\x8Elt\xFD")
            << QString::fromUtf8("Riadok 3 sa nedá prečítať (číslo „Žltý“ sa nedá prečítať)");
    }
    void refusesBadLines() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        const DeliveryFile::Result r = DeliveryFile::read(file);
        QVERIFY2(r.error.startsWith(message), qPrintable(r.error));
        QVERIFY(r.animals.isEmpty());
    }

    void decodesBothEncodings() {
        const QString text = QString::fromUtf8("Žilina, šeľmy, Ťahanovce");
        QCOMPARE(DeliveryFile::decode(text.toUtf8()), text);
        QCOMPARE(DeliveryFile::decode("\x8Eilina, \x9A"
                                      "e\xBEmy, \x8D"
                                      "ahanovce"),
                 text);
    }

    void emptyAndRandomFiles() {
        QVERIFY(DeliveryFile::read({}).animals.isEmpty());
        QVERIFY(DeliveryFile::read({}).error.isEmpty());
        // Random bytes never crash the reader: it reads nothing or names a line.
        QRandomGenerator random(21);
        for (int round = 0; round < 50; ++round) {
            QByteArray bytes(4096, Qt::Uninitialized);
            for (char& b : bytes)
                b = char(random.bounded(256));
            const DeliveryFile::Result r = DeliveryFile::read(bytes);
            QVERIFY(r.error.isEmpty() || r.error.startsWith(QStringLiteral("Riadok ")));
        }
    }
};

QTEST_GUILESS_MAIN(TestDeliveryFile)
#include "test_delivery_file.moc"
