#include "measurement/DeliveryFile.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace herd {

namespace {

// Windows-1250 from 0x80 to 0xFF (U+FFFD where the code page has no character).
constexpr char16_t cp1250[128] = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

bool digitsAt(const QString& line, std::initializer_list<int> positions) {
    for (int p : positions)
        if (p > line.size() || !line.at(p - 1).isDigit() || line.at(p - 1).unicode() > 0x7f)
            return false;
    return true;
}

bool asciiDigits(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// The line's text as the message shows it (a random byte file can hold
// control characters and very long lines).
QString shown(const QString& line) {
    QString text;
    for (QChar c : line.left(80))
        text.append(c.isPrint() ? c : QChar(u'?'));
    return line.size() > 80 ? text + QStringLiteral("…") : text;
}

struct LineError {
    QString reason;
};

QString widthChecked(const QString& value, int width) {
    if (value.size() > width)
        throw LineError{u("údaj „%1“ je dlhší ako %2").arg(value, DeliveryFile::widthText(width))};
    return value;
}

QDate dateChecked(const QString& field) {
    const QDate date = DeliveryFile::date(field);
    if (!date.isValid())
        throw LineError{u("dátum „%1“ sa nedá prečítať").arg(field)};
    return date;
}

QString numberChecked(const QString& value, const QString& field) {
    if (value.isEmpty())
        throw LineError{u("číslo „%1“ sa nedá prečítať").arg(field)};
    return value;
}

// The weight as written: a whole number of kilograms, or with one decimal
// (point or comma), at most 9999.9.
QString weight(const QString& field) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,4})(?:[.,]([0-9]))?$"));
    const auto m = form.match(field);
    if (!m.hasMatch())
        return {};
    const QString whole = QString::number(m.captured(1).toInt());
    return m.captured(2).isEmpty() ? whole : whole + QLatin1Char('.') + m.captured(2);
}

} // namespace

QString DeliveryFile::widthText(int width) {
    const char* noun = width == 1 ? "znak" : width >= 2 && width <= 4 ? "znaky" : "znakov";
    return QString::number(width) + QLatin1Char(' ') + QLatin1String(noun);
}

QString DeliveryFile::decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text.append(b < 0x80 ? QChar(b) : QChar(cp1250[b - 0x80]));
    }
    return text;
}

DeliveryFile::LineKind DeliveryFile::classify(const QString& line) {
    if (digitsAt(line, {10, 11, 12}))
        return LineKind::Group;
    if (digitsAt(line, {6, 7, 8, 9, 10}))
        return LineKind::Animal;
    return LineKind::Skipped;
}

QStringList DeliveryFile::fields(const QString& line) {
    QStringList list = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (line.startsWith(QLatin1Char(' ')))
        list.prepend(QString());
    return list;
}

QString DeliveryFile::earNumber(const QString& dam, const QString& ear) {
    if (!ear.startsWith(QLatin1String("000")))
        return ear + QLatin1String("00");
    return dam + ear.mid(3, 2);
}

QDate DeliveryFile::date(const QString& field) {
    if (field.size() < 8)
        return {};
    const QString day = field.mid(0, 2), month = field.mid(3, 2), year = field.mid(6, 2);
    if (!asciiDigits(day) || !asciiDigits(month) || !asciiDigits(year))
        return {};
    return QDate(2000 + year.toInt(), month.toInt(), day.toInt());
}

QString DeliveryFile::tenths(const QString& field) {
    if (!asciiDigits(field) || field.size() > 4)
        return {};
    const int value = field.toInt();
    return QString::number(value / 10) + QLatin1Char('.') + QString::number(value % 10);
}

QString DeliveryFile::share(const QString& field) {
    if (field.size() < 4 || !asciiDigits(field.left(2)) || !asciiDigits(field.mid(3, 1)))
        return {};
    if (field.size() > 4 || (field.at(2) != u',' && field.at(2) != u'.'))
        return {};
    const int value = field.left(2).toInt() * 10 + field.mid(3, 1).toInt();
    return QString::number(value / 10) + QLatin1Char('.') + QString::number(value % 10);
}

DeliveryFile::Result DeliveryFile::read(const QByteArray& bytes) {
    Result result;
    const QStringList lines = decode(bytes).split(QLatin1Char('\n'));
    MeasuredAnimal group;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const LineKind kind = classify(line);
        if (kind == LineKind::Skipped)
            continue;
        const QStringList f = fields(line);
        try {
            if (kind == LineKind::Group) {
                if (f.size() < 8)
                    throw LineError{u("riadok skupiny má menej ako 8 údajov")};
                group.podnik = widthChecked(f.at(0), 2);
                group.okres = widthChecked(f.at(1), 2);
                group.zavod = widthChecked(f.at(2), 3);
                group.chov = widthChecked(f.at(3), 2);
                group.mersk = widthChecked(f.at(4), 2);
                group.dmer = dateChecked(f.at(5));
                group.pohl = widthChecked(f.at(6), 1);
                group.dpre = dateChecked(f.at(7));
                continue;
            }
            if (f.size() < 13)
                throw LineError{u("riadok zvieraťa má menej ako 13 údajov")};
            MeasuredAnimal a = group;
            a.line = int(i + 1);
            a.porc = widthChecked(f.at(0), 3);
            a.matka = widthChecked(f.at(1), 5);
            a.uscisl = widthChecked(earNumber(a.matka, f.at(2)), 7);
            a.hmotn = numberChecked(weight(f.at(3)), f.at(3));
            a.dnar = dateChecked(f.at(4));
            QString* readings[] = {&a.sl1, &a.sl2, &a.sl3, &a.pig1, &a.pig2, &a.pigsv};
            for (int r = 0; r < 6; ++r)
                *readings[r] = numberChecked(tenths(f.at(6 + r)), f.at(6 + r));
            a.hmc = numberChecked(share(f.at(12)), f.at(12));
            result.animals.append(a);
        } catch (const LineError& e) {
            result.animals.clear();
            result.error =
                u("Riadok %1 sa nedá prečítať (%2): %3").arg(i + 1).arg(e.reason, shown(line));
            return result;
        }
    }
    return result;
}

} // namespace herd
