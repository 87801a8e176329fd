#include "bonitation/BoarPerformance.h"

#include "bonitation/BoarBonitation.h"
#include "bonitation/BoarLitters.h"
#include "common/Rounding.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "db/Transaction.h"
#include "spreadsheet/GridExport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <QSqlRecord>

namespace herd {

namespace {

const char* const classLabels[] = {"1.vrhy", "2.vrhy", "2>vrhy"};
const char* const farmLabels[] = {"1. vrhy", "2. vrhy", "2>vrhy"};
const char* const classWhere[] = {"w.porvrh = 1", "w.porvrh = 2", "w.porvrh > 2"};

const QString gridSql =
    QStringLiteral("SELECT linia, reg, nazlin, pv1, vs1, zi1, do1, hm1, pv2, vs2, zi2, do2, hm2, "
                   "pv3, vs3, zi3, do3, hm3 FROM WKan_vrh");

double rounded(const QVariant& v) {
    return v.isNull() ? 0.0 : roundHalfEven(v.toDouble(), 1);
}

// Every average column (vs, zi, do, hm of each class) rounded to one decimal.
ReportData roundedRows(const QString& sql) {
    QSqlQuery q = Sql::exec(sql);
    ReportData data = ReportData::fromQuery(q);
    for (int i = 0; i < data.fields.size(); ++i) {
        const QString name = data.fields[i].name.toLower();
        if (name.startsWith(QLatin1String("pv")) || name == QLatin1String("linia") ||
            name == QLatin1String("reg") || name == QLatin1String("nazlin"))
            continue;
        data.fields[i].type = QMetaType(QMetaType::Double);
        data.fields[i].decimals = 1;
        for (QVariantList& row : data.rows)
            if (!row[i].isNull())
                row[i] = roundHalfEven(row[i].toDouble(), 1);
    }
    return data;
}

} // namespace

void BoarPerformance::createViews(const QString& farm) {
    const QString literal = BoarLitters::farmLiteral(farm);
    if (literal.isEmpty())
        throw SqlError(QString::fromUtf8("Nekorektné číslo farmy: ") + farm);
    Sql::exec(QStringLiteral("CREATE OR REPLACE VIEW WKan_VrhIns "
                             "(farma,prasnica,chov,datins,LKan,RKan,datopr,sthybr,porVrh,chVrh,"
                             "VS,ZI,datods,`DO`,hmot) AS ") +
              BoarLitters::select(literal));
    Sql::exec(QStringLiteral("CREATE OR REPLACE VIEW WKan_sub (lkan, rkan, nazovlin) AS "
                             "SELECT tkance.linia_kanca,tkance.register_kanca,ctablin.nazov_linie "
                             "FROM tkance LEFT JOIN ctablin ON "
                             "(tkance.linia_kanca = ctablin.linia_kanca) "
                             "WHERE cislo_farmy = ") +
              literal + QStringLiteral(" AND datum_vyradenia IS NULL"));
    // Litters of character '2' count nowhere.
    Sql::exec(QStringLiteral(
        "CREATE OR REPLACE VIEW WKan_VrhKomp "
        "(farma,prasnica,chov,datins,LKan,RKan,datopr,porVrh,chVrh,VS,ZI,datods,`DO`,hmot) AS "
        "SELECT w.farma,w.prasnica,w.chov,w.datins,w.lkan,w.rkan,w.datopr,w.porvrh,w.chvrh,"
        "w.vs,w.zi,w.datods,w.do,w.hmot FROM WKan_VrhIns AS w "
        "WHERE IFNULL(w.chvrh, '') <> '2'"));
    for (int n = 1; n <= 3; ++n) {
        const QString k = QString::number(n);
        Sql::exec(QStringLiteral("CREATE OR REPLACE VIEW WKan_%1Vrh "
                                 "(LKan,RKan,poc%1,vs%1,zi%1,do%1,hm%1) AS "
                                 "SELECT w.lkan,w.rkan,COUNT(*),AVG(w.vs),AVG(w.zi),AVG(w.do),"
                                 "AVG(w.hmot) FROM WKan_VrhKomp AS w, WKan_sub AS s "
                                 "WHERE w.lkan = s.lkan AND w.rkan = s.rkan AND %2 "
                                 "GROUP BY w.lkan, w.rkan")
                      .arg(k, QString::fromLatin1(classWhere[n - 1])));
        // The farm's litters whatever their boar: read straight from the
        // litters, the matings are not needed.
        Sql::exec(
            QStringLiteral("CREATE OR REPLACE VIEW WFar_%1Vrh "
                           "(farma,poc%1,vs%1,zi%1,do%1,hm%1) AS "
                           "SELECT w.cislo_farmy,COUNT(*),AVG(w.vsetky_nar),"
                           "AVG(w.zivo_nar),AVG(w.pocet_dochov),AVG(w.hmotnost_vrhu_dochov) "
                           "FROM tprasopr AS w WHERE w.cislo_farmy = %3 AND "
                           "IFNULL(w.kod_charvrh, '') <> '2' AND %2 GROUP BY w.cislo_farmy")
                .arg(k,
                     QString::fromLatin1(classWhere[n - 1])
                         .replace(QStringLiteral("w.porvrh"), QStringLiteral("w.poradie_vrhu")),
                     literal));
    }
    // One pass over the sired litters for all three classes (the class views
    // would each derive the litters again).
    QStringList perClass;
    for (int n = 1; n <= 3; ++n) {
        const QString when = QString::fromLatin1(classWhere[n - 1]);
        perClass.append(QStringLiteral("NULLIF(SUM(%1), 0)").arg(when));
        for (const char* c : {"vs", "zi", "do", "hmot"})
            perClass.append(QStringLiteral("AVG(IF(%1, w.%2, NULL))").arg(when, QLatin1String(c)));
    }
    Sql::exec(
        QStringLiteral("CREATE OR REPLACE VIEW WKan_vrh "
                       "(linia, reg, nazlin, pv1, vs1, zi1, do1, hm1, pv2, vs2, zi2, do2, hm2, "
                       "pv3, vs3, zi3, do3, hm3) AS "
                       "SELECT s.lkan, s.rkan, s.nazovlin, ") +
        perClass.join(QStringLiteral(", ")) +
        QStringLiteral(" FROM WKan_sub s JOIN WKan_VrhKomp w ON (w.lkan = s.lkan AND "
                       "w.rkan = s.rkan) GROUP BY s.lkan, s.rkan, s.nazovlin"));
    // Always one row: a farm without first litters still has its later ones.
    Sql::exec(QStringLiteral("CREATE OR REPLACE VIEW WFar_vrh "
                             "(farma, pv1, vs1, zi1, do1, hm1, pv2, vs2, zi2, do2, hm2, "
                             "pv3, vs3, zi3, do3, hm3) AS "
                             "SELECT f.farma, w.poc1, w.vs1, w.zi1, w.do1, w.hm1, "
                             "d.poc2, d.vs2, d.zi2, d.do2, d.hm2, "
                             "t.poc3, t.vs3, t.zi3, t.do3, t.hm3 FROM (SELECT ") +
              literal +
              QStringLiteral(" AS farma) f "
                             "LEFT JOIN WFar_1Vrh w ON (f.farma = w.farma) "
                             "LEFT JOIN WFar_2Vrh d ON (f.farma = d.farma) "
                             "LEFT JOIN WFar_3Vrh t ON (f.farma = t.farma)"));
}

ReportData BoarPerformance::rows() {
    ReportData data = roundedRows(gridSql + QStringLiteral(" ORDER BY linia, reg"));
    data.setLabels(titles());
    return data;
}

QSqlQuery BoarPerformance::gridQuery() {
    const ReportData data = rows();
    QJsonArray document;
    for (const QVariantList& row : data.rows) {
        QJsonArray cells;
        for (int i = 0; i < row.size(); ++i)
            cells.append(row[i].isNull() ? QJsonValue()
                         : data.fields[i].decimals == 1
                             ? QJsonValue(QString::number(row[i].toDouble(), 'f', 1))
                             : QJsonValue::fromVariant(row[i]));
        document.append(cells);
    }
    QStringList columns;
    for (int i = 0; i < data.fields.size(); ++i) {
        const QString& name = data.fields[i].name;
        const QString type = i < 2                          ? QStringLiteral("CHAR(5)")
                             : i == 2                       ? QStringLiteral("VARCHAR(60)")
                             : data.fields[i].decimals == 1 ? QStringLiteral("DECIMAL(7,1)")
                                                            : QStringLiteral("INT");
        columns.append(QStringLiteral("%1 %2 PATH '$[%3]'").arg(name, type).arg(i));
    }
    return Sql::execScrollable(
        QStringLiteral("SELECT * FROM JSON_TABLE(?, '$[*]' COLUMNS (") +
            columns.join(QLatin1Char(',')) + QStringLiteral(")) AS g"),
        {QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Compact))});
}

