#include "measurement/MeasurementDocument.h"

#include "common/DateText.h"
#include "common/Rounding.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "register/XmlLines.h"
#include "reports/ReportEngine.h"
#include "reports/ReportError.h"

#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>

namespace herd {

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}

// The measurement in the document's and the XML's order.
const char* const orderedRows =
    "SELECT podnik,okres,zavod,chov,mersk,dmer,sthybr,porc,uscisl,pohl,dnar,linot,regot,"
    "matka,chlin,linsk,hmotn,sl1,sl2,sl3,ph,hal,pig1,pig2,pigsv,hmc,elvod,strvyr,dpre,medz,inf "
    "FROM os53 ORDER BY mersk,dmer,podnik,okres,zavod,chov,matka,dnar,uscisl";

// The document's fields after the six key columns and `zmena`.
struct Field {
    const char* name;
    int width; // 0: as stored
};
const Field documentFields[] = {
    {"podnik", 0}, {"okres", 0},  {"zavod", 0},  {"chov", 0},   {"mersk", 0}, {"dmer", 0},
    {"zmena", 0},  {"denm", 2},   {"mesm", 2},   {"sthybr", 0}, {"porc", 0},  {"us", 5},
    {"sp", 2},     {"pohl", 0},   {"denn", 2},   {"mesn", 2},   {"linot", 0}, {"regot", 0},
    {"matka", 0},  {"chlin", 0},  {"linsk", 0},  {"hm", 3},     {"s1", 2},    {"s2", 2},
    {"s3", 2},     {"ph1", 3},    {"hal", 0},    {"p1", 2},     {"p2", 2},    {"psv", 2},
    {"hc", 3},     {"ev", 2},     {"strvyr", 0}, {"denp", 2},   {"mesp", 2},  {"medz", 0},
    {"inf", 0},    {"skupina", 0}};

QString text(const QSqlQuery& q, const char* column) {
    return q.value(QLatin1String(column)).toString();
}

// A whole number left-filled with '0' to its width; a wider one is reported.
QString padded(qint64 value, int width, const QString& what, QStringList& problems,
               const QString& row) {
    QString t = QString::number(value);
    if (t.size() > width) {
        problems.append(u("%1: %2 %3 sa nezmestí do %4 znakov").arg(row, what, t).arg(width));
        return t;
    }
    return t.rightJustified(width, QLatin1Char('0'));
}

QString decimalText(const QVariant& value) {
    return value.isNull() ? QStringLiteral("0") : value.toString();
}
} // namespace

qint64 MeasurementDocument::truncatedScaled(const QString& decimal, int decimals) {
    QString t = decimal.trimmed();
    const bool negative = t.startsWith(QLatin1Char('-'));
    if (negative)
        t.remove(0, 1);
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? t : t.left(point);
    QString fraction = point < 0 ? QString() : t.mid(point + 1);
    fraction = fraction.left(decimals).leftJustified(decimals, QLatin1Char('0'));
    const qint64 value = (whole + fraction).toLongLong();
    return negative ? -value : value;
}

