#pragma once

#include "settings/BreedingTables.h"

#include <QTableView>

class QSqlQueryModel;

// A grid that shows a query's rows under the given column titles, read-only.
class ReadOnlyGrid : public QTableView {
    Q_OBJECT
public:
    ReadOnlyGrid(const char* objectName, QList<herd::GridColumn> columns,
                 QWidget* parent = nullptr);
    // Shows the rows of the query (or the database's error in a box).
    void load(QSqlQuery&& query);
    int rows() const;

private:
    QSqlQueryModel* m_model;
    QList<herd::GridColumn> m_columns;
};
