#pragma once

#include <QString>

namespace herd {

// A farm as the register knows it: region or enterprise, district and plant.
// Writers zero-fill each code; empty codes become '00', '00', '000'.
struct FarmCodes {
    QString kraj;
    QString okres;
    QString zavod;
};

// The register's kinds of data item (DI).
namespace DataItem {
inline const QString Correction = QStringLiteral("11"); // basic data corrected; boar transferred
inline const QString Enrolment = QStringLiteral("13");  // sow enrolled; purchased gilt
inline const QString Culling = QStringLiteral("14");    // culled, or culling cancelled
inline const QString Farrowing = QStringLiteral("22");
inline const QString Weaning = QStringLiteral("23");
inline const QString MatingCorrected = QStringLiteral("31");
inline const QString MatingDeleted = QStringLiteral("32");
inline const QString Mating = QStringLiteral("33");
inline const QString LitterCorrected = QStringLiteral("41");
inline const QString LitterDeleted = QStringLiteral("42");
inline const QString Transfer = QStringLiteral("92");
} // namespace DataItem

} // namespace herd
