#pragma once

#include <QString>

namespace herd::AnimalRow {

// The columns every writer of a tree row (tanimal) fills, in one order, so
// that the farm choice's placeholders, the enrolled sows and the selected
// piglets list them alike; each writer gives its own values.
inline QString columns() {
    return QStringLiteral(
        "cislo_farmy, jedinec, strom_ust, strom_ktg, kod_kategorie, image_kategorie, "
        "image_hlusutaj, image_ustaj, linia, register, chovatel_kraj, chovatel_okres, "
        "chovatel_zavod, chovatel_chov, prasnica_farma, datum_oprasenia, usne_cislo, ustajnenie, "
        "datum_presunu, datum_potvrdenia_presunu, kod_akcie, datum_akcie, datvyr, otec, matka, "
        "otec_matky, matka_matky, otec_otca, matka_otca");
}

} // namespace herd::AnimalRow
