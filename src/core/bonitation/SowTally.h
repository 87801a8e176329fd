#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace herd {

// One counted litter of a sow (character '1', '3' or '4') as the bonitation
// weighs it.
struct BonitationLitter {
    QDate farrowed;
    int order = 0;     // poradie_vrhu
    QString character; // kod_charVrh
    int born = 0;      // vsetky_nar
    int bornAlive = 0; // zivo_nar
    QDate weaned;      // invalid when not weaned
    int reared = 0;    // pocet_dochov
    double weight = 0; // hmotnost_vrhu_dochov, at weaning
    int interval = 0;  // medzidobie, days
};

// The fifteen counters and sums of a sow's litters, and her averages.
struct SowTally {
    int litters = 0;        // pocVrh
    int born = 0;           // VS
    int bornAlive = 0;      // ZI
    int aliveFirst = 0;     // ziv1
    int aliveLater = 0;     // ziv2
    int firstLitters = 0;   // pocvrh11
    int laterLitters = 0;   // pocvrh22
    int weanedNormal = 0;   // pocDO
    int unweanedNormal = 0; // pocDon
    int reared = 0;         // Doch
    int weighed = 0;        // pocVah
    int unweighed = 0;      // pocVahn
    double weight21 = 0;    // Vaha, the sum before rounding
    int intervals = 0;      // pocMedz
    int intervalDays = 0;   // Medzid
    QDate lastFarrowing;    // PoslOpr

    void add(const BonitationLitter& litter);

    // Vaha as stored: the sum rounded to one decimal.
    double weight21Rounded() const;

    // The 21-day weight of a litter: its weight at weaning × 21 / the days of
    // suckling; 0 without a weaning date or with no days of suckling.
    static double litterWeight21(double weight, const QDate& farrowed, const QDate& weaned);
};

// The report's averages of a sow. Born and born alive per litter are 0 for a
// sow without litters; the others are empty where their divisor is 0.
struct SowAverages {
    double bornPerLitter = 0;               // pvs, three decimals
    double alivePerLitter = 0;              // pzi, three decimals
    std::optional<double> alivePerFirst;    // pzi1, one decimal
    std::optional<double> alivePerLater;    // pzi2, one decimal
    std::optional<double> rearedPerWeaned;  // pdo: Doch / (pocVrh − pocDon)
    std::optional<double> weightPerWeighed; // pva: Vaha / pocVah
    std::optional<double> interval;         // pmedz: Medzid / pocMedz

    static SowAverages of(const SowTally& tally);

    // value / divisor rounded half to even; empty when the divisor is 0.
    static std::optional<double> ratio(double value, double divisor, int decimals);
    // The average farrowing interval at the given decimals (the catalogue
    // three, the workbook one), from the stored sum and count.
    static std::optional<double> intervalOf(double days, double count, int decimals) {
        return ratio(days, count, decimals);
    }
};

} // namespace herd
