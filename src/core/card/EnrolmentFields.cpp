#include "card/EnrolmentFields.h"

#include "card/CardField.h"

#include <QDate>

namespace herd {

namespace {

using CardField::below;

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// The field messages, one per column that has a check.
const std::pair<const char*, const char*> messages[] = {
    {"Prasnica_vKU", "Prípustná hodnota údaja - 0,1 !"},
    {"Prasnica_KrCislo", "Nekorektne uvedená prasnica !"},
    {"Chovatel_Chov", "Nekorektne uvedený chov prasnice !"},
    {"Datum_narodenia", "Nekorektne uvedený dátum narodenia prasnice !"},
    {"Cecky", "Nekorektne uvedené cecky !"},
    {"Kod_kategorie", "Nekorektne uvedená kategória !"},
    {"Plemeno_KU", "Nekorektne uvedené plemeno !"},
    {"Kod_genofond", "Nekorektne uvedený genofond !"},
    {"Linia_otca", "Nekorektne uvedená línia otca !"},
    {"Register_otca", "Nekorektne uvedený register otca !"},
    {"Povod_kraj", "Nekorektne uvedená matka - podnik !"},
    {"Povod_okres", "Nekorektne uvedená matka - okres !"},
    {"Povod_zavod", "Nekorektne uvedená matka - závod !"},
    {"Povod_chov", "Nekorektne uvedená matka - chov !"},
    {"Povod_matka", "Nekorektne uvedená matka - ev. číslo !"},
    {"Povod_uscislo", "Nekorektne uvedené ušné číslo !"},
    {"Ustajnenie", "Nekorektne uvedené ustajnenie prasnice !"},
    {"Farma_prisunu", "Nekorektne uvedená farma prísunu !"},
    {"Farma_povodu", "Nekorektne uvedená farma pôvodu !"},
};

// The pedigree fields checked for a home-bred sow in performance control.
struct PedigreeRule {
    const char* column;
    int width;
};
const PedigreeRule pedigree[] = {
    {"Linia_otca", 4},  {"Register_otca", 5}, {"Povod_kraj", 2},  {"Povod_okres", 2},
    {"Povod_zavod", 3}, {"Povod_chov", 2},    {"Povod_matka", 5}, {"Povod_uscislo", 7},
};

} // namespace

QString EnrolmentFields::message(const QString& column) {
    for (const auto& [name, text] : messages)
        if (column == QLatin1String(name))
            return u(text);
    return {};
}

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
    auto fail = [&] {
        // The sow number's box is titled without the blank before the slash.
        const QString title = column == QLatin1String("Prasnica_KrCislo")
                                  ? u("Vytvorenie/ kontrola dávky vstupných údajov")
                                  : u("Vytvorenie / kontrola dávky vstupných údajov");
        out.error = Notice::error(title, message(column));
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
            return fail();
        return out;
    }
    if (column == QLatin1String("Prasnica_KrCislo")) {
        if (!ku || !below(QStringLiteral("00000"), value))
            return fail();
        pad(5);
        out.set.insert(QStringLiteral("Chovatel_Chov"), aktChov);
        return out;
    }
    if (column == QLatin1String("Chovatel_Chov")) {
        if (below(value, QStringLiteral("00")))
            return fail();
        if (below(QStringLiteral("19"), value)) {
            out.set = outsideHerdDefaults(values);
            out.toNavigator = true;
            return out;
        }
        return pad(2);
    }
    if (column == QLatin1String("Datum_narodenia")) {
        if (homeHerd && !values.value(column).toDate().isValid())
            return fail();
        return out;
    }
    if (column == QLatin1String("Cecky")) {
        if (ku && homeHerd && below(value, QStringLiteral("00")))
            return fail();
        return out;
    }
    if (column == QLatin1String("Kod_kategorie")) {
        if (below(value, QStringLiteral("0")))
            return fail();
        return out;
    }
    if (column == QLatin1String("Plemeno_KU")) {
        if (homeHerd && below(value, QStringLiteral("0")))
            return fail();
        return out;
    }
    if (column == QLatin1String("Kod_genofond")) {
        if (below(value, QStringLiteral("0")))
            return fail();
        return out;
    }
    for (const PedigreeRule& rule : pedigree) {
        if (column != QLatin1String(rule.column))
            continue;
        if (ku && notImported && homeHerd && below(value, QString(rule.width, QLatin1Char('0'))))
            return fail();
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
            return fail();
        return out;
    }
    if (column == QLatin1String("Farma_prisunu")) {
        if (below(value, QStringLiteral("000000")))
            return fail();
        return out;
    }
    if (column == QLatin1String("Farma_povodu")) {
        if (below(value, QString(14, QLatin1Char('0'))))
            return fail();
        return out;
    }
    return out; // Kod_krajiny_NUM: never refused
}

} // namespace herd
