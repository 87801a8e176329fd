#pragma once

#include "register/BasicDataDocument.h"
#include "register/LitterDocument.h"

// The sow 00343 of herd 01 at the keeping farm 24/02/581, born 7 March 2008,
// and her litter of that day: the values the register document tests expect.
namespace DocumentFixtures {

inline const herd::FarmCodes keeper{QStringLiteral("24"), QStringLiteral("2"),
                                    QStringLiteral("581")};

inline herd::BasicData sow(const QString& farm) {
    herd::BasicData d;
    d.farm = farm;
    d.keeper = keeper;
    d.chov = QStringLiteral("1");
    d.registerNumber = QStringLiteral("343");
    d.sireLine = QStringLiteral("1199");
    d.sireRegister = QStringLiteral("4039");
    d.damFarm = {QStringLiteral("24"), QStringLiteral("02"), QStringLiteral("581")};
    d.damChov = QStringLiteral("01");
    d.damNumber = QStringLiteral("120");
    d.earNumber = QStringLiteral("3441245");
    d.birth = QDate(2008, 3, 7);
    d.breed = QStringLiteral("10000000");
    d.teats = QStringLiteral("77");
    d.genePool = QStringLiteral("1");
    return d;
}

// Farrowed 7 March 2008 (14 born, 12 alive), weaned 4 April 2008 (11 reared).
inline herd::LitterData litter(const QString& farm, double weaningWeight) {
    return {farm,
            keeper,
            QStringLiteral("01"),
            QStringLiteral("343"),
            QDate(2008, 3, 7),
            14,
            12,
            QStringLiteral("1"),
            QDate(2008, 4, 4),
            11,
            weaningWeight,
            QStringLiteral("2")};
}

} // namespace DocumentFixtures
