#pragma once

#include "batch/LookupEntries.h"
#include "bonitation/BonitationHerd.h"
#include "common/Notice.h"

#include <QDate>
#include <QSqlQuery>

namespace herd {

// The classification and culling of a herd's sows before and after the
// bonitation: the grid's rows, the gene-pool and culling-reason choices, and
// the storing of one sow's edit.
class SowClassification {
public:
    // Every sow of the herd, culled ones included, ordered by register number:
    // cislo_farmy, chovatel_chov and prasnica_farma (her key, hidden in the
    // grid), then Prasnica_KrCislo, Chovatel_chov, Kod_kategorie,
    // Kod_genofond, Plemeno_KU, Datum_narodenia, Datum_vyradenia, Kod_vyrKU.
    static QSqlQuery rows(const BonitationHerd& herd);
    // The grid's titles by field.
    static QList<std::pair<QString, QString>> titles();

    static LookupSource genePools() { return {"cgenofond", "Kod_genofond", "Nazov"}; }
    static LookupSource cullingReasons() { return {"cdovvyrku", "Kod_vyrKU", "Nazov"}; }

    // A sow of the grid and what the user set for her.
    struct Edit {
        QString farm; // cislo_farmy
        QString herd; // chovatel_chov
        QString sow;  // prasnica_farma
        QString genePool;
        QDate culled; // invalid: not culled now
        QString reason;
    };
    // Stores the gene-pool class and, for a sow not culled yet who is given a
    // culling date, her culling (SowCulling: her row, tree row, history and
    // document) in one transaction. An unknown class or a refused culling
    // stores nothing and comes back as the error; nothing comes back when the
    // edit is stored. Throws SqlError after the rollback.
    static std::optional<Notice> store(const Edit& edit);

    static QString title(bool afterBonitation);
    static QString caption(bool afterBonitation);
    static QString badGenePool() { return QString::fromUtf8("Nekorektne uvedený genofond !"); }
};

} // namespace herd
