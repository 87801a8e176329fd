#include "card/EnrolmentFields.h"

#include "card/CardField.h"

#include <QDate>

namespace herd {

namespace {

using CardField::below;

QString u(const char* text) {
    return QString::fromUtf8(text);
}

Notice fieldError(const QString& column, const char* text) {
    // The sow number's box is titled without the blank before the slash.
    const QString title = column == QLatin1String("Prasnica_KrCislo")
                              ? u("Vytvorenie/ kontrola dávky vstupných údajov")
                              : u("Vytvorenie / kontrola dávky vstupných údajov");
    return Notice::error(title, u(text));
}

// The pedigree fields checked for a home-bred sow in performance control.
struct PedigreeRule {
    const char* column;
    int width;
    const char* message;
};
const PedigreeRule pedigree[] = {
    {"Linia_otca", 4, "Nekorektne uvedená línia otca !"},
    {"Register_otca", 5, "Nekorektne uvedený register otca !"},
    {"Povod_kraj", 2, "Nekorektne uvedená matka - podnik !"},
    {"Povod_okres", 2, "Nekorektne uvedená matka - okres !"},
    {"Povod_zavod", 3, "Nekorektne uvedená matka - závod !"},
    {"Povod_chov", 2, "Nekorektne uvedená matka - chov !"},
    {"Povod_matka", 5, "Nekorektne uvedená matka - ev. číslo !"},
    {"Povod_uscislo", 7, "Nekorektne uvedené ušné číslo !"},
};

} // namespace

const QStringList& EnrolmentFields::order() {
    static const QStringList columns = {
        "Prasnica_vKU",    "Prasnica_KrCislo", "Chovatel_Chov",      "Datum_narodenia",
        "Cecky",           "Kod_kategorie",    "Plemeno_KU",         "Kod_genofond",
        "Kod_krajiny_NUM", "Linia_otca",       "Register_otca",      "Povod_kraj",
        "Povod_okres",     "Povod_zavod",      "Povod_chov",         "Povod_matka",
        "Povod_uscislo",   "Linia_otcaMatky",  "Register_otcaMatky", "Prasnica_farma",
        "Ustajnenie",      "Farma_prisunu",    "Farma_povodu"};
    return columns;
}

QVariantMap EnrolmentFields::farmBlock(const QVariantMap& values) {
    return {{QStringLiteral("Prasnica_farma"), values.value(QStringLiteral("Prasnica_KrCislo"))},
            {QStringLiteral("Farma_prisunu"), QStringLiteral("000000")},
            {QStringLiteral("Farma_povodu"), QStringLiteral(" ")},
            {QStringLiteral("Ustajnenie"), QStringLiteral("J01")}};
}

QVariantMap EnrolmentFields::outsideHerdDefaults(const QVariantMap& values) {
    QVariantMap set = farmBlock(values);
    set.insert(QStringLiteral("Datum_narodenia"), QDate());
    set.insert(QStringLiteral("Cecky"), QStringLiteral("00"));
    set.insert(QStringLiteral("Kod_kategorie"), QStringLiteral("3"));
    set.insert(QStringLiteral("Plemeno_KU"), QStringLiteral("99999999"));
    set.insert(QStringLiteral("Kod_genofond"), QStringLiteral("3"));
    set.insert(QStringLiteral("Kod_krajiny_NUM"), QStringLiteral("00"));
    for (const PedigreeRule& rule : pedigree)
        set.insert(QString::fromLatin1(rule.column), QString(rule.width, QLatin1Char('0')));
    set.insert(QStringLiteral("Linia_otcaMatky"), QStringLiteral("0000"));
    set.insert(QStringLiteral("Register_otcaMatky"), QStringLiteral("00000"));
    return set;
}

FieldOutcome EnrolmentFields::leave(const QString& column, const QVariantMap& values,
                                    const QString& aktChov) {
    auto text = [&](const char* name) {
        return values.value(QString::fromLatin1(name)).toString();
    };
    const QString value = values.value(column).toString();
    const bool ku = text("Prasnica_vKU") == QLatin1String("1");
    const bool homeHerd = below(text("Chovatel_Chov"), QStringLiteral("20"));
    const bool notImported = below(text("Kod_krajiny_NUM"), QStringLiteral("00"));
    FieldOutcome out;
    auto fail = [&](const char* message) {
        out.error = fieldError(column, message);
        return out;
    };
    auto pad = [&](int width) {
        const QString padded = CardField::padLeftZeros(value, width);
        if (padded != value)
            out.set.insert(column, padded);
        return out;
    };

    if (column == QLatin1String("Prasnica_vKU")) {
        if (value != QLatin1String("0") && value != QLatin1String("1"))
            return fail("Prípustná hodnota údaja - 0,1 !");
        return out;
    }
    if (column == QLatin1String("Prasnica_KrCislo")) {
        if (!ku || !below(QStringLiteral("00000"), value))
            return fail("Nekorektne uvedená prasnica !");
        pad(5);
        out.set.insert(QStringLiteral("Chovatel_Chov"), aktChov);
        return out;
    }
    if (column == QLatin1String("Chovatel_Chov")) {
        if (below(value, QStringLiteral("00")))
            return fail("Nekorektne uvedený chov prasnice !");
        if (below(QStringLiteral("19"), value)) {
            out.set = outsideHerdDefaults(values);
            out.toNavigator = true;
            return out;
        }
        return pad(2);
    }
    if (column == QLatin1String("Datum_narodenia")) {
        if (homeHerd && !values.value(column).toDate().isValid())
            return fail("Nekorektne uvedený dátum narodenia prasnice !");
        return out;
    }
    if (column == QLatin1String("Cecky")) {
        if (ku && homeHerd && below(value, QStringLiteral("00")))
            return fail("Nekorektne uvedené cecky !");
        return out;
    }
    if (column == QLatin1String("Kod_kategorie")) {
        if (below(value, QStringLiteral("0")))
            return fail("Nekorektne uvedená kategória !");
        return out;
    }
    if (column == QLatin1String("Plemeno_KU")) {
        if (homeHerd && below(value, QStringLiteral("0")))
            return fail("Nekorektne uvedené plemeno !");
        return out;
    }
    if (column == QLatin1String("Kod_genofond")) {
        if (below(value, QStringLiteral("0")))
            return fail("Nekorektne uvedený genofond !");
        return out;
    }
    for (const PedigreeRule& rule : pedigree) {
        if (column != QLatin1String(rule.column))
            continue;
        if (ku && notImported && homeHerd && below(value, QString(rule.width, QLatin1Char('0'))))
            return fail(rule.message);
        return pad(rule.width);
    }
    if (column == QLatin1String("Linia_otcaMatky") ||
        column == QLatin1String("Register_otcaMatky")) {
        const int width = column == QLatin1String("Linia_otcaMatky") ? 4 : 5;
        if (below(value, QString(width, QLatin1Char('0')))) {
            out.set.insert(column, QString(width, QLatin1Char('0')));
            return out;
        }
        return pad(width);
    }
    if (column == QLatin1String("Prasnica_farma")) {
        if (below(value, QStringLiteral("00000")))
            out.set.insert(column, text("Prasnica_KrCislo"));
        return out;
    }
    if (column == QLatin1String("Ustajnenie")) {
        if (below(value, QStringLiteral("0")))
            return fail("Nekorektne uvedené ustajnenie prasnice !");
        return out;
    }
    if (column == QLatin1String("Farma_prisunu")) {
        if (below(value, QStringLiteral("000000")))
            return fail("Nekorektne uvedená farma prísunu !");
        return out;
    }
    if (column == QLatin1String("Farma_povodu")) {
        if (below(value, QString(14, QLatin1Char('0'))))
            return fail("Nekorektne uvedená farma pôvodu !");
        return out;
    }
    return out; // Kod_krajiny_NUM: never refused
}

} // namespace herd
