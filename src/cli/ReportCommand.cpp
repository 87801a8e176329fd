#include "CliCommand.h"
#include "CliSession.h"
#include "db/Config.h"
#include "db/ReadOnlySelect.h"
#include "db/Session.h"
#include "db/SqlError.h"
#include "reports/ReportEngine.h"
#include "reports/ReportError.h"

#include <QDir>

using namespace herd;

namespace cli {

namespace {

struct ReportArgs {
    QString name;
    QList<QPair<QString, QString>> parameters;
    QString sql;
    QString pdf;
    QString project;
};

// Reads the arguments; returns an error text, empty when they are complete.
QString parse(const QStringList& args, ReportArgs& r) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--param") && hasValue) {
            const QString pair = args[++i];
            const qsizetype eq = pair.indexOf(QLatin1Char('='));
            if (eq <= 0)
                return QStringLiteral("Parameter má tvar NÁZOV=HODNOTA: ") + pair;
            r.parameters.append({pair.left(eq), pair.mid(eq + 1)});
        } else if (a == QLatin1String("--sql") && hasValue) {
            r.sql = args[++i];
        } else if (a == QLatin1String("--pdf") && hasValue) {
            r.pdf = args[++i];
        } else if (a == QLatin1String("--project") && hasValue) {
            r.project = args[++i];
        } else if (!a.startsWith(QLatin1String("--")) && r.name.isEmpty()) {
            r.name = a;
        } else {
            return QStringLiteral("Neznámy alebo neúplný argument: ") + a;
        }
    }
    if (r.name.isEmpty() || r.sql.isEmpty() || r.pdf.isEmpty())
        return QStringLiteral("Chýba názov zostavy, --sql alebo --pdf.");
    return {};
}

// The project that holds the report: the one given, else the program's own.
QString projectOf(const ReportArgs& r) {
    if (!r.project.isEmpty())
        return r.project;
    for (const QString& file : {ReportEngine::herdProject(), ReportEngine::selectionProject()}) {
        ReportEngine engine(file);
        if (engine.open().report(r.name))
            return file;
    }
    return ReportEngine::herdProject(); // reports the missing name
}

// The statement's rows, read through the one read-only path.
ReportData rowsOf(const QString& sql) {
    ReportData data;
    ReadOnlySelect::run(sql, {}, ReadOnlyLimits::allRows(),
                        [&](QSqlQuery& query) { data = ReportData::fromQuery(query); });
    return data;
}

} // namespace

int runReport(const QStringList& args, Io& io) {
    ReportArgs r;
    const QString wrong = parse(args, r);
    if (!wrong.isEmpty()) {
        io.err << wrong << "\n";
        return 2;
    }
    QString refusal;
    const QString sql = ReadOnlySelect::check(r.sql, refusal);
    if (!refusal.isEmpty()) {
        io.err << refusal << "\n";
        return 2;
    }
    try {
        ReportEngine engine(projectOf(r));
        engine.report(r.name); // a missing report fails before the database is touched
        for (const auto& [name, value] : r.parameters)
            engine.setParameter(name, value);
        Session session(Config::load());
        if (!startSession(session, io))
            return 1;
        const ReportData data = rowsOf(sql);
        const int pages = engine.printToPdf(r.name, data, r.pdf);
        io.out << "Zostava " << r.name << " (počet záznamov " << data.rows.size()
               << ", počet strán " << pages << "): " << QDir::toNativeSeparators(r.pdf) << "\n";
        return 0;
    } catch (const ReportError& e) {
        io.err << e.text() << "\n";
    } catch (const SqlError& e) {
        io.err << "Chyba: " << e.text() << "\n";
    }
    return 1;
}

} // namespace cli
