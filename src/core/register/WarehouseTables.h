#pragma once

#include <QList>
#include <QString>

namespace herd {

// One XML element of an export file and the column it takes its value from.
struct ExportField {
    const char* element;
    const char* column; // nullptr for the constant one-blank Spac
};

// A document table as the data warehouse shows and exports it.
struct WarehouseTable {
    const char* table; // dos1 ...
    const char* key;   // its auto-numbered key, the export's row order
    QString caption;   // the entry in the list of data types
    QString fileName;  // wOS01.xml ...
    QString type;      // TYP: OS01 ...
    QString typeLine;  // the line in the box of written types
    QString confirmation;
    QString errorPrefix;
    QList<ExportField> fields;
};

namespace WarehouseTables {
// In the order of the list of data types: dos1, dos22, dos23, dos3, dos4,
// dpotoms, dprepra, dzarpop.
const QList<WarehouseTable>& inListOrder();
// In the order of the export: dos1, dos22, dos23, dos3, dos4, dprepra, dpotoms, dzarpop.
QList<const WarehouseTable*> inExportOrder();
} // namespace WarehouseTables

} // namespace herd
