#pragma once

#include "common/Notice.h"
#include "farms/FarmKeys.h"

#include <QDate>
#include <optional>

namespace herd {

// The culling of a sow from performance control ("Vyradenie prasnice z KÚ"):
// the sow's row, her tree row and history, and for a sow in performance
// control the dos1 culling document, written in one transaction.
class SowCulling {
public:
    // Culls the farm's sow of the herd on the day for the reason (cdovvyrku).
    // Returns the refusal, or the success notice when she is culled. A fault
    // of the database is rolled back and told ("Nekorektné vykonanie
    // vyradenia : " and the database's text).
    static Notice cull(const FarmKeys& farm, const QString& herd, const QString& sow,
                       const QDate& culled, const QString& reason);
    // The same inside the caller's open transaction (the bonitation stores a
    // sow's gene-pool class and her culling together): nothing is committed
    // here, and on a refusal (an error notice) the caller rolls back.
    static Notice cullWithin(const FarmKeys& farm, const QString& herd, const QString& sow,
                             const QDate& culled, const QString& reason);

    // Cancels the culling of the farm's culled sow of the herd: her row
    // loses the culling date and reason, her tree row returns to the
    // housing, her history gets a '02' entry of today, and a sow in
    // performance control gets the DI 14 cancellation document; one
    // transaction, a fault rolled back and told.
    static Notice uncull(const FarmKeys& farm, const QString& herd, const QString& sow);

    static QString title() { return QStringLiteral("Vyradenie z KÚ "); }
    static QString done() { return QString::fromUtf8("Korektné vyradenie prasnice z KÚ !"); }
    static QString failed() { return QString::fromUtf8("Nekorektné vykonanie vyradenia : "); }
    static QString uncullDone() {
        return QString::fromUtf8("Korektné zrušenie vyradenia prasnice z KÚ !");
    }
    static QString uncullFailed() {
        return QString::fromUtf8("Nekorektné vykonanie zrušenie vyradenia : ");
    }
    static QString notCulled() { return QString::fromUtf8("Prasnica nie je vyradená !"); }
    static QString badReason() { return QString::fromUtf8("Nekorektne uvedený dôvod vyradenia !"); }
    static QString badDate() { return QString::fromUtf8("Nekorektne uvedený dátum vyradenia !"); }
    static QString unknownSow() { return QString::fromUtf8("Prasnica nie je evidovaná !"); }
    static QString alreadyCulled() { return QString::fromUtf8("Prasnica je už vyradená !"); }
    static QString beforeLastEvent() {
        return QString::fromUtf8("Dátum vyradenia je pred poslednou udalosťou prasnice !");
    }
};

} // namespace herd
