#pragma once

#include "common/Notice.h"
#include "measurement/DeliveryFile.h"

#include <QStringList>
#include <functional>

namespace herd {

// The measurement batch (os53a), read from the delivery file, checked,
// paired with the herd and attached to the measurement (os53). Every step
// returns the Slovak messages the panel and the CLI show; database errors
// are caught and told behind the step's own prefix.
class MeasurementBatch {
public:
    // The 31 measurement columns, in the tables' order.
    static const QStringList& columns();
    // "o.os53a_id,o.podnik,…": the batch lists' select list.
    static QString listColumns();

    // The delivery file in the delivery folder (vstupig).
    static QString defaultPath();

    // Empties os53a, os53 and t_os53 ("zrušenie predošlého merania").
    static Notice cancel();
    // "prevod dávky": empties the batch and reads the file, all or nothing.
    static Notice importFile(const QString& path);
    static Notice importBytes(const QByteArray& bytes);

    // The checks every later step runs first, in this order.
    enum class State { Empty, Duplicates, Processed, Ok };
    static State state(bool withProcessed = true);
    static bool isEmpty();

    // Rows that share all six of region, district, plant, dam, date of birth
    // and ear number with another row, by file order.
    static QString duplicatesSql();
    // Batch animals whose offspring record has its measurement processed.
    static QString processedSql();
    static QString pairedSql(bool paired);
    static QString incompleteSql();

    // The messages of the two checks ("kontrola duplicít údajov …"):
    // the batch alone, or the batch and the database.
    static Notice checkBatch(const QString& title);
    static Notice checkDatabase(const QString& title);
    // Removes every duplicate but the first in file order; the number removed.
    static int deleteLaterDuplicates();

    // The item of "konverzia dát do dokladu" run after the checks; returns
    // the check's refusal when the batch does not pass.
    static Notice refusal(const QString& title);
    // "spárovanie dávky s databázou".
    static Notice pair();
    // "zobrazenie /oprava dávky": the columns the user may correct, with
    // their widths (0 for a date).
    static const QList<std::pair<QString, int>>& correctable();
    // Stores a corrected value of one batch row; an error notice (nothing
    // stored) when it is wider than its column or not a date. An empty
    // text stores no value (NULL).
    static Notice correct(int id, const QString& column, const QString& text);
    // "pripojenie dávky k meraniu": all or nothing.
    static Notice attach();
    // The attach's statements, in one transaction; `fault` is run between its
    // steps (tests inject a failure there).
    static void attachRows(const std::function<void()>& fault = {});

    static int measurementRows();
    // "Rekapitulácia merania": a line per herd and date of measurement.
    static QStringList summary();
};

} // namespace herd
