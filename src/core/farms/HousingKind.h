#pragma once

#include <QList>
#include <QString>

namespace herd {

// A kind of housing on a farm: its sections, their row in cdruhustajnenia and
// the placeholder row every section keeps in tanimal.
struct HousingKind {
    QString letter;      // first character of the section codes; empty for the boar house
    QString countColumn; // tfarmy column with the number of sections; empty for the boar house
    QString kod;         // kod_druhuustajnenia
    QString nazov;
    QString placeholder; // tanimal.jedinec of the placeholder, ten characters
    QString stromUst;
    QString stromKtg;
    QString kodKategorie;
    QString imageKategorie;

    // The boar house: always one section, code KAN.
    static const HousingKind& boarHouse();
    // The counted kinds in the order the farm choice creates them: K, J, B, M, S, P, V.
    static const QList<HousingKind>& counted();

    // "K01" … "K09", "K10" …: the letter and n with at least two digits.
    QString sectionCode(int n) const;
    // "Sekcia-K01"; ten blanks for the boar house.
    QString sectionText(const QString& code) const;
};

} // namespace herd
