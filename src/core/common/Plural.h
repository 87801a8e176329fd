#pragma once

#include <QString>

namespace herd::Plural {

// A count with its noun in the Slovak form the number takes: 1 "doklad",
// 2 to 4 "doklady", 0 and 5 on "dokladov" ("5 dokladov").
// Plural::count(2, "doklad", "doklady", "dokladov") is "2 doklady".
QString count(qint64 n, const QString& one, const QString& few, const QString& many);
// The noun alone.
QString noun(qint64 n, const QString& one, const QString& few, const QString& many);

} // namespace herd::Plural
