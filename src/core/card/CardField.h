#pragma once

#include <QString>

namespace herd::CardField {

// PadLeftZeros of the card's fields: a typed code shorter than its width is
// left-padded with "0" when it is left; an empty value, blanks only, or a
// value at or over the width stays exactly as typed (the batch check then
// judges it).
QString padLeftZeros(const QString& typed, int width);

// Text comparison in character order, as the card's field rules compare
// ("" and "0" both sort below "00").
inline bool below(const QString& value, const QString& bound) {
    return QString::compare(value, bound, Qt::CaseSensitive) < 0;
}

} // namespace herd::CardField
