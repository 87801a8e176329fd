#include "common/DateText.h"

#include <QByteArrayView>

namespace herd::DateText {

namespace {

int twoDigits(const QString& text, bool& ok) {
    ok = text.size() == 2 && text[0].isDigit() && text[1].isDigit();
    return ok ? text.toInt() : 0;
}

// The latest date with the day and month on or before the reference (a 29
// February looks back to the last leap year).
QDate latestOnOrBefore(int day, int month, const QDate& reference) {
    if (!reference.isValid() || !QDate(2000, month, day).isValid())
        return {};
    for (int year = reference.year(); year >= reference.year() - 8; --year) {
        const QDate date(year, month, day);
        if (date.isValid() && date <= reference)
            return date;
    }
    return {};
}

QString formatted(const QDate& date, const QString& format, const QString& empty) {
    return date.isValid() ? date.toString(format) : empty;
}
} // namespace

QDate given(const QDate& date) {
    return date.isValid() && date != emptyDate() ? date : QDate();
}

QString givenSql(const QString& column) {
    return QStringLiteral("NULLIF(%1, '%2')").arg(column, iso(emptyDate()));
}

QString iso(const QDate& date) {
    return (date.isValid() ? date : emptyDate()).toString(QStringLiteral("yyyy-MM-dd"));
}

QString ddmmyy(const QDate& date) {
    return formatted(date, QStringLiteral("ddMMyy"), QStringLiteral("000000"));
}

QString ddmm(const QDate& date) {
    return formatted(date, QStringLiteral("ddMM"), QStringLiteral("0000"));
}

QString mm(const QDate& date) {
    return formatted(date, QStringLiteral("MM"), QStringLiteral("00"));
}
QString dd(const QDate& date) {
    return formatted(date, QStringLiteral("dd"), QStringLiteral("00"));
}
QString yy(const QDate& date) {
    return formatted(date, QStringLiteral("yy"), QStringLiteral("00"));
}

QString dotted(const QDate& date) {
    return formatted(date, QStringLiteral("dd.MM.yyyy"), {});
}
QString dottedShort(const QDate& date) {
    return formatted(date, QStringLiteral("dd.MM.yy"), {});
}

QDate parse(const QString& text) {
    const QString t = text.trimmed();
    QDate date = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        date = QDate::fromString(t, QStringLiteral("d.M.yyyy"));
    return date;
}

QDate typed(const QString& text, const QDate& today) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    QDate date = parse(t);
    if (date.isValid())
        return date;
    for (const char* format : {"ddMMyyyy", "d.M.yy", "ddMMyy"}) {
        date = QDate::fromString(t, QLatin1String(format));
        if (!date.isValid())
            continue;
        const bool shortYear =
            QByteArrayView(format).endsWith("yy") && !QByteArrayView(format).endsWith("yyyy");
        // Qt reads "yy" as 19yy.
        if (shortYear) {
            date = date.addYears(100);
            if (date.year() > today.year() + 20)
                date = date.addYears(-100);
        }
        return date;
    }
    return {};
}

QDate fromDdmmyy(const QString& text, const QDate& reference) {
    bool okDay = false, okMonth = false, okYear = false;
    const QString t = text.trimmed();
    if (t.size() != 6)
        return {};
    const int day = twoDigits(t.mid(0, 2), okDay);
    const int month = twoDigits(t.mid(2, 2), okMonth);
    const int year = twoDigits(t.mid(4, 2), okYear);
    if (!okDay || !okMonth || !okYear || !reference.isValid())
        return {};
    // Of this century unless that is after the reference's year.
    const int century = 2000 + year <= reference.year() ? 2000 : 1900;
    return QDate(century + year, month, day);
}

QDate fromDdmm(const QString& text, const QDate& reference) {
    bool okDay = false, okMonth = false;
    const QString t = text.trimmed();
    if (t.size() != 4)
        return {};
    const int day = twoDigits(t.mid(0, 2), okDay);
    const int month = twoDigits(t.mid(2, 2), okMonth);
    if (!okDay || !okMonth)
        return {};
    return latestOnOrBefore(day, month, reference);
}

QDate fromParts(const QString& day, const QString& month, const QString& year,
                const QDate& reference) {
    return fromDdmmyy(day.trimmed() + month.trimmed() + year.trimmed(), reference);
}

} // namespace herd::DateText
