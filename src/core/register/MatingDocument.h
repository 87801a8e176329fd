#pragma once

#include "register/RegisterCodes.h"

#include <QDate>
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

namespace Documents {
class Buffer;
}

namespace MatingDocument {
// DI 33, from the mating batch; kept in the batch's buffer when it gives one.
void writeMating(const MatingData& data, Documents::Buffer* buffer = nullptr);
void writeMatingCorrected(const MatingData& data); // DI 31, corrected on the sow card
void writeMatingDeleted(const MatingData& data);   // DI 32, deleted on the sow card
} // namespace MatingDocument

} // namespace herd
