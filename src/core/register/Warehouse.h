#pragma once

#include "common/Notice.h"

#include <QDate>
#include <QSqlQuery>

namespace herd {

// Browsing and deleting the documents of every farm, whole or by the period
// of their creation. A table is chosen by its index in the list of data types
// (WarehouseTables::inListOrder()).
class Warehouse {
public:
    // Every row of the table, in key order (for a grid).
    static QSqlQuery browse(int type);
    // The rows created within the period, both days included.
    static QSqlQuery browse(int type, const QDate& from, const QDate& to);
    static int count(int type, const QDate& from, const QDate& to);

    // The question asked before a period is deleted.
    static QString deleteQuestion(int type, const QDate& from, const QDate& to, int count);
    // Deletes the period's rows; returns how many.
    static int deletePeriod(int type, const QDate& from, const QDate& to);
    static Notice deleted();
    static Notice nothingToDelete();
};

} // namespace herd
