#include "settings/BreedingTables.h"

#include "db/Sql.h"

namespace herd {

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}

QString select(const QList<GridColumn>& columns, const char* table, const char* order) {
    QStringList fields;
    for (const GridColumn& c : columns)
        fields.append(QLatin1String(c.field));
    return QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
        .arg(fields.join(QStringLiteral(", ")), QLatin1String(table), QLatin1String(order));
}
} // namespace

const QList<GridColumn>& BreedingTables::breedColumns() {
    static const QList<GridColumn> columns = {{"Plemeno_KU", u("Plemeno v KÚ")},
                                              {"Plemeno_VU", u("Plemeno vo VÚ")},
                                              {"Nazov_plemena", u("Názov plemena")},
                                              {"Skratka_plemena", u("Skratka plemena")}};
    return columns;
}

const QList<GridColumn>& BreedingTables::combinationColumns() {
    static const QList<GridColumn> columns = {{"Plem_matka", u("matka")},
                                              {"Plem_otec", u("otec")},
                                              {"Plemeno_VU", u("Potomok VÚ")},
                                              {"Plemeno_KU", u("Potomok KÚ")},
                                              {"Nazov_plemena", u("Názov plemena")},
                                              {"Skratka_plemena", u("Skratka plemena")},
                                              {"Odchov_kan", u("kančeky")},
                                              {"Odchov_pras", u("prasničky")},
                                              {"Svjh_test", u("Svjh")}};
    return columns;
}

const QList<GridColumn>& BreedingTables::lineColumns() {
    static const QList<GridColumn> columns = {{"Linia_kanca", u("číslo linie")},
                                              {"Skratka_nazvu", u("Skratka názvu")},
                                              {"Skr_plemena", u("Skr plemena")},
                                              {"Nazov_linie", u("Názov línie")}};
    return columns;
}

QSqlQuery BreedingTables::breeds() {
    return Sql::execScrollable(select(breedColumns(), "czplem", "Plemeno_KU"));
}

QSqlQuery BreedingTables::combinations() {
    return Sql::execScrollable(select(combinationColumns(), "cmplem", "Plem_matka, Plem_otec"));
}

QSqlQuery BreedingTables::lines(bool byName) {
    return Sql::execScrollable(
        select(lineColumns(), "ctablin", byName ? "Nazov_linie" : "Linia_kanca"));
}

} // namespace herd
