#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace herd {

// One animal of the measuring service's delivery file, with the values of
// the group line above it. Measured values are exact decimal texts with a
// point ("12.5"), bound as they are into DECIMAL columns.
struct MeasuredAnimal {
    int line = 0; // the file's line number, from 1
    QString podnik, okres, zavod, chov, mersk;
    QDate dmer;
    QString pohl;
    QDate dpre;
    QString porc, matka, uscisl;
    QDate dnar;
    QString hmotn, sl1, sl2, sl3, pig1, pig2, pigsv, hmc;
};

// Reads the delivery file (tevta50.txt). Lines are classified by the
// characters at fixed positions of the raw line: a group line has digits at
// 10, 11 and 12; an animal line (not a group line) at 6 to 10; others are
// skipped. Fields are split at runs of blanks. A line that cannot be read
// (too few fields, a date or number that does not parse, a value wider than
// its column) makes the whole file unreadable: the result names the line.
class DeliveryFile {
public:
    enum class LineKind { Group, Animal, Skipped };

    struct Result {
        QList<MeasuredAnimal> animals;
        QString error; // empty when every line was read
    };

    static QString fileName() { return QStringLiteral("tevta50.txt"); }

    static Result read(const QByteArray& bytes);

    // UTF-8 when the bytes are valid UTF-8, else Windows-1250 (the measuring
    // service's own encoding), so that Slovak text survives either way.
    static QString decode(const QByteArray& bytes);
    static LineKind classify(const QString& line);
    // The fields of a line: a run of blanks is one separator; a line that
    // begins with a blank has an empty first field.
    static QStringList fields(const QString& line);
    // The stored ear number: field 3 followed by "00", or, when field 3 begins
    // with "000", the dam's number followed by its characters 4 and 5.
    static QString earNumber(const QString& dam, const QString& ear);
    // "dd.mm.yy" (characters 1-2, 4-5, 7-8) as a date of 20yy; invalid when
    // it does not parse.
    static QDate date(const QString& field);
    // An integer in tenths as a decimal text ("125" -> "12.5"); empty when
    // the field is not a whole number.
    static QString tenths(const QString& field);
    // "1 znak", "3 znaky", "7 znakov": a column's width in words.
    static QString widthText(int width);
    // The lean-meat share "dd,d" ("55,3" -> "55.3"); empty when malformed.
    static QString share(const QString& field);
};

} // namespace herd
