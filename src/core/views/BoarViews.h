#pragma once

#include "common/Notice.h"

#include <QDate>
#include <QSqlQuery>

namespace herd::BoarViews {

// A boar as the tree names him: "LINE REG" (the line is characters 1-4, the
// register 6-10).
struct BoarKey {
    QString line;
    QString reg;
    static BoarKey fromTreeName(const QString& name) { return {name.left(4), name.mid(5, 5)}; }
};

// The boar's card: tkance with the line's name (nazov_linie), the country
// (nazov) and the breed (nazov_plemena); the ear number and breeder as
// shown. No farm condition: a boar is shared by the farms.
QSqlQuery card(const BoarKey& key);
// His progeny-test results (tkansvjh).
QSqlQuery progenyTest(const BoarKey& key);
// His status: the header, last action and housing with their names.
QSqlQuery status(const BoarKey& key);
// The header and his pedigree from his tree row (jedinec and the six
// ancestors as the sow's pedigree shows them).
QSqlQuery pedigree(const BoarKey& key);
// The header alone (line and its name, register, birth, ear number, import,
// breed), for the tabs that list rows below it.
QSqlQuery header(const BoarKey& key);
// His veterinary actions ('14' entries of tkanhist): datum_akcie, the
// action's number and name, in date order.
QSqlQuery veterinary(const BoarKey& key);
// Records a veterinary action of the boar on the day.
void reportVeterinary(const BoarKey& key, int ukon, const QDate& day);
// His history in date order: kod_akcie, datum_akcie, nazov (action),
// nazov_ukonu (veterinary action), farma_pohybu.
QSqlQuery movements(const BoarKey& key);

// The box of a boar not on record, titled after the tab.
Notice notFound(const QString& title);
Notice noMovements();

} // namespace herd::BoarViews
