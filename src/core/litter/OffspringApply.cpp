#include "litter/OffspringApply.h"

#include "db/Sql.h"
#include "farms/AnimalRow.h"
#include "litter/OffspringKey.h"
#include "litter/OffspringRows.h"

namespace herd::OffspringApply {

namespace {

const QString d = QStringLiteral("d");

QString pigletKey() {
    return OffspringKey::pigletKeySql(QStringLiteral("d.Usne_cislo"),
                                      QStringLiteral("d.Prasnica_farma"));
}

// The farm's number at the register, written as the piglets' farm of origin.
QString registerFarm(const FarmKeys& farm) {
    return Sql::value(QStringLiteral("SELECT Cislo_farmy_OS FROM tfarmy WHERE Cislo_farmy = ?"),
                      {farm.farm})
        .toString();
}

} // namespace

void writeLitters(const FarmKeys& farm) {
    Sql::exec(QStringLiteral("DELETE p FROM tpotpev p JOIN (SELECT DISTINCT d.Chovatel_chov, "
                             "d.Prasnica_farma, d.Datum_oprasenia FROM davka_pot d WHERE %1) s "
                             "ON p.chovatel_chov = s.Chovatel_chov "
                             "AND p.prasnica_farma = s.Prasnica_farma "
                             "AND p.datum_oprasenia = s.Datum_oprasenia WHERE p.cislo_farmy = ?")
                  .arg(OffspringRows::selected(d)),
              {farm.farm});
    Sql::exec(
        QStringLiteral(
            "INSERT INTO tpotpev (cislo_farmy, chovatel_chov, prasnica_farma, prasnica_krcislo, "
            "chovatel_kraj, chovatel_okres, chovatel_zavod, datum_oprasenia, linia_kanca, "
            "register_kanca, plemeno_VU) "
            "SELECT ?, d.Chovatel_chov, d.Prasnica_farma, d.Prasnica_farma, ?, ?, ?, "
            "d.Datum_oprasenia, MIN(d.Linia_kanca), MIN(d.Register_kanca), MIN(d.Plemeno_VU) "
            "FROM davka_pot d WHERE %1 "
            "GROUP BY d.Chovatel_chov, d.Prasnica_farma, d.Datum_oprasenia")
            .arg(OffspringRows::selected(d)),
        {farm.farm, farm.codes.kraj, farm.codes.okres, farm.codes.zavod});
}

void writePiglets(const FarmKeys& farm) {
    const QString key = pigletKey();
    const QString selected = OffspringRows::selected(d);
    const QString name = OffspringKey::animalNameSql(QStringLiteral("d.Usne_cislo"),
                                                     QStringLiteral("d.Prasnica_farma"));
    // The herd's rows of the selected piglets, reached from the batch's few
    // selected rows through the herd table's key (the batch table's
    // statistics lag behind its weekly refill, and left to itself the server
    // reads every animal of the herd for each piglet).
    const QString samePiglet =
        QStringLiteral("t.cislo_farmy = ? AND t.chovatel_chov = d.Chovatel_chov "
                       "AND t.prasnica_farma = d.Prasnica_farma "
                       "AND t.datum_oprasenia = d.Datum_oprasenia "
                       "AND t.usne_cislo = %1")
            .arg(key);
    Sql::exec(QStringLiteral("DELETE t FROM davka_pot d STRAIGHT_JOIN tpotpoh t ON %1 WHERE %2")
                  .arg(samePiglet, selected),
              {farm.farm});
    Sql::exec(
        QStringLiteral(
            "INSERT INTO tpotpoh (cislo_farmy, chovatel_chov, prasnica_farma, prasnica_krcislo, "
            "chovatel_kraj, chovatel_okres, chovatel_zavod, datum_oprasenia, usne_cislo, "
            "kod_kategorie, farma_povodu, ustajnenie, datum_presunu, datum_potvrdenia_presunu, "
            "kod_akcie, datum_akcie, cecky, kod_vyrVU, datum_meraniaVU, meracia_skupina, "
            "datum_spracovaniaVU, hmotnost_VU, priem_vyska_slaniny_VU, piglog_slanina1, "
            "piglog_slanina2, piglog_sval, piglog_mas_casti, prir, pprir, pslan, phmc, "
            "datum_trhu, datum_katalog, cislo_katalog, kod_hodnotenie, kupujuci_kraj, "
            "kupujuci_okres, kupujuci_zavod, kupujuci_chov, prasnicka_krcislo, blup_slaninaVU, "
            "blup_prirastokVU, blup_pocetZI_1vrhy, blup_pocetZI_2vrhy, blup_prirastokSVJH, "
            "blup_cmcSVJH, blup_slaninaSVJH, blup_celkPlemHodnota, blup_poradieCPH, "
            "blup_percentily) "
            "SELECT ?, d.Chovatel_chov, d.Prasnica_farma, d.Prasnica_farma, ?, ?, ?, "
            "d.Datum_oprasenia, %1, d.Kod_kategorie, ?, d.Ustajnenie, d.Datum_presunu, "
            "d.Datum_potvrdenia_presunu, d.Kod_akcie, d.Datum_akcie, d.Cecky, d.Kod_VyrVU, "
            "NULL, '00', NULL, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, NULL, NULL, '000', 'NE', "
            "'00', '00', '000', '00', '00000', 0, 0, 0, 0, 0, 0, 0, 0, 0, '00' "
            "FROM davka_pot d WHERE %2 ORDER BY d.davka_pot_ID")
            .arg(key, selected),
        {farm.farm, farm.codes.kraj, farm.codes.okres, farm.codes.zavod, registerFarm(farm)});
    // The name is the piglet key written another way: the unique key finds the row.
    Sql::exec(QStringLiteral("DELETE t FROM davka_pot d STRAIGHT_JOIN tanimal t ON %1 "
                             "AND t.jedinec = %2 AND t.sekcia_kluc = '' WHERE %3")
                  .arg(samePiglet, name, selected),
              {farm.farm});
    Sql::exec(
        QStringLiteral("INSERT INTO tanimal (") + AnimalRow::columns() +
            QStringLiteral(
                ") SELECT ?, %1, '4', '4', d.Kod_kategorie, '3', '0', '6', d.Linia_kanca, "
                "d.Register_kanca, ?, ?, ?, d.Chovatel_chov, d.Prasnica_farma, d.Datum_oprasenia, "
                "%2, d.Ustajnenie, d.Datum_presunu, CURDATE(), d.Kod_akcie, d.Datum_akcie, "
                "NULL, NULL, NULL, NULL, NULL, NULL, NULL FROM davka_pot d WHERE %3 "
                "ORDER BY d.davka_pot_ID")
                .arg(name, key, selected),
        {farm.farm, farm.codes.kraj, farm.codes.okres, farm.codes.zavod});
}

} // namespace herd::OffspringApply
