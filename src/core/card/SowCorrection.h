#pragma once

#include "common/Notice.h"
#include "farms/FarmKeys.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariantMap>

namespace herd {

// The correction of a sow's basic and pedigree data ("Oprava základných údajov
// prasnice"): her row, for a sow in performance control the dos1 correction
// document (DI 11) with the corrected values, her tree row's category, and
// after a breed correction the breeds of her litters, in one transaction.
class SowCorrection {
public:
    // The columns a correction may change, by the card's names.
    static const QStringList& columns();

    // Corrects the farm's sow of the herd: `changes` maps columns of columns()
    // to their new texts (Datum_narodenia a QDate). Each changed field passes
    // the enrolment card's check of that field; the first refusal changes
    // nothing. A database fault is rolled back and told.
    static Notice correct(const FarmKeys& farm, const QString& herd, const QString& sow,
                          const QVariantMap& changes);

    // The farm's sows in service (culled false) or the culled ones, for the
    // correction panel's grid: prasnica_krcislo, prasnica_farma,
    // chovatel_chov, datum_narodenia, datum_vyradenia.
    static QSqlQuery candidates(const QString& farm, bool culled);
    // The sow's row as the panel shows it (the correctable columns, her
    // numbers, herd, culling date and reason).
    static QSqlQuery row(const QString& farm, const QString& herd, const QString& sow);

    static QString title() { return QStringLiteral("Oprava základných údajov "); }
    static QString checkTitle() {
        return QString::fromUtf8("Vytvorenie / kontrola dávky vstupných údajov");
    }
    static QString done() { return QString::fromUtf8("Korektná oprava prasnice !"); }
    static QString failed() { return QString::fromUtf8("Nekorektné vykonanie opravy: "); }
    static QString nothingToCorrect() {
        return QString::fromUtf8("Nie je zadaný žiadny opravovaný údaj !");
    }
    static QString unknownField() { return QString::fromUtf8("Neznámy údaj prasnice: "); }
    static QString badCountry() { return QString::fromUtf8("Nekorektne uvedený import !"); }
};

} // namespace herd
