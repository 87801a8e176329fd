#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace herd {

// A sow's age on the day of the bonitation: months (days / 30.5) and years
// (days / 364), each rounded to one decimal with halves to even, and the
// half-year age class of the rounded years with its nine-character label.
// A sow without a date of birth has no age and falls into the class
// "nad - 10 ", as do a sow born today, one born in the future and one older
// than ten years.
struct SowAge {
    std::optional<double> months; // Vek
    std::optional<double> years;  // Vek_R
    double classFrom = 10;        // Vek_Rs: 0, 0.5, … 9.5, or 10
    QString classLabel;           // Vek_Rtxt

    static SowAge of(const QDate& born, const QDate& today);
    // The class of an age in years (already rounded): the lower bound of its
    // half-year class, 10 for anything over 10 years or not over 0.
    static double classOf(const std::optional<double>& years);
    // "0   - 0,5", "0,5 - 1  ", … "9,5 - 10 ", "nad - 10 ".
    static QString labelOf(double classFrom);
};

} // namespace herd
