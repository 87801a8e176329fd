#pragma once

#include "register/RegisterCodes.h"

#include <QString>

namespace herd {

// The transfer of a sow to another farm (dprepra, DI 92).
struct TransferData {
    QString farm;
    FarmCodes from;
    QString fromChov;
    QString sowRegister; // the same number at both farms
    FarmCodes to;
    QString toChov;
};

namespace TransferDocument {
void write(const TransferData& data);
} // namespace TransferDocument

} // namespace herd
