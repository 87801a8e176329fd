#pragma once

#include "batch/BatchRow.h"
#include "farms/FarmKeys.h"

namespace herd {

// The four writes that enrol one sow of the enrolment batch, inside the
// caller's transaction.
namespace SowEnrolment {
// The sow master row in tpraspev (action '02').
void insertSowMaster(const BatchRow& row, const FarmKeys& farm);
// The sow's row in tanimal for the category and housing trees.
void insertAnimalRow(const BatchRow& row, const FarmKeys& farm);
// The enrolment in the sow's history tprashist.
void insertSowHistory(const BatchRow& row, const FarmKeys& farm);
// The register document dos1 (DI 13); only for a sow in performance control.
void insertEnrolmentDocument(const BatchRow& row, const FarmKeys& farm);

// The birth date to write: none for an empty or zero date.
QDate birthDate(const BatchRow& row);
} // namespace SowEnrolment

} // namespace herd
