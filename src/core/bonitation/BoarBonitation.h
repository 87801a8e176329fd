#pragma once

#include "common/Notice.h"
#include "reports/ReportData.h"
#include "spreadsheet/Workbook.h"

#include <QDate>
#include <QSqlQuery>
#include <optional>

namespace herd {

class ReportEngine;

// The boar bonitation of a farm: the check of its own active boars, the
// rebuild of Kbonit, the catalogue's rows (ReportBonKan) and its workbook.
class BoarBonitation {
public:
    // The farm's own boars not culled (the status bar's count).
    static int activeBoars(const QString& farm);
    // " vlastné kance na farme = n"
    static QString activeText(int count);
    // The refusal titled `title` when the farm has no own active boar.
    static std::optional<Notice> check(const QString& farm, const QString& title);

    // The culling grid: every boar of the farm, culled ones included, by line
    // and register, with his reason (hidden in the grid, shown by its chooser).
    static QSqlQuery cullingRows(const QString& farm);
    static QList<std::pair<QString, QString>> cullingTitles();

    // The catalogue: check, rebuild, rows. A refusal (no boar, a fault of the
    // rebuild) comes back instead of rows; nothing is printed then.
    struct Prepared {
        std::optional<Notice> refusal;
        int boars = 0;
        ReportData data;
    };
    static Prepared prepare(const QString& farm, const QDate& today = QDate::currentDate());

    // The catalogue's rows from Kbonit as it stands: empty codes and zero test
    // values as empty cells.
    static ReportData rows();
    // The 31 columns of the workbook (sheet "Katalóg kancov", A1:AE1 bold and
    // red); numbers stay numbers, dates dates.
    static ReportData workbookRows();
    static Workbook workbook();

    // The parameters Cisf (farm number) and Nazf (farm name).
    static void setParameters(ReportEngine& engine, const QString& farm);

    static QString report() { return QStringLiteral("ReportBonKan"); }
    static QString cullingTitle() { return QString::fromUtf8("Vyradenie kancov/ pred bonitáciou"); }
    static QString catalogueTitle() {
        return QString::fromUtf8("Bonitačný katalóg kancov/ pred bonitáciou");
    }
    static QString noBoars() {
        return QString::fromUtf8("Na farme nie sú evidované vlastné kance !");
    }
    static QString rebuildFailed() {
        return QString::fromUtf8("Chybné vytvorenie tabulky Kbonit: ");
    }
    static QString sheetName() { return QString::fromUtf8("Katalóg kancov"); }
};

} // namespace herd
