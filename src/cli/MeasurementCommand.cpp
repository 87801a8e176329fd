#include "CliCommand.h"
#include "CliSession.h"
#include "common/DateText.h"
#include "db/Config.h"
#include "db/Sql.h"
#include "measurement/MeasurementBatch.h"
#include "measurement/MeasurementDocument.h"

#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace herd;

namespace cli {

namespace {
const char* measurementUsage =
    "Použitie: wgravolenta-cli --farm ČÍSLO measurement import [SÚBOR]|duplicates [--delete]|"
    "processed|pair|attach|cancel|document --pdf SÚBOR|export [--dir PRIEČINOK]\n";

// Shows the notice; 1 when it refuses.
int told(const Notice& notice, Io& io) {
    const bool error = notice.kind == Notice::Kind::Error;
    if (!notice.text.isEmpty())
        (error ? io.err : io.out) << notice.text << "\n";
    return error ? 1 : 0;
}

// The rows of a batch list: key, dam, date of birth and ear number.
void listRows(const QString& sql, Io& io) {
    QSqlQuery q = Sql::exec(sql);
    while (q.next())
        io.out << q.value(QStringLiteral("os53a_id")).toString() << ' '
               << q.value(QStringLiteral("matka")).toString() << ' '
               << DateText::dotted(q.value(QStringLiteral("dnar")).toDate()) << ' '
               << q.value(QStringLiteral("uscisl")).toString() << "\n";
}
} // namespace

int runMeasurement(const QStringList& args, const Options&, Io& io) {
    const QString step = args.value(0);
    const auto option = [&](const char* name) {
        const qsizetype i = args.indexOf(QLatin1String(name));
        return i >= 0 ? args.value(i + 1) : QString();
    };
    const QString title = QString::fromUtf8("Kontrola duplicít údajov");
    if (step == QLatin1String("import"))
        return withDatabase(io, [&] {
            const QString path = args.size() > 1 ? args.at(1) : MeasurementBatch::defaultPath();
            return told(MeasurementBatch::importFile(path), io);
        });
    if (step == QLatin1String("duplicates"))
        return withDatabase(io, [&] {
            if (args.contains(QLatin1String("--delete"))) {
                const int removed = MeasurementBatch::deleteLaterDuplicates();
                io.out << QString::fromUtf8("Zrušené duplicitné záznamy: ") << removed << "\n";
            }
            const Notice notice = MeasurementBatch::checkBatch(title);
            if (MeasurementBatch::state(false) == MeasurementBatch::State::Duplicates)
                listRows(MeasurementBatch::duplicatesSql(), io);
            return told(notice, io);
        });
    if (step == QLatin1String("processed"))
        return withDatabase(io, [&] {
            const Notice notice = MeasurementBatch::checkDatabase(title);
            const auto state = MeasurementBatch::state(true);
            if (state == MeasurementBatch::State::Duplicates)
                listRows(MeasurementBatch::duplicatesSql(), io);
            else if (state == MeasurementBatch::State::Processed)
                listRows(MeasurementBatch::processedSql(), io);
            return told(notice, io);
        });
    if (step == QLatin1String("pair"))
        return withDatabase(io, [&] { return told(MeasurementBatch::pair(), io); });
    if (step == QLatin1String("attach"))
        return withDatabase(io, [&] {
            const Notice notice = MeasurementBatch::attach();
            if (notice.text.contains(QString::fromUtf8("neúplné")))
                listRows(MeasurementBatch::incompleteSql(), io);
            return told(notice, io);
        });
    if (step == QLatin1String("cancel"))
        return withDatabase(io, [&] { return told(MeasurementBatch::cancel(), io); });
    if (step == QLatin1String("document") && !option("--pdf").isEmpty())
        return withDatabase(io, [&] {
            return told(MeasurementDocument::printToPdf(QDir(option("--pdf")).absolutePath()), io);
        });
    if (step == QLatin1String("export"))
        return withDatabase(io, [&] {
            const QString dir =
                option("--dir").isEmpty() ? Config::load().exportFolder() : option("--dir");
            return told(MeasurementDocument::exportXml(QDir(dir).absolutePath()), io);
        });
    io.err << measurementUsage;
    return 2;
}

} // namespace cli
