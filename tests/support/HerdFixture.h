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
    Animal(const char* jedinec, const char* stromUst, const char* stromKtg, const char* ustajnenie,
           const char* chov = "01", const char* kodAkcie = "02", const char* datvyr = "")
        : jedinec(QString::fromUtf8(jedinec))
        , stromUst(QString::fromUtf8(stromUst))
        , stromKtg(QString::fromUtf8(stromKtg))
        , ustajnenie(QString::fromUtf8(ustajnenie))
        , chov(QString::fromUtf8(chov))
        , kodAkcie(QString::fromUtf8(kodAkcie))
        , datvyr(QString::fromUtf8(datvyr)) {}

    QString jedinec;
    QString stromUst;
    QString stromKtg;
    QString ustajnenie;
    QString chov;
    QString kodAkcie;
    QString datvyr;
};
void insertAnimal(const QString& farm, const Animal& animal);

// Runs a script of tests/fixtures (for example "demo_farm.sql").
void load(const QString& fixture);

} // namespace HerdFixture
