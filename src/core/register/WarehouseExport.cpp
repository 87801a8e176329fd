#include "register/WarehouseExport.h"

#include "common/DateText.h"
#include "db/Config.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "maintenance/ScriptLauncher.h"
#include "register/WarehouseTables.h"
#include "register/XmlLines.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>

namespace herd {

namespace {

void removeExportFiles(const QString& folder, bool withArchive) {
    QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("w*.xml")}, QDir::Files))
        dir.remove(name);
    if (withArchive)
        dir.remove(WarehouseExport::archiveName());
}

// The names of the files in a zip archive, read by an outside reader.
QStringList archiveEntries(const QString& archive) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-Z1"), archive});
    if (!unzip.waitForFinished(60000) || unzip.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(unzip.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

std::optional<Notice> WarehouseExport::checkPeriod(const QDate& from, const QDate& to) {
    if (!from.isValid() || !to.isValid() || to < from)
        return Notice::error(QStringLiteral("Výber obdobia"),
                             QStringLiteral("Chybne vybrané obdobie !"));
    return std::nullopt;
}

int WarehouseExport::writeTable(int exportIndex, const QDate& from, const QDate& to,
                                const QString& path, const QDate& today, QString* error) {
    const WarehouseTable& table = *WarehouseTables::inExportOrder().at(exportIndex);
    QSqlQuery rows = Sql::exec(QStringLiteral("SELECT * FROM %1 WHERE datum_vytvorenia >= ? AND "
                                              "datum_vytvorenia <= ? ORDER BY %2")
                                   .arg(QLatin1String(table.table), QLatin1String(table.key)),
                               {from, to});
    // A table with no rows in the period writes no file, whatever its columns.
    if (!rows.next())
        return 0;
    QHash<QString, int> columns; // column names match without regard to case
    const QSqlRecord record = rows.record();
    for (int i = 0; i < record.count(); ++i)
        columns.insert(record.fieldName(i).toLower(), i);
    QList<int> positions;
    for (const ExportField& field : table.fields) {
        if (!field.column) {
            positions.append(-1);
            continue;
        }
        const auto it = columns.constFind(QString::fromLatin1(field.column).toLower());
        if (it == columns.cend()) {
            *error = QStringLiteral("chýba stĺpec %1").arg(QLatin1String(field.column));
            return 0;
        }
        positions.append(*it);
    }
    const int keyPosition = columns.value(QString::fromLatin1(table.key).toLower(), -1);

    XmlLines xml;
    xml.open(0, QStringLiteral("ROZA"));
    xml.element(2, QStringLiteral("DRUH"), QStringLiteral("KUR"));
    xml.element(2, QStringLiteral("TYP"), table.type);
    xml.element(2, QStringLiteral("DATUM"), DateText::dotted(today));
    xml.open(2, QStringLiteral("DATA"));
    int count = 0;
    do {
        xml.open(4, QStringLiteral("RIADOK"));
        for (qsizetype i = 0; i < table.fields.size(); ++i) {
            const QLatin1StringView element(table.fields[i].element);
            const bool written = positions[i] < 0
                                     ? xml.field(6, element, u" ")
                                     : xml.field(6, element, rows.value(positions[i]).toString());
            if (!written) {
                // Nothing ill-formed is shipped: the file is not written.
                *error = QStringLiteral("tabuľka %1, riadok %2 (%3 = %4), stĺpec %5: "
                                        "nepovolený riadiaci znak")
                             .arg(QLatin1String(table.table))
                             .arg(count + 1)
                             .arg(QLatin1String(table.key),
                                  keyPosition < 0 ? QString() : rows.value(keyPosition).toString(),
                                  QLatin1String(table.fields[i].column));
                return 0;
            }
        }
        xml.close(4, QStringLiteral("RIADOK"));
        // The first row's size foretells the file's: room for all at once.
        if (++count == 1 && rows.size() > 1)
            xml.reserve(xml.bytes().size() * qsizetype(rows.size()) * 11 / 10);
    } while (rows.next());
    xml.close(2, QStringLiteral("DATA"));
    xml.element(2, QStringLiteral("KONIEC"), QStringLiteral("*"));
    xml.close(0, QStringLiteral("ROZA"));
    *error = xml.save(path);
    return error->isEmpty() ? count : 0;
}

WarehouseExport::Result
WarehouseExport::run(const Config& config, const QDate& from, const QDate& to,
                     const Progress& progress,
                     const std::function<void(const QString&)>& typeWritten) {
    Result result;
    if (const auto refusal = checkPeriod(from, to)) {
        result.notices.append(*refusal);
        return result;
    }
    const QString folder = config.exportFolder();
    const int tables = static_cast<int>(WarehouseTables::inExportOrder().size());
    try {
        QDir().mkpath(folder);
        removeExportFiles(folder, true);
        const QDate today = QDate::currentDate();
        for (int i = 0; i < tables; ++i) {
            const WarehouseTable& table = *WarehouseTables::inExportOrder().at(i);
            QString error;
            const int rows =
                writeTable(i, from, to, folder + QLatin1Char('/') + table.fileName, today, &error);
            if (!error.isEmpty()) {
                removeExportFiles(folder, false);
                result.typeLines.append(table.typeLine);
                if (typeWritten)
                    typeWritten(table.typeLine);
                result.writtenFiles.clear();
                result.notices.append(Notice::error(title(), table.errorPrefix + error));
                report(progress, 0, 0);
                return result;
            }
            if (rows > 0) {
                result.writtenFiles.append(table.fileName);
                result.typeLines.append(table.typeLine);
                if (typeWritten)
                    typeWritten(table.typeLine);
                result.notices.append(Notice::information(title(), table.confirmation));
            }
            report(progress, tables, i + 1);
        }
    } catch (const SqlError& e) {
        removeExportFiles(folder, false);
        result.writtenFiles.clear();
        result.notices.append(Notice::error(
            title(), QStringLiteral("Nekorektné ukončenie vytvorenia dát: ") + e.text()));
        report(progress, 0, 0);
        return result;
    }
    report(progress, 0, 0);

    if (result.writtenFiles.isEmpty()) {
        result.notices.append(
            Notice::error(title(), QStringLiteral("Nie sú dáta s uvedeným dátumom výberu !")));
        return result;
    }

    // Pack, and remove the XML files only once the archive holds every one.
    ScriptLauncher::installShipped(config);
    const ScriptLauncher::Outcome packing =
        ScriptLauncher::run(config, QStringLiteral("qtm"), {folder});
    const QString archive = folder + QLatin1Char('/') + archiveName();
    QStringList missing = result.writtenFiles;
    if (packing.succeeded())
        for (const QString& entry : archiveEntries(archive))
            missing.removeAll(entry);
    if (!packing.succeeded() || missing.size() > 0) {
        QString why = packing.output;
        if (packing.succeeded())
            why = QStringLiteral("v archíve chýba: ") + missing.join(QStringLiteral(", "));
        else if (!packing.finished && why.isEmpty())
            why = QStringLiteral("skript qtm neskončil");
        result.notices.append(Notice::error(
            title(), QStringLiteral("Balenie dát do %1 zlyhalo (%2).\nSúbory XML zostali v %3.")
                         .arg(archiveName(), why, QDir::toNativeSeparators(folder))));
        return result;
    }
    result.packed = true;
    removeExportFiles(folder, false);
    result.notices.append(
        Notice::information(title(), QStringLiteral("Dáta (ROZA_ QTM.zip) sú vytvorené v %1 !")
                                         .arg(QDir::toNativeSeparators(folder))));
    return result;
}

} // namespace herd
