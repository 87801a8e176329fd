#pragma once

#include <QString>

namespace herd {

// The identifiers of a selected piglet, derived from its 7-digit ear number
// (zero-padded) and its dam's number:
// - the piglet key (7) of tpotpoh and tanimal: digits 3 to 7 and "00" when
//   the first five digits are not "00000", otherwise the dam and digits 6, 7;
// - the animal name (jedinec) in the trees: key 1-5, "/", key 6-7 (44410/20);
// - the document ear number (5) of dpotoms: digits 3 to 7, or "000" and
//   digits 6, 7.
// The rule lives here once, as SQL expressions, so that the check and the
// application derive the same identifiers for every row in one statement.
namespace OffspringKey {

// Expressions over the given (fixed, code-supplied) column references.
QString pigletKeySql(const QString& ear, const QString& dam);
QString animalNameSql(const QString& ear, const QString& dam);
QString documentEarSql(const QString& ear);

struct Derived {
    QString pigletKey;
    QString animalName;
    QString documentEar;
};
// The three identifiers of one padded ear number, by the same expressions.
Derived derive(const QString& ear, const QString& dam);

} // namespace OffspringKey
} // namespace herd
