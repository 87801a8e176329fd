#pragma once

#include <QString>

namespace herd {

// The words of one batch kind's check and application.
struct BatchTexts {
    QString checkTitle; // "Kontrola dávky vstupných údajov"
    QString applyTitle; // "Aktualizácia databázy"
    QString empty;      // "Nie je vytvorená dávka vstupných údajov !"
    QString incomplete; // "Dávka obsahuje neúplné záznamy !"
    QString faulty;     // "Dávka obsahuje chybné záznamy !"
    QString clean;      // "Dávka je bez chybných záznamov !"
    QString notChecked; // "Dávka vstupných údajov nie je skontrolovaná !"
    QString applied;    // "Databáza je aktualizovaná dávkou - zaradenia !"
    QString clearQuestion; // asked after an application: "Zrušiť použitú dávku - doporučené -  ? "
    QString editTitle;       // title of the question before a batch is emptied for a new one
    QString restartQuestion; // "Chceš zrušiť vytvorenú dávku ? "
    QString checkFailed; // prefix of a check's fault: "Nekorektné ukončenie kontroly dávky: "
    QString applyFailed; // prefix of an application's fault: "Nekorektné ukončenie aktualizácie: "
};

} // namespace herd
