#include "common/DateText.h"

namespace herd::DateText {

namespace {
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

QDate parse(const QString& text) {
    const QString t = text.trimmed();
    QDate date = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        date = QDate::fromString(t, QStringLiteral("d.M.yyyy"));
    return date;
}

} // namespace herd::DateText
