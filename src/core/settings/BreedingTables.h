#pragma once

#include <QList>
#include <QSqlQuery>
#include <QString>

namespace herd {

// The read-only breeding reference tables as their grids show them.
struct GridColumn {
    const char* field;
    QString title;
};

class BreedingTables {
public:
    static const QList<GridColumn>& breedColumns();       // czplem
    static const QList<GridColumn>& combinationColumns(); // cmplem
    static const QList<GridColumn>& lineColumns();        // ctablin

    static QSqlQuery breeds();
    static QSqlQuery combinations();
    // The boar lines ordered by number or by name.
    static QSqlQuery lines(bool byName);
};

} // namespace herd
