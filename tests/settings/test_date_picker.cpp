// The date picker hands back the chosen day, or nothing when closed.
#include "settings/FormDenAkt.h"

#include <QCalendarWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestDatePicker : public QObject {
    Q_OBJECT
private slots:
    void returnsTheChosenDay() {
        FormDenAkt picker;
        QTimer::singleShot(0, &picker, [&] {
            QCOMPARE(picker.calendar()->selectedDate(), QDate::currentDate());
            picker.calendar()->setSelectedDate(QDate(2008, 3, 7));
            QTest::mouseClick(picker.confirmButton(), Qt::LeftButton);
        });
        const std::optional<QDate> day = picker.ask(QStringLiteral("Zadaj dátum aktualizácie"));
        QCOMPARE(picker.windowTitle(), QStringLiteral("Zadaj dátum aktualizácie"));
        QVERIFY(day.has_value());
        QCOMPARE(*day, QDate(2008, 3, 7));
    }

    void closedWithoutConfirmingIsCancelled() {
        FormDenAkt picker;
        QTimer::singleShot(0, &picker, [&] {
            picker.calendar()->setSelectedDate(QDate(2008, 3, 7));
            picker.close();
        });
        QVERIFY(!picker.ask(QStringLiteral("Zadaj dátum aktualizácie")).has_value());
    }
};

QTEST_MAIN(TestDatePicker)
#include "test_date_picker.moc"
