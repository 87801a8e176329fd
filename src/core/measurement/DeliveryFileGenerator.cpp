#include "measurement/DeliveryFileGenerator.h"

#include "db/Sql.h"
#include "demo/DemoRandom.h"

#include <QSqlQuery>
#include <QStringList>

namespace herd {

namespace {
// A value in tenths as the file writes it, between low and high.
QByteArray tenths(DemoRandom& random, int low, int high) {
    return QByteArray::number(random.between(low, high));
}
} // namespace

QByteArray DeliveryFileGenerator::generate(const DeliveryFileOptions& o, int* known) {
    DemoRandom random(o.seed);
    QSqlQuery q = Sql::exec(
        QStringLiteral("SELECT chovatel_kraj,chovatel_okres,chovatel_zavod,chovatel_chov,"
                       "prasnica_farma,datum_oprasenia,usne_cislo FROM tpotpoh "
                       "WHERE cislo_farmy = ? AND chovatel_kraj IS NOT NULL "
                       "ORDER BY chovatel_chov,prasnica_farma,datum_oprasenia,usne_cislo"),
        {o.farm});
    QByteArray group;
    QList<QByteArray> lines;
    int serial = 0;
    const auto animal = [&](const QString& dam, const QString& ear, const QDate& born) {
        ++serial;
        QByteArray line =
            QByteArray::number(serial % 1000).rightJustified(3, '0') + "  " + dam.toLatin1() + ' ' +
            ear.toLatin1() + ' ' + QByteArray::number(random.between(90, 119)) + ' ' +
            born.toString(QStringLiteral("dd.MM.yy")).toLatin1() + " 0 " + tenths(random, 8, 25) +
            ' ' + tenths(random, 8, 25) + ' ' + tenths(random, 8, 25) + ' ' +
            tenths(random, 40, 70) + ' ' + tenths(random, 40, 70) + ' ' + tenths(random, 40, 70) +
            ' ' + QByteArray::number(random.between(50, 64)) + ',' +
            QByteArray::number(random.between(0, 9));
        lines.append(line);
    };
    int found = 0;
    QDate lastBirth(2008, 1, 1);
    while (found < o.animals && q.next()) {
        const QString dam = q.value(4).toString();
        const QString ear = q.value(6).toString();
        QString field;
        if (ear.size() == 7 && ear.endsWith(QLatin1String("00")) &&
            !ear.startsWith(QLatin1String("000")))
            field = ear.left(5);
        else if (ear.size() == 7 && ear.left(5) == dam)
            field = QStringLiteral("000") + ear.mid(5, 2);
        else
            continue;
        if (group.isEmpty())
            group = q.value(0).toString().toLatin1() + "    " + q.value(1).toString().toLatin1() +
                    ' ' + q.value(2).toString().toLatin1() + ' ' +
                    q.value(3).toString().toLatin1() + " 01 " + o.dmer.toLatin1() + " 1 " +
                    o.dmer.toLatin1();
        lastBirth = q.value(5).toDate();
        animal(dam, field, lastBirth);
        ++found;
    }
    if (group.isEmpty())
        group = "06    02 005 01 01 " + o.dmer.toLatin1() + " 1 " + o.dmer.toLatin1();
    // Unknown animals: a dam number no litter carries.
    for (int i = 0; i < o.unknown; ++i)
        animal(QStringLiteral("9%1").arg(i % 10000, 4, 10, QLatin1Char('0')),
               QStringLiteral("%1").arg(10000 + i % 90000, 5, 10, QLatin1Char('0')), lastBirth);
    for (int i = 0; i < o.duplicated && !lines.isEmpty(); ++i) {
        const QByteArray copy = lines.at(random.between(0, int(lines.size()) - 1));
        lines.append(copy);
    }
    if (known)
        *known = found;
    QByteArray bytes = "Meranie vlastnej uzitkovosti\r\n" + group + "\r\n";
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace herd
