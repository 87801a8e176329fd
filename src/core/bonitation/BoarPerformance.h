#pragma once

#include "common/Notice.h"
#include "reports/ReportData.h"
#include "spreadsheet/Workbook.h"

#include <QList>
#include <QSqlQuery>
#include <QString>

namespace herd {

class ReportEngine;

// The performance of the farm's own boars against the farm: the views
// WKan_… (litters with their boar, per boar and litter class) and WFar_…
// (the farm per class) over the litters of BoarLitters (character '2' left
// out), the grid of boars, the farm's averages, the chart of one boar.
//
// The views hold the averages unrounded; every average is rounded here to
// one decimal with halves to even, and the chart's bars are the rounded
// boar's average minus the rounded farm's.
class BoarPerformance {
public:
    // Creates (or replaces) every view for the farm. DDL: never inside a
    // transaction. Throws SqlError (also for a farm number not made of digits).
    static void createViews(const QString& farm);

    // The grid: linia, reg, nazlin and pv, vs, zi, do, hm for each class, one
    // row per boar with litters, by line and register.
    static ReportData rows();
    // The same rows as a query for a grid (the rounded values read back as
    // DECIMAL(…,1) through JSON_TABLE, so the grid shows what is printed).
    static QSqlQuery gridQuery();
    // The grid's column titles.
    static QList<std::pair<QString, QString>> titles();

    // The farm's averages per class ("1. vrhy", "2. vrhy", "2>vrhy"): VS, ZI,
    // DO, 0 where the farm has no litter of the class.
    struct FarmClass {
        QString label;
        int litters = 0;
        double born = 0, alive = 0, reared = 0;
    };
    static QList<FarmClass> farm();

    // One bar group of the chart: the boar's average minus the farm's.
    struct Bar {
        QString label; // TypV: '1.vrhy', '2.vrhy', '2>vrhy'
        int order = 0; // VRH
        double born = 0, alive = 0, reared = 0;
        bool farmMissing = false; // the farm has no litter of this class
    };
    // Rebuilds KbonitGraf for the boar and returns its three rows.
    static QList<Bar> chart(const QString& line, const QString& reg);
    // The note under the chart for classes without farm litters; empty when none.
    static QString chartNote(const QList<Bar>& bars);

    // The workbook: sheet "Kance", the grid's 18 columns, A1:R1 bold and red.
    static Workbook workbook();
    // The parameters Cisf and Nazf (as the catalogue).
    static void setParameters(ReportEngine& engine, const QString& farm);

    static QString report() { return QStringLiteral("ReportUzKan"); }
    static QString title() { return QString::fromUtf8("Zostavy na bonitáciu"); }
    static QString noBoarChosen() {
        return QString::fromUtf8("Vyber kanca /dvojklik na riadok kanca !");
    }
    static QString chartBoxTitle() { return QStringLiteral("Graf"); }
    static QString chartTitle() { return QString::fromUtf8("Relatívna úžitkovosť kanca"); }
    static QString boarLabel(const QString& line, const QString& reg) {
        return QStringLiteral("Kanec:  ") + line + QLatin1Char(' ') + reg;
    }
};

} // namespace herd
