#pragma once

#include "register/RegisterCodes.h"

#include <QDate>
#include <QList>
#include <QString>

namespace herd {

// A litter as the register documents carry it: farrowing (OŠ-22, dos22),
// weaning (OŠ-23, dos23), and correction or deletion on the sow card (OŠ-4, dos4).
struct LitterData {
    QString farm;
    FarmCodes keeper;
    QString chov;
    QString sow;
    QDate farrowed;
    int bornAll = 0;
    int bornAlive = 0;
    QString character; // Kod_charVrh
    QDate weaned;      // invalid when not weaned
    int reared = 0;
    double weaningWeight = 0; // kilograms of the whole litter
    QString evenness;         // Kod_vyV
};

namespace LitterDocument {
void writeFarrowing(const LitterData& data); // dos22, DI 22
void writeWeaning(const LitterData& data);   // dos23, DI 23
// Many at once, for a batch.
void writeFarrowings(const QList<LitterData>& data);
void writeWeanings(const QList<LitterData>& data);
void writeLitterCorrected(const LitterData& data); // dos4, DI 41
void writeLitterDeleted(const LitterData& data);   // dos4, DI 42
} // namespace LitterDocument

} // namespace herd
