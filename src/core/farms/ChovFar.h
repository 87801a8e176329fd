#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

namespace herd {

// The work table chov_far: one row per herd of the current farm in use,
// read by the bonitation. Rebuilt (DDL) on every farm choice.
class ChovFar {
public:
    // Drops and creates the table, then fills it in one transaction. Throws SqlError.
    static void rebuild(const QString& farm);
    // The farm's herds in use, as the table holds them: region, district,
    // plant, herd code and name (chovatel_chov1 to 4 greater than '00', in
    // that order). Empty for an unknown farm.
    static QList<QVariantList> herdsOf(const QString& farm);
};

} // namespace herd
