#pragma once

#include "batch/DayPrintout.h"
#include "common/Notice.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace herd {

// One recorded mating: a sow is farm + herd + number, her mating its day.
struct MatingKey {
    QString farm;
    QString herd;
    QString sow;
    QDate mated;
};

// What one correction of a mating changes: only the values given in this
// edit. The register document carries them, and zeros for the rest.
struct MatingChange {
    QString boarLine;     // empty: the boar is not changed
    QString boarRegister; // with the line
    QString method;       // kod_pripustenia; empty: not changed
    std::optional<int> reInseminations;
};

// A boar of the correction's boar list (boars not culled).
struct BoarChoice {
    QString line;
    QString registerNumber;
    QString text; // line, two blanks, register, two blanks, line name
};

// The correction and cancellation of a recorded mating on the sow card.
// Each runs in one transaction: the mating row, the register document (dos3,
// for a sow in performance control), the breed of the litter that came from
// the mating (and of its offspring), the numbering of the cycle's matings
// and, on cancellation, the sow's mating entry of that day in her history.
namespace MatingCorrection {

QString correctionTitle(); // "Oprava pripustenia"
QString cancelTitle();     // "Zrušenie pripustenia"

// The boars the list offers, in line and register order.
QList<BoarChoice> boars();
// The box of an empty boar list ("Nie je evidovaná tabuľka kancov !").
Notice noBoars();

// Field checks (on leaving a field; the message box titled "Oprava
// pripustenia"). A boar text of the list gives its line and register.
std::optional<Notice> checkBoar(const QString& text, QString* line, QString* registerNumber);
std::optional<Notice> checkMethod(const QString& method);
std::optional<Notice> checkReInseminations(const QString& typed, int* value);

// Saves the change: the information box on success, else the refusal or the
// database's fault behind "Nekorektné vykonanie opravy: " (rolled back).
Notice correct(const MatingKey& key, const MatingChange& change);
// Deletes the mating: as correct(), with the cancellation's texts.
Notice cancel(const MatingKey& key);

// "Opis vstupných údajov dávky": the day's dos3 documents of the farm (the
// mating batch's among them) on "ReportDAktInsO".
DayPrintout dayPrintout();

} // namespace MatingCorrection
} // namespace herd
