#pragma once

#include "db/Sql.h"

#include <QDate>
#include <QStringList>
#include <QVariantMap>

// Rows of the enrolment batch for the tests: a complete, good sow and a
// multi-row insert (one statement for a whole fixture).
namespace EnrolmentRows {

inline QVariantMap sow(const QString& number, const QString& herd = QStringLiteral("01")) {
    return {{"Prasnica_vKU", "1"},
            {"Prasnica_KrCislo", number},
            {"Chovatel_Chov", herd},
            {"Datum_narodenia", QDate(2025, 3, 15)},
            {"Cecky", "14"},
            {"Kod_kategorie", "3"},
            {"Plemeno_KU", "11000000"},
            {"Kod_genofond", "1"},
            {"Kod_krajiny_NUM", QVariant()},
            {"Linia_otca", "1101"},
            {"Register_otca", "4039"},
            {"Povod_kraj", "24"},
            {"Povod_okres", "02"},
            {"Povod_zavod", "581"},
            {"Povod_chov", "01"},
            {"Povod_matka", "120"},
            {"Povod_uscislo", "3441245"},
            {"Linia_otcaMatky", "2201"},
            {"Register_otcaMatky", "777"},
            {"Prasnica_farma", number},
            {"Ustajnenie", "J01"},
            {"Farma_prisunu", "000000"},
            {"Farma_povodu", " "}};
}

inline void insert(const QList<QVariantMap>& rows) {
    const QStringList columns = rows.first().keys();
    QStringList tuples;
    QVariantList values;
    const QString marks = QStringLiteral("(") +
                          QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')) +
                          QStringLiteral(")");
    for (const QVariantMap& row : rows) {
        tuples.append(marks);
        for (const QString& c : columns)
            values.append(row.value(c));
    }
    herd::Sql::exec(QStringLiteral("INSERT INTO davka_zar (%1) VALUES %2")
                        .arg(columns.join(QLatin1Char(',')), tuples.join(QLatin1Char(','))),
                    values);
}

} // namespace EnrolmentRows
