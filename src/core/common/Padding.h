#pragma once

#include <QString>
#include <optional>

namespace herd {

// Code widths used across the herd (left-padded with "0").
namespace Width {
inline constexpr int Sow = 5;
inline constexpr int Herd = 2;
inline constexpr int BoarLine = 4;
inline constexpr int BoarRegister = 5;
inline constexpr int Method = 2;
inline constexpr int Region = 2;
inline constexpr int District = 2;
inline constexpr int Enterprise = 3;
inline constexpr int EarNumber = 7;
} // namespace Width

// True for a non-empty text of the digits 0 to 9 only (no other script's digits).
bool digitsOnly(const QString& text);

// Left-pads a code with zeros to its width, after trimming surrounding blanks.
// A wider value is kept whole (never cut) so that a check can refuse it.
QString padLeftZeros(const QString& value, int width);

// A weight in kilograms as whole tenths, left-filled with zeros to the width
// (80.5 kg with width 4 gives "0805"). Halves of a tenth round to even.
QString tenthsText(double kilograms, int width);
// The reverse reading: "0805" gives 80.5 kg; a text that is not whole
// tenths gives nothing.
std::optional<double> kilogramsFromTenths(const QString& text);

} // namespace herd
