#pragma once

#include "register/RegisterCodes.h"

#include <QDate>
#include <QString>

namespace herd {

// OŠ-1: the basic data of a sow or boar (dos1), and of a gilt bought on the
// purchase market (dzarpop, same layout).
struct BasicData {
    QString farm;           // cislo_farmy: the current farm
    FarmCodes keeper;       // podnik, okres, zavod: the keeping farm
    QString chov;           // the animal's herd
    QString line;           // linia: empty (written '0000') for a sow
    QString registerNumber; // rmcislo
    QString sireLine;       // liniaot
    QString sireRegister;   // regot
    FarmCodes damFarm;      // podm, okrm, zavm
    QString damChov;        // chovm
    QString damNumber;      // cism
    QString earNumber;      // 7 characters: uscis (1-5) and spicka (6-7)
    QDate birth;            // datnar; '000000' when unknown
    QString breed;          // sthybr (8)
    QString country;        // dovoz; '00' when home-bred
    QString teats;          // struky
    QString cullingReason;  // dovvyr; written only by a culling
    QString genePool;       // gener
};

namespace BasicDataDocument {
// Enrolment into performance control: DI 13, the event date is the day of writing.
void writeEnrolment(const BasicData& data);
// Correction of basic data: DI 11, no event date.
void writeCorrection(const BasicData& data);
// Transfer of a boar to another breeder: DI 11, no event date.
void writeBoarTransfer(const BasicData& data);
// Culling from performance control: DI 14 with the culling date and reason.
void writeCulling(const BasicData& data, const QDate& culled);
// Cancellation of a culling: DI 14 with '999999' as the event date.
void writeCullingCancelled(const BasicData& data);
// A gilt bought on the purchase market (dzarpop): '0000' line, the catalogue's
// date as the event date, home country, gene pool '3', inf 13.
void writePurchasedGilt(const BasicData& data, const QDate& catalogue);
} // namespace BasicDataDocument

} // namespace herd
