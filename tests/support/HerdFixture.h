#pragma once

#include <QString>
#include <QStringList>

// Small fixtures of farms and animals for the tests, written with bound values.
namespace HerdFixture {

// Section counts in the order K, J, B, M, S, P, V.
struct Counts {
    int karantena = 0, jalovaren = 0, indBox = 0, matecnik = 0, skolka = 0, odchovna = 0, vykrm = 0;
};

void insertFarm(const QString& number, const QString& name, const Counts& counts = {},
                const QStringList& herds = {QStringLiteral("01")});

// A tanimal row for an animal; datvyr empty means still on the farm.
struct Animal {
    QString jedinec;
    QString stromUst;
    QString stromKtg;
    QString ustajnenie;
    QString chov = QStringLiteral("01");
    QString kodAkcie = QStringLiteral("02");
    QString datvyr;
};
void insertAnimal(const QString& farm, const Animal& animal);

// Runs a script of tests/fixtures (for example "demo_farm.sql").
void load(const QString& fixture);

} // namespace HerdFixture
