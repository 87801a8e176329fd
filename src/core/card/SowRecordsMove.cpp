#include "card/SowRecordsMove.h"

#include "db/Sql.h"
#include "db/Transaction.h"

#include <QSqlQuery>

namespace herd::SowRecordsMove {

namespace {

// The herd tables that hold a sow under her breeder codes, in the order the
// records are moved.
const char* const sowTables[] = {"tpraspev", "tprasins", "tprasopr", "tprassvjh", "tvjhpev",
                                 "tvjhpoh",  "tpotpev",  "tpotpoh",  "tprashist"};

const QString byCodes = QStringLiteral(" WHERE chovatel_kraj = ? AND chovatel_okres = ? AND "
                                       "chovatel_zavod = ? AND chovatel_chov = ? AND "
                                       "prasnica_farma = ?");

QVariantList codeValues(const BreederSow& s) {
    return {s.codes.kraj, s.codes.okres, s.codes.zavod, s.chov, s.sow};
}

} // namespace

QString notFound() {
    return QString::fromUtf8("* Prasnica nenájdená !");
}
QString sameCodes() {
    return QString::fromUtf8("* Nový chovateľ je zhodný s pôvodným !");
}
QString alreadyThere() {
    return QString::fromUtf8("* Prasnica je u nového chovateľa už evidovaná !");
}

void moveSowRecords(const QString& farm, const BreederSow& from, const FarmCodes& to,
                    const QString& toChov) {
    const QVariantList where = codeValues(from);
    // The farms where her tree rows stand, read before her master row moves.
    QList<QVariantList> farms;
    QSqlQuery onFarms = Sql::exec(QStringLiteral("SELECT cislo_farmy FROM tpraspev") + byCodes +
                                      QStringLiteral(" FOR UPDATE"),
                                  where);
    while (onFarms.next())
        farms.append({onFarms.value(0)});

    for (const char* table : sowTables)
        Sql::exec(QStringLiteral("UPDATE %1 SET cislo_farmy = ?, chovatel_chov = ?, "
                                 "prasnica_krcislo = prasnica_farma, chovatel_kraj = ?, "
                                 "chovatel_okres = ?, chovatel_zavod = ?")
                          .arg(QLatin1String(table)) +
                      byCodes,
                  QVariantList{farm, toChov, to.kraj, to.okres, to.zavod} + where);

    // Her tree row and the tree rows of her offspring, whose records moved
    // with her; her own row (no ear number) is named by her number, which is
    // now also her register number.
    for (const QVariantList& onFarm : farms)
        Sql::exec(QStringLiteral("UPDATE tanimal SET cislo_farmy = ?, chovatel_chov = ?, "
                                 "jedinec = IF(usne_cislo IS NULL, prasnica_farma, jedinec) "
                                 "WHERE cislo_farmy = ? AND chovatel_chov = ? AND "
                                 "prasnica_farma = ? AND sekcia_kluc = ''"),
                  {farm, toChov, onFarm.first(), from.chov, from.sow});

    // Her descendants name their dam under the new codes.
    for (const char* table : {"tpraspev", "tkance"})
        Sql::exec(QStringLiteral("UPDATE %1 SET povod_kraj = ?, povod_okres = ?, povod_zavod = ?, "
                                 "povod_chov = ? WHERE povod_kraj = ? AND povod_okres = ? AND "
                                 "povod_zavod = ? AND povod_chov = ? AND povod_matka = ?")
                      .arg(QLatin1String(table)),
                  QVariantList{to.kraj, to.okres, to.zavod, toChov} + where);
}

std::optional<QString> refusal(const QString& farm, const BreederSow& from, const FarmCodes& to,
                               const QString& toChov) {
    if (!Sql::value(QStringLiteral("SELECT 1 FROM tpraspev") + byCodes, codeValues(from)).isValid())
        return notFound();
    if (codeValues(from) == codeValues({to, toChov, from.sow}))
        return sameCodes();
    const bool there =
        Sql::value(QStringLiteral("SELECT 1 FROM tpraspev") + byCodes +
                       QStringLiteral(" UNION ALL SELECT 1 FROM tpraspev WHERE cislo_farmy = ? "
                                      "AND chovatel_chov = ? AND prasnica_farma = ?"),
                   codeValues({to, toChov, from.sow}) + QVariantList{farm, toChov, from.sow})
            .isValid();
    if (there)
        return alreadyThere();
    return std::nullopt;
}

std::optional<BreederSow> find(const QString& farm, const QString& chov, const QString& sow) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT chovatel_kraj, chovatel_okres, chovatel_zavod "
                                           "FROM tpraspev WHERE cislo_farmy = ? AND "
                                           "chovatel_chov = ? AND prasnica_farma = ?"),
                            {farm, chov, sow});
    if (!q.next())
        return std::nullopt;
    return BreederSow{
        {q.value(0).toString(), q.value(1).toString(), q.value(2).toString()}, chov, sow};
}

Notice move(const QString& farm, const BreederSow& from, const FarmCodes& to,
            const QString& toChov) {
    const QString title = QString::fromUtf8("Presun prasníc");
    Transaction transaction;
    if (const auto refused = refusal(farm, from, to, toChov))
        return Notice::error(title, *refused);
    moveSowRecords(farm, from, to, toChov);
    transaction.commit();
    return Notice::information(title, QString::fromUtf8("Presun prasníc ukončený !"));
}

} // namespace herd::SowRecordsMove
