// The small helpers every batch relies on: padding, tenths, rounding, date
// texts and the migration script splitter.
#include "common/ControlChars.h"
#include "common/DateText.h"
#include "common/Padding.h"
#include "common/Plural.h"
#include "common/Rounding.h"
#include "db/Schema.h"

#include <QTest>

using namespace herd;

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void padding_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sow") << "343" << 5 << "00343";
        QTest::newRow("blanks trimmed") << " 7 " << 2 << "07";
        QTest::newRow("empty") << "" << 3 << "000";
        QTest::newRow("exact") << "12345" << 5 << "12345";
        QTest::newRow("wider kept whole") << "123456" << 5 << "123456";
        QTest::newRow("ear number") << "4521" << 7 << "0004521";
    }
    void padding() {
        QFETCH(QString, value);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(padLeftZeros(value, width), expected);
    }

    void tenths_data() {
        QTest::addColumn<double>("kg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("80.5") << 80.5 << "0805";
        QTest::newRow("1.25 half to even") << 1.25 << "0012";
        QTest::newRow("1.35 half to even") << 1.35 << "0014";
        QTest::newRow("zero") << 0.0 << "0000";
        QTest::newRow("112.0") << 112.0 << "1120";
    }
    void tenths() {
        QFETCH(double, kg);
        QFETCH(QString, expected);
        QCOMPARE(tenthsText(kg, 4), expected);
    }

    void rounding_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        QTest::newRow("2.25 down to even") << 2.25 << 1 << 2.2;
        QTest::newRow("2.35 up to even") << 2.35 << 1 << 2.4;
        QTest::newRow("2.675 binary hair below half") << 2.675 << 2 << 2.68;
        QTest::newRow("2.665") << 2.665 << 2 << 2.66;
        QTest::newRow("not a half") << 2.26 << 1 << 2.3;
        QTest::newRow("negative half") << -2.5 << 0 << -2.0;
        QTest::newRow("0.5 to 0") << 0.5 << 0 << 0.0;
        QTest::newRow("1.5 to 2") << 1.5 << 0 << 2.0;
    }
    void rounding() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        QCOMPARE(roundHalfEven(value, decimals), expected);
    }

    void dateTexts() {
        const QDate d(2026, 12, 9);
        QCOMPARE(DateText::iso(d), QStringLiteral("2026-12-09"));
        QCOMPARE(DateText::ddmmyy(d), QStringLiteral("091226"));
        QCOMPARE(DateText::ddmm(d), QStringLiteral("0912"));
        QCOMPARE(DateText::mm(d) + DateText::dd(d) + DateText::yy(d), QStringLiteral("120926"));
        QCOMPARE(DateText::dotted(d), QStringLiteral("09.12.2026"));

        const QDate empty;
        QCOMPARE(DateText::iso(empty), QStringLiteral("1899-12-30"));
        QCOMPARE(DateText::ddmmyy(empty), QStringLiteral("000000"));
        QCOMPARE(DateText::ddmm(empty), QStringLiteral("0000"));
        QCOMPARE(DateText::yy(empty), QStringLiteral("00"));
        QCOMPARE(DateText::dotted(empty), QString());

        QCOMPARE(DateText::parse(QStringLiteral("2026-02-28")), QDate(2026, 2, 28));
        QCOMPARE(DateText::parse(QStringLiteral("1.3.2026")), QDate(2026, 3, 1));
        QVERIFY(!DateText::parse(QStringLiteral("2026-02-30")).isValid());
    }

    // Dates as users type them, and the documents' date texts read back
    // against the day they were written.
    void readDates_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("reference");
        QTest::addColumn<QDate>("date");
        const QDate today(2026, 12, 10);
        QTest::newRow("typed dotted") << "typed"
                                      << "01.08.2026" << today << QDate(2026, 8, 1);
        QTest::newRow("typed short") << "typed"
                                     << "1.8.26" << today << QDate(2026, 8, 1);
        QTest::newRow("typed digits") << "typed"
                                      << "010826" << today << QDate(2026, 8, 1);
        QTest::newRow("typed eight digits") << "typed"
                                            << "01082026" << today << QDate(2026, 8, 1);
        QTest::newRow("typed old year") << "typed"
                                        << "3.5.60" << today << QDate(1960, 5, 3);
        QTest::newRow("typed no day") << "typed"
                                      << "31.02.2026" << today << QDate();
        QTest::newRow("typed words") << "typed"
                                     << "1 Jan 2000" << today << QDate();
        QTest::newRow("ddmmyy") << "ddmmyy"
                                << "070308" << today << QDate(2008, 3, 7);
        QTest::newRow("ddmmyy last century") << "ddmmyy"
                                             << "281299" << today << QDate(1999, 12, 28);
        QTest::newRow("ddmmyy empty") << "ddmmyy"
                                      << "000000" << today << QDate();
        QTest::newRow("ddmm this year") << "ddmm"
                                        << "0812" << today << QDate(2026, 12, 8);
        // A farrowing of late December written on 2 January is of the old year.
        QTest::newRow("ddmm over new year") << "ddmm"
                                            << "2812" << QDate(2027, 1, 2) << QDate(2026, 12, 28);
        QTest::newRow("ddmm leap day") << "ddmm"
                                       << "2902" << QDate(2027, 3, 1) << QDate(2024, 2, 29);
        QTest::newRow("ddmm empty") << "ddmm"
                                    << "0000" << today << QDate();
    }
    void readDates() {
        QFETCH(QString, form);
        QFETCH(QString, text);
        QFETCH(QDate, reference);
        QFETCH(QDate, date);
        const QDate read = form == "typed"    ? DateText::typed(text, reference)
                           : form == "ddmmyy" ? DateText::fromDdmmyy(text, reference)
                                              : DateText::fromDdmm(text, reference);
        QCOMPARE(read, date);
    }

    void splitStatements() {
        const QString script =
            QStringLiteral("-- a comment; with a semicolon\n"
                           "CREATE TABLE a (x VARCHAR(5) DEFAULT ';');\n"
                           "/* block; comment */ INSERT INTO a VALUES ('it''s; fine'), (\"q;\");\n"
                           "INSERT INTO a VALUES ('back\\\\slash;')");
        const QStringList statements = Schema::splitStatements(script);
        QCOMPARE(statements.size(), 3);
        QCOMPARE(statements.at(0), QStringLiteral("CREATE TABLE a (x VARCHAR(5) DEFAULT ';')"));
        QVERIFY(statements.at(1).endsWith(QStringLiteral("('it''s; fine'), (\"q;\")")));
        QCOMPARE(statements.at(2), QStringLiteral("INSERT INTO a VALUES ('back\\\\slash;')"));
    }

    void plurals_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "0 dokladov";
        QTest::newRow("1") << 1 << "1 doklad";
        QTest::newRow("2") << 2 << "2 doklady";
        QTest::newRow("4") << 4 << "4 doklady";
        QTest::newRow("5") << 5 << "5 dokladov";
        QTest::newRow("11") << 11 << "11 dokladov";
        QTest::newRow("21") << 21 << "21 dokladov"; // only 1 itself is singular
        QTest::newRow("22") << 22 << "22 dokladov";
    }
    void plurals() {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(Plural::count(n, QStringLiteral("doklad"), QStringLiteral("doklady"),
                               QStringLiteral("dokladov")),
                 text);
    }

    void controlCharactersEscaped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain and diacritics") << "Prasnica 00012 ťč"
                                              << "Prasnica 00012 ťč";
        QTest::newRow("carriage return") << "12\r34"
                                         << "12\\r34";
        QTest::newRow("escape sequence") << "\x1b[2J"
                                         << "\\e[2J";
        QTest::newRow("other controls") << QString::fromLatin1("a\x01"
                                                               "b\x7f")
                                        << "a\\x01b\\x7f";
        QTest::newRow("C1 control") << QString(QChar(0x9b)) + "31m"
                                    << "\\u009b31m";
        QTest::newRow("backslash doubled") << "a\\x01"
                                           << "a\\\\x01";
    }
    void controlCharactersEscaped() {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(ControlChars::escaped(text), escaped);
        for (const QChar c : ControlChars::escaped(text))
            QVERIFY(c.unicode() >= 0x20 && c.unicode() != 0x7f &&
                    (c.unicode() < 0x80 || c.unicode() > 0x9f));
    }
};

QTEST_GUILESS_MAIN(TestCommon)
#include "test_common.moc"