MeasurementDocument::Rows MeasurementDocument::rows() {
    Rows result;
    for (const Field& f : documentFields)
        result.data.fields.append(
            {QLatin1String(f.name), QLatin1String(f.name), QMetaType::fromType<QString>(), -1});
    QSqlQuery q = Sql::exec(QString::fromLatin1(orderedRows));
    while (q.next()) {
        const QDate dmer = q.value(QStringLiteral("dmer")).toDate();
        const QDate dnar = q.value(QStringLiteral("dnar")).toDate();
        const QDate dpre = q.value(QStringLiteral("dpre")).toDate();
        const QString uscisl = text(q, "uscisl");
        const QString row = u("matka %1, ušné číslo %2").arg(text(q, "matka"), uscisl);
        QStringList& p = result.problems;
        const auto tenths = [&](const char* column, int width, int decimals = 1) {
            return padded(truncatedScaled(decimalText(q.value(QLatin1String(column))), decimals),
                          width, QLatin1String(column), p, row);
        };
        // The weight prints in whole kilograms, as the 3-character field holds it.
        const qint64 kg = qint64(roundHalfEven(q.value(QStringLiteral("hmotn")).toDouble(), 0));
        QVariantList values = {
            text(q, "podnik"),
            text(q, "okres"),
            text(q, "zavod"),
            text(q, "chov"),
            text(q, "mersk"),
            dmer,
            text(q, "mersk") + DateText::iso(dmer) + text(q, "podnik") + text(q, "okres") +
                text(q, "zavod") + text(q, "chov"),
            DateText::dd(dmer),
            DateText::mm(dmer),
            text(q, "sthybr"),
            text(q, "porc"),
            uscisl.left(5),
            uscisl.mid(5, 2),
            text(q, "pohl"),
            DateText::dd(dnar),
            DateText::mm(dnar),
            text(q, "linot"),
            text(q, "regot"),
            text(q, "matka"),
            text(q, "chlin"),
            text(q, "linsk"),
            padded(kg, 3, QStringLiteral("hmotn"), p, row),
            tenths("sl1", 2),
            tenths("sl2", 2),
            tenths("sl3", 2),
            tenths("ph", 3, 2),
            text(q, "hal"),
            tenths("pig1", 2),
            tenths("pig2", 2),
            tenths("pigsv", 2),
            tenths("hmc", 3),
            tenths("elvod", 2),
            text(q, "strvyr"),
            DateText::dd(dpre),
            DateText::mm(dpre),
            q.value(QStringLiteral("medz")).toString(),
            text(q, "inf"),
            // The group caption: measuring group, date, farm and herd as read.
            u("%1, %2, %3 %4 %5 %6")
                .arg(text(q, "mersk"), DateText::dotted(dmer), text(q, "podnik"), text(q, "okres"),
                     text(q, "zavod"), text(q, "chov")),
        };
        result.data.rows.append(values);
    }
    return result;
}

QStringList MeasurementDocument::lines(const ReportData& data) {
    QStringList list;
    for (const QVariantList& row : data.rows) {
        QStringList parts;
        // The measuring group, its date and `zmena` stand in the group
        // caption (the last field), not the line; the farm and herd open it.
        for (int i = 0; i + 1 < row.size(); ++i) {
            if (i == 4 || i == 5 || i == 6)
                continue;
            parts.append(row.at(i).toString());
        }
        list.append(parts.join(QLatin1Char(' ')));
    }
    return list;
}

Notice MeasurementDocument::printToPdf(const QString& path) {
    const QString title = u("Zoznam údajov merania");
    try {
        if (!Sql::value(QStringLiteral("SELECT 1 FROM os53 LIMIT 1")).isValid())
            return Notice::error(title, u("Meranie nie je vytvorené !"));
        const Rows r = rows();
        if (!r.problems.isEmpty())
            return Notice::error(title, u("Doklad sa nedá vytlačiť, hodnoty sa nezmestia do "
                                          "svojich polí:\n") +
                                            r.problems.mid(0, 10).join(QLatin1Char('\n')));
        ReportEngine engine(ReportEngine::herdProject());
        engine.open();
        engine.printToPdf(QStringLiteral("ReportDoklad"), r.data, path);
        return ReportEngine::savedNotice(path);
    } catch (const SqlError& e) {
        return Notice::error(title, e.text());
    } catch (const ReportError& e) {
        return e.notice();
    }
}