QList<std::pair<QString, QString>> BoarPerformance::titles() {
    return {{QStringLiteral("linia"), QString::fromUtf8("línia")},
            {QStringLiteral("pv3"), QStringLiteral("pv2>")},
            {QStringLiteral("vs3"), QStringLiteral("vs2>")},
            {QStringLiteral("zi3"), QStringLiteral("zi2>")},
            {QStringLiteral("do3"), QStringLiteral("do2>")},
            {QStringLiteral("hm3"), QStringLiteral("hm2>")}};
}

QList<BoarPerformance::FarmClass> BoarPerformance::farm() {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT * FROM WFar_vrh"));
    const bool found = q.next();
    QList<FarmClass> classes;
    for (int n = 1; n <= 3; ++n) {
        FarmClass c;
        c.label = QString::fromLatin1(farmLabels[n - 1]);
        if (found) {
            const QSqlRecord r = q.record();
            const QString k = QString::number(n);
            c.litters = q.value(r.indexOf(QStringLiteral("pv") + k)).toInt();
            c.born = rounded(q.value(r.indexOf(QStringLiteral("vs") + k)));
            c.alive = rounded(q.value(r.indexOf(QStringLiteral("zi") + k)));
            c.reared = rounded(q.value(r.indexOf(QStringLiteral("do") + k)));
        }
        classes.append(c);
    }
    return classes;
}

