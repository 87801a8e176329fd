#pragma once

#include "register/RegisterCodes.h"

#include <QDate>
#include <QList>
#include <QString>

namespace herd {

// OŠ-3: a mating (dos3).
struct MatingData {
    QString farm;
    FarmCodes keeper;
    QString chov;
    QString matingCode; // kod_pripustenia; '00' when none
    QDate mated;
    QString sow;
    QString boarLine;
    QString boarRegister;
    int reInseminations = 0;
};

namespace MatingDocument {
void writeMating(const MatingData& data);          // DI 33, from the mating batch
void writeMatings(const QList<MatingData>& data);  // DI 33, many in a few statements
void writeMatingCorrected(const MatingData& data); // DI 31, corrected on the sow card
void writeMatingDeleted(const MatingData& data);   // DI 32, deleted on the sow card
} // namespace MatingDocument

} // namespace herd
