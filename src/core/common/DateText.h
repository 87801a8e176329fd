#pragma once

#include <QDate>
#include <QString>

namespace herd {

// The text forms in which dates travel: to SQL, to the register documents and
// to the user. Each form exists here once.
namespace DateText {

// The day an empty date stands for when it is written as text.
inline QDate emptyDate() {
    return QDate(1899, 12, 30);
}

// A stored date, or an invalid date where none is given: NULL and the empty
// date (which older data carries for "no date") both mean no date.
QDate given(const QDate& date);
// The same rule in a select: the column's value, or NULL for the empty date.
// The column name comes from the caller's fixed text.
QString givenSql(const QString& column);

// "yyyy-mm-dd"; an invalid date gives the empty date's text "1899-12-30".
QString iso(const QDate& date);
// "ddmmyy" (091226); an invalid date gives "000000".
QString ddmmyy(const QDate& date);
// "ddmm" (0912); an invalid date gives "0000".
QString ddmm(const QDate& date);
// Two-digit parts; an invalid date gives "00" for each.
QString mm(const QDate& date);
QString dd(const QDate& date);
QString yy(const QDate& date);
// "dd.mm.yyyy" for the user; an invalid date gives an empty text.
QString dotted(const QDate& date);
// "dd.mm.yy" (the measurement's XML); an invalid date gives an empty text.
QString dottedShort(const QDate& date);

// Reads "yyyy-mm-dd" or "dd.mm.yyyy"; anything else gives an invalid date.
QDate parse(const QString& text);
// A date as a user types it into a grid or a field: "01.08.2026", "1.8.2026",
// "01.08.26", "010826", "01082026" or "2026-08-01". A two-digit year is of
// this century unless that puts it more than 20 years after `today`.
// Anything else gives an invalid date.
QDate typed(const QString& text, const QDate& today = QDate::currentDate());

// The register documents' date texts read back, settled against a reference
// day (the day the document was written): a two-digit year is of this century
// unless that is after the reference's year; a day and month without a year
// is the latest such date on or before the reference. The empty forms
// ("000000", "0000", "00") and anything unreadable give an invalid date.
QDate fromDdmmyy(const QString& text, const QDate& reference);
QDate fromDdmm(const QString& text, const QDate& reference);
QDate fromParts(const QString& day, const QString& month, const QString& year,
                const QDate& reference);

} // namespace DateText
} // namespace herd