namespace {
XmlLines measurementXml(const QDate& today, QString* group) {
    XmlLines x;
    x.open(0, QStringLiteral("ROZA"));
    x.element(2, QStringLiteral("DRUH"), QStringLiteral("MVU"));
    x.element(2, QStringLiteral("TYP"), QStringLiteral("OS53"));
    x.element(2, QStringLiteral("DATUM"), DateText::dotted(today));
    x.open(2, QStringLiteral("DATA"));
    QSqlQuery q = Sql::exec(QString::fromLatin1(orderedRows));
    bool first = true;
    while (q.next()) {
        if (first && group)
            *group = text(q, "mersk");
        first = false;
        const auto times = [&](const char* column, int decimals) {
            const double scaled =
                q.value(QLatin1String(column)).toDouble() * (decimals == 2 ? 100.0 : 10.0);
            return QString::number(qint64(roundHalfEven(scaled, 0)));
        };
        const auto date = [&](const char* column) {
            return DateText::dottedShort(q.value(QLatin1String(column)).toDate());
        };
        // The weight as its number: "105", "98.5".
        QString weight = decimalText(q.value(QStringLiteral("hmotn")));
        if (weight.contains(QLatin1Char('.'))) {
            while (weight.endsWith(QLatin1Char('0')))
                weight.chop(1);
            if (weight.endsWith(QLatin1Char('.')))
                weight.chop(1);
        }
        x.open(4, QStringLiteral("RIADOK"));
        const std::pair<const char*, QString> fields[] = {{"Podnik", text(q, "podnik")},
                                                          {"Okres", text(q, "okres")},
                                                          {"Zavod", text(q, "zavod")},
                                                          {"Chov", text(q, "chov")},
                                                          {"MerSk", text(q, "mersk")},
                                                          {"DMer", date("dmer")},
                                                          {"StHybr", text(q, "sthybr")},
                                                          {"PorC", text(q, "porc")},
                                                          {"UsCisl", text(q, "uscisl")},
                                                          {"Pohl", text(q, "pohl")},
                                                          {"DNar", date("dnar")},
                                                          {"LinOt", text(q, "linot")},
                                                          {"RegOt", text(q, "regot")},
                                                          {"Matka", text(q, "matka")},
                                                          {"Chlin", text(q, "chlin")},
                                                          {"Linsk", text(q, "linsk")},
                                                          {"Hmotn", weight},
                                                          {"Sl1", times("sl1", 1)},
                                                          {"Sl2", times("sl2", 1)},
                                                          {"Sl3", times("sl3", 1)},
                                                          {"PH", times("ph", 2)},
                                                          {"Hal", text(q, "hal")},
                                                          {"pig1", times("pig1", 1)},
                                                          {"pig2", times("pig2", 1)},
                                                          {"pigsv", times("pigsv", 1)},
                                                          {"HMC", times("hmc", 1)},
                                                          {"ElVod", times("elvod", 1)},
                                                          {"StrVyr", text(q, "strvyr")},
                                                          {"DPre", date("dpre")},
                                                          {"Medz", QStringLiteral(" ")},
                                                          {"inf", text(q, "inf")}};
        for (const auto& [name, value] : fields)
            x.field(6, QLatin1StringView(name), value);
        x.close(4, QStringLiteral("RIADOK"));
    }
    x.close(2, QStringLiteral("DATA"));
    x.element(2, QStringLiteral("KONIEC"), QStringLiteral("*"));
    x.close(0, QStringLiteral("ROZA"));
    return x;
}
} // namespace

QByteArray MeasurementDocument::xml(const QDate& today, QString* group) {
    return measurementXml(today, group).bytes();
}

Notice MeasurementDocument::exportXml(const QString& folder, const QDate& today) {
    const QString title = u("Dáta do centrálnej databázy");
    const QString prefix = u("Nekorektné vytvorenie XML-OS53: ");
    try {
        if (!Sql::value(QStringLiteral("SELECT 1 FROM os53 LIMIT 1")).isValid())
            return Notice::error(u("Rekapitulácia merania"), u("Meranie nie je vytvorené !"));
        QString group;
        const XmlLines x = measurementXml(today, &group);
        const QString name = QStringLiteral("VSTULT%1.xml").arg(group);
        QDir().mkpath(folder);
        const QString error = x.save(QDir(folder).filePath(name));
        if (!error.isEmpty())
            return Notice::error(title, prefix + error);
        return Notice::information(
            title, u("Dáta (%1) sú vytvorené v %2 !").arg(name, QDir::toNativeSeparators(folder)));
    } catch (const SqlError& e) {
        return Notice::error(title, prefix + e.text());
    }
}

} // namespace herd
