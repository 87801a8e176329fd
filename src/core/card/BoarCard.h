#pragma once

#include "common/Notice.h"
#include "register/RegisterCodes.h"

#include <QDate>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantMap>

namespace herd {

// The boar card's operations on a boar of tkance (line and register number,
// shared by all farms): correction, culling from performance control, its
// cancellation and the transfer to another breeder. Each writes the boar's
// row, the dos1 document of the current farm, and as the operation needs the
// boar's history (tkanhist), his tree rows (tanimal, jedinec "LINE REG" on
// every farm) and the breeds of the litters he sired, in one transaction.
// Refusals change nothing; a database fault is rolled back and told.
class BoarCard {
public:
    // The columns a correction may change, by the card's names.
    static const QStringList& columns();

    // `changes` maps columns of columns() to their new texts
    // (Datum_narodenia a QDate). The document: DI 11 with the corrected
    // values, the others zero. A corrected breed is carried into every
    // litter he sired, on every farm.
    static Notice correct(const QString& farm, const QString& line, const QString& reg,
                          const QVariantMap& changes);
    static Notice cull(const QString& farm, const QString& line, const QString& reg,
                       const QDate& culled, const QString& reason);
    static Notice uncull(const QString& farm, const QString& line, const QString& reg);
    // The boar goes to the breeder of the codes and herd: DI 11 with them.
    static Notice transfer(const QString& farm, const QString& line, const QString& reg,
                           const FarmCodes& breeder, const QString& chov);

    // The boars in service (culled false) or the culled ones, for the card's
    // grid: linia_kanca, register_kanca, the breeder codes, datum_narodenia,
    // datum_vyradenia.
    static QSqlQuery candidates(bool culled);
    // The boar's row as the panel shows it, with his line's name.
    static QSqlQuery row(const QString& line, const QString& reg);

    static QString correctionTitle() { return QStringLiteral("Oprava základných údajov "); }
    static QString cullTitle() { return QStringLiteral("Vyradenie z KÚ "); }
    static QString transferTitle() { return QStringLiteral("Presun kanca "); }
    static QString checkTitle() {
        return QString::fromUtf8("Vytvorenie / kontrola dávky vstupných údajov");
    }
    static QString reasonTitle() { return QString::fromUtf8("Oprava údajov kanca"); }
    static QString corrected() { return QString::fromUtf8("Korektná oprava kanca !"); }
    static QString culledDone() { return QString::fromUtf8("Korektné vyradenie kanca z KÚ !"); }
    static QString uncullDone() {
        return QString::fromUtf8("Korektné zrušenie vyradenia kanca z KÚ !");
    }
    static QString transferred() { return QString::fromUtf8("Korektný presun kanca !"); }
    static QString correctionFailed() { return QString::fromUtf8("Nekorektné vykonanie opravy: "); }
    static QString cullFailed() { return QString::fromUtf8("Nekorektné vykonanie vyradenia : "); }
    static QString uncullFailed() {
        return QString::fromUtf8("Nekorektné vykonanie zrušenie vyradenia : ");
    }
    static QString transferFailed() { return QString::fromUtf8("Nekorektné vykonanie presunu: "); }
    static QString badReason() { return QString::fromUtf8("Nekorektne uvedený dôvod vyradenia !"); }
    static QString badDate() { return QString::fromUtf8("Nekorektne uvedený dátum vyradenia !"); }
    static QString unknownBoar() { return QString::fromUtf8("Kanec nie je evidovaný !"); }
    static QString alreadyCulled() { return QString::fromUtf8("Kanec je už vyradený !"); }
    static QString notCulled() { return QString::fromUtf8("Kanec nie je vyradený !"); }
    static QString nothingToCorrect() {
        return QString::fromUtf8("Nie je zadaný žiadny opravovaný údaj !");
    }
    static QString unknownField() { return QString::fromUtf8("Neznámy údaj kanca: "); }
    // The message of a field's check.
    static QString message(const QString& column);
};

} // namespace herd
