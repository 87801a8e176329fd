#pragma once

#include "common/Notice.h"

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

    // A check or an application that the database ended, as the window and
    // the CLI show it: the title and the prefix before the database's text.
    Notice checkFault(const QString& text) const {
        return Notice::error(checkTitle, checkFailed + text);
    }
    Notice applyFault(const QString& text) const {
        return Notice::error(applyTitle, applyFailed + text);
    }

    // The words every batch kind shares, with its own name in the success
    // text ("zaradenia", "pripúšťanie") and the title of its editing question.
    static BatchTexts standard(const QString& kind, const QString& editTitle) {
        BatchTexts t;
        t.checkTitle = QString::fromUtf8("Kontrola dávky vstupných údajov");
        t.applyTitle = QString::fromUtf8("Aktualizácia databázy");
        t.empty = QString::fromUtf8("Nie je vytvorená dávka vstupných údajov !");
        t.incomplete = QString::fromUtf8("Dávka obsahuje neúplné záznamy !");
        t.faulty = QString::fromUtf8("Dávka obsahuje chybné záznamy !");
        t.clean = QString::fromUtf8("Dávka je bez chybných záznamov !");
        t.notChecked = QString::fromUtf8("Dávka vstupných údajov nie je skontrolovaná !");
        t.applied =
            QString::fromUtf8("Databáza je aktualizovaná dávkou - ") + kind + QStringLiteral(" !");
        t.clearQuestion = QString::fromUtf8("Zrušiť použitú dávku - doporučené -  ? ");
        t.editTitle = editTitle;
        t.restartQuestion = QString::fromUtf8("Chceš zrušiť vytvorenú dávku ? ");
        t.checkFailed = QString::fromUtf8("Nekorektné ukončenie kontroly dávky: ");
        t.applyFailed = QString::fromUtf8("Nekorektné ukončenie aktualizácie: ");
        return t;
    }
};

} // namespace herd
