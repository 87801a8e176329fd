#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

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

// The typed changes keyed by the card's own spelling of each column (typed
// in any case); nothing, with the first name that is no column in
// `unknown`, when one is not.
std::optional<QVariantMap> byColumn(const QVariantMap& changes, const QStringList& columns,
                                    QString& unknown);

// "a = ?, b = ?" of an UPDATE and its values (a Datum_… column as a day);
// the names are the card's own columns, never typed text.
QString assignments(const QVariantMap& changed, QVariantList& values);

} // namespace herd::CardField
