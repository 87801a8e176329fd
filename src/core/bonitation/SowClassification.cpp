#include "bonitation/SowClassification.h"

#include "card/SowCulling.h"
#include "db/Sql.h"
#include "db/Transaction.h"
#include "farms/FarmKeys.h"

namespace herd {

QSqlQuery SowClassification::rows(const BonitationHerd& herd) {
    return Sql::execScrollable(
        QStringLiteral("SELECT cislo_farmy, chovatel_chov AS sow_herd, prasnica_farma, "
                       "Prasnica_KrCislo, Chovatel_chov, Kod_kategorie, Kod_genofond, Plemeno_KU, "
                       "Datum_narodenia, Datum_vyradenia, Kod_vyrKU FROM tpraspev WHERE ") +
            BonitationHerd::where({}) +
            QStringLiteral(" ORDER BY prasnica_krcislo, cislo_farmy, prasnica_farma"),
        herd.values());
}

QList<std::pair<QString, QString>> SowClassification::titles() {
    return {{QStringLiteral("Prasnica_KrCislo"), QStringLiteral("Prasnica-KU")},
            {QStringLiteral("Chovatel_chov"), QStringLiteral("Chov")},
            {QStringLiteral("Kod_kategorie"), QString::fromUtf8("kategória")},
            {QStringLiteral("Kod_genofond"), QStringLiteral("genofond")},
            {QStringLiteral("Plemeno_KU"), QStringLiteral("plemeno")},
            {QStringLiteral("Datum_narodenia"), QString::fromUtf8("narodená")},
            {QStringLiteral("Datum_vyradenia"), QString::fromUtf8("vyradená")}};
}

std::optional<Notice> SowClassification::store(const Edit& edit) {
    const QString refusalTitle = QString::fromUtf8("Bonitácie prasníc");
    const QString code = edit.genePool.trimmed();
    if (!code.isEmpty() &&
        !Sql::value(QStringLiteral("SELECT 1 FROM cgenofond WHERE Kod_genofond = ?"), {code})
             .isValid())
        return Notice::error(refusalTitle, badGenePool());
    const QVariantList key{edit.farm, edit.herd, edit.sow};
    const QString sowWhere =
        QStringLiteral(" WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ?");
    Transaction transaction;
    const QVariant culled =
        Sql::value(QStringLiteral("SELECT datum_vyradenia FROM tpraspev") + sowWhere, key);
    Sql::exec(QStringLiteral("UPDATE tpraspev SET kod_genofond = ?") + sowWhere,
              QVariantList{code.isEmpty() ? QVariant() : QVariant(code)} + key);
    if (edit.culled.isValid() && culled.isValid() && culled.isNull()) {
        const std::optional<FarmKeys> farm = FarmKeys::read(edit.farm);
        if (!farm)
            return Notice::error(SowCulling::title(), SowCulling::unknownSow());
        const Notice n =
            SowCulling::cullWithin(*farm, edit.herd, edit.sow, edit.culled, edit.reason);
        if (n.kind == Notice::Kind::Error)
            return n;
    }
    transaction.commit();
    return std::nullopt;
}

QString SowClassification::title(bool afterBonitation) {
    return afterBonitation ? QString::fromUtf8("Zatriedenie stáda - vyradenie/ po bonitácii")
                           : QString::fromUtf8("Zatriedenie stáda - vyradenie/ pred bonitáciou");
}

QString SowClassification::caption(bool afterBonitation) {
    return afterBonitation
               ? QString::fromUtf8("Zatriedenie stáda - vyradenie ošípaných /zhodnotenie bonitácie")
               : QString::fromUtf8("Zatriedenie stáda - vyradenie ošípaných /príprava bonitácie");
}

} // namespace herd