QList<BoarPerformance::Bar> BoarPerformance::chart(const QString& line, const QString& reg) {
    const QList<FarmClass> farmClasses = farm();
    QSqlQuery q = Sql::exec(gridSql + QStringLiteral(" WHERE linia = ? AND reg = ?"), {line, reg});
    const bool found = q.next();
    QList<Bar> bars;
    for (int n = 1; n <= 3; ++n) {
        Bar bar;
        bar.label = QString::fromLatin1(classLabels[n - 1]);
        bar.order = n;
        const FarmClass& f = farmClasses[n - 1];
        bar.farmMissing = f.litters == 0;
        if (found && !q.value(3 + (n - 1) * 5).isNull()) {
            const int at = 3 + (n - 1) * 5;
            auto minus = [](const QVariant& boar, double farmValue) {
                return boar.isNull() ? 0.0 : roundHalfEven(rounded(boar) - farmValue, 1);
            };
            bar.born = minus(q.value(at + 1), f.born);
            bar.alive = minus(q.value(at + 2), f.alive);
            bar.reared = minus(q.value(at + 3), f.reared);
        }
        bars.append(bar);
    }
    // The chart's table of the boar, replaced as a whole.
    Sql::exec(QStringLiteral("CREATE TABLE IF NOT EXISTS KbonitGraf (Linia CHAR(4), "
                             "Register CHAR(5), TypV CHAR(6), VS DECIMAL(6,1), ZI DECIMAL(6,1), "
                             "`DO` DECIMAL(6,1), VRH SMALLINT(5)) ENGINE=InnoDB DEFAULT "
                             "CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci"));
    Transaction transaction;
    Sql::exec(QStringLiteral("DELETE FROM KbonitGraf"));
    for (const Bar& b : bars)
        Sql::exec(QStringLiteral("INSERT INTO KbonitGraf (linia,register,typv,vs,zi,`do`,vrh) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                  {line, reg, b.label, QString::number(b.born, 'f', 1),
                   QString::number(b.alive, 'f', 1), QString::number(b.reared, 'f', 1), b.order});
    transaction.commit();
    return bars;
}

QString BoarPerformance::chartNote(const QList<Bar>& bars) {
    QStringList missing;
    for (const Bar& b : bars)
        if (b.farmMissing)
            missing.append(b.label);
    if (missing.isEmpty())
        return {};
    return QString::fromUtf8("Na farme nie sú žiadne ") + missing.join(QStringLiteral(", ")) +
           QString::fromUtf8(": priemer farmy je 0.");
}

Workbook BoarPerformance::workbook() {
    Workbook book = GridExport::workbook(
        roundedRows(gridSql + QStringLiteral(" ORDER BY linia, reg")), QStringLiteral("Kance"));
    Worksheet& sheet = book.sheet(0);
    sheet.setBold(QStringLiteral("A1:R1"));
    sheet.setFontColor(QStringLiteral("A1:R1"), Workbook::fromWholeNumber(255));
    return book;
}

void BoarPerformance::setParameters(ReportEngine& engine, const QString& farm) {
    BoarBonitation::setParameters(engine, farm);
}

} // namespace herd
