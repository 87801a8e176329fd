#pragma once

#include <QVariant>

namespace herd::DisplayFormat {

// A number with at most the given decimals and no trailing zeros, with the
// decimal comma ("0.#" is 1, "0.##" is 2); a whole number stays whole; NULL
// gives an empty text. With minWhole 2 the whole part has two digits ("00.#").
QString decimal(const QVariant& value, int decimals, int minWhole = 1);
// A cell as the views show it: dates dd.mm.yyyy, decimals with the decimal
// comma, other values as text.
QString text(const QVariant& value);

} // namespace herd::DisplayFormat
