#pragma once

#include "batch/DayPrintout.h"
#include "common/Notice.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace herd {

// One recorded litter: the sow (farm + herd + number) and the farrowing day.
struct LitterKey {
    QString farm;
    QString herd;
    QString sow;
    QDate farrowed;
};

// The litter row as the correction weighs it.
struct LitterValues {
    QString course;  // kod_charvrh
    int bornAll = 0; // vsetky_nar
    int bornAlive = 0;
    QDate weaned;      // invalid when not weaned
    int reared = 0;    // pocet_dochov
    double weight = 0; // hmotnost_vrhu_dochov, kilograms
    QString evenness;  // kod_VyV
};

// The correction and cancellation of a recorded litter on the sow card. Each
// runs in one transaction: the litter row, the register document (dos4, for
// a sow in performance control), the sow's litters renumbered with their
// intervals and her average interval, her history entries of the litter and,
// when no litter is left, her tree row back among the gilts.
namespace LitterCorrection {

QString correctionTitle(); // "Oprava oprasenia"
QString cancelTitle();     // "Zrušenie oprasenia"

// The editable columns of tprasopr in Enter order.
QStringList fields();

// The litter row; nothing when it is not recorded.
std::optional<LitterValues> read(const LitterKey& key);

// The field check of a column when it is left: the typed value against the
// row (which already holds the values typed before). On success the row
// holds the value; the refusal is titled "Oprava oprasenia".
std::optional<Notice> check(const QString& column, const QString& typed, const QDate& farrowed,
                            LitterValues& row);

// Saves the typed values (column, text; only the fields passed through in
// this edit, which the document carries): the information box on success,
// else the first refused field's message or the database's fault behind
// "Nekorektné vykonanie opravy: " (rolled back).
Notice correct(const LitterKey& key, const QList<std::pair<QString, QString>>& typed);
// Deletes the litter: as correct(), with the cancellation's texts. A litter
// with offspring on record is refused.
Notice cancel(const LitterKey& key);

// "Opis vstupných údajov dávky": the day's dos4 documents of the farm on
// "ReportDAktOpr".
DayPrintout dayPrintout();

} // namespace LitterCorrection
} // namespace herd
