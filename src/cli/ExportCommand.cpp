#include "CliCommand.h"
#include "common/DateText.h"
#include "db/Session.h"
#include "db/SqlError.h"
#include "register/WarehouseExport.h"

#include <QDir>

using namespace herd;

namespace cli {

int runExport(const QStringList& args, Io& io) {
    if (args.value(0) != QLatin1String("warehouse")) {
        io.err << "Použitie: wgravolenta-cli export warehouse --from RRRR-MM-DD --to RRRR-MM-DD "
                  "[--dir PRIEČINOK]\n";
        return 2;
    }
    const auto option = [&](const char* name) {
        const qsizetype i = args.indexOf(QLatin1String(name));
        return i >= 0 ? args.value(i + 1) : QString();
    };
    const QDate from = DateText::parse(option("--from"));
    const QDate to = DateText::parse(option("--to"));
    Config config = Config::load();
    if (!option("--dir").isEmpty())
        config.setExportFolder(QDir(option("--dir")).absolutePath());

    try {
        Session session(config);
        session.start();
        const WarehouseExport::Result result = WarehouseExport::run(config, from, to);
        // The files as they are now: the XML files once packed are gone, the
        // archive holds them.
        const QDir folder(config.exportFolder());
        for (const QString& file : result.writtenFiles)
            if (folder.exists(file))
                io.out << folder.filePath(file) << "\n";
        if (result.packed)
            io.out << folder.filePath(WarehouseExport::archiveName()) << "\n";
        bool failed = false;
        for (const Notice& notice : result.notices) {
            const bool error = notice.kind == Notice::Kind::Error;
            failed = failed || error;
            (error ? io.err : io.out) << notice.text << "\n";
        }
        return failed ? 1 : 0;
    } catch (const SqlError& e) {
        io.err << "Chyba: " << e.text() << "\n";
        return 1;
    }
}

} // namespace cli
