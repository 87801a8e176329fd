#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

namespace cli {

// Output streams of the command-line tool; every command writes through them.
struct Io {
    QTextStream out;
    QTextStream err;
    Io();
};

// Options that hold for every command.
struct Options {
    // "--farm NUMBER": the farm the command works on.
    QString farm;
};

// Runs "db init|status|start|stop"; returns the process exit status.
int runDb(const QStringList& args, Io& io);
// Runs "export warehouse --from … --to … [--dir …]".
int runExport(const QStringList& args, Io& io);
// Runs "report NAME [--param NAME=VALUE …] --sql \"SELECT …\" --pdf FILE".
int runReport(const QStringList& args, Io& io);
// Runs "farm list" and "farm choose NUMBER" (the number may come from --farm).
int runFarm(const QStringList& args, const Options& options, Io& io);
// Runs "batch KIND check|apply|clear" on the farm of --farm (KIND: enrolment,
// mating, litter, transfer), and "batch offspring create [--extra
// SOW:YYYY-MM-DD]|check|apply|clear".
int runBatch(const QStringList& args, const Options& options, Io& io);
// Runs "sow move SOW HERD --to KRAJ-OKRES-ZAVOD-CHOV[-SOW]" (the records move) and
// "sow NUMBER [--herd HERD]" for the farm of --farm: card, status with the
// expected action, performance and movements as text.
int runSow(const QStringList& args, const Options& options, Io& io);
// Runs "sow correct SOW HERD --FIELD VALUE …", "sow cull SOW HERD --date D
// --reason CODE" and "sow uncull SOW HERD" for the farm of --farm; 1 with the
// Slovak message when refused.
int runSowCard(const QStringList& args, const Options& options, Io& io);
// Runs "boar correct|cull|uncull|transfer|show|performance LINE REGISTER …" and
// "boar list NAME [--code CODE] [--pdf FILE]": the boar card and the boar lists.
int runBoar(const QStringList& args, const Options& options, Io& io);
// Runs "list NAME [--code CODE] [--xlsx FILE] [--pdf FILE]" for the farm of
// --farm: any list of the herd panels (HerdLists::all), and "list --help".
int runList(const QStringList& args, const Options& options, Io& io);
// Runs "selection list|show NAME|run NAME [--xlsx F] [--pdf F] [--csv F]|save NAME
// --table T --columns a,b,c [--where C:OP:V …] [--or C:OP:V …] [--order C[:desc] …]":
// the saved quick selections.
int runSelection(const QStringList& args, Io& io);
// Runs "measurement import [FILE]|duplicates [--delete]|processed|pair|attach|
// cancel|document --pdf FILE|export [--dir DIR]": the own-performance
// measurement's steps with the panel's messages; 1 when a step refuses.
int runMeasurement(const QStringList& args, const Options& options, Io& io);
// Runs "bonitation sows --herd KRAJ-OKRES-ZAVOD-CHOV [--report NAME --pdf FILE]
// [--xlsx FILE]" for the farm of --farm: rebuilds fbonit, prints a summary,
// a bonitation printout and the catalogue's workbook.
int runBonitation(const QStringList& args, const Options& options, Io& io);
// Runs "bonitation boars [--pdf FILE] [--xlsx FILE]": rebuilds Kbonit of the
// farm, prints a summary, the boar catalogue and its workbook.
int runBoarBonitation(const QStringList& args, const Options& options, Io& io);
// Runs "boar performance LINE REGISTER [--png FILE]" (runBoar hands it on):
// the boar's litters against the farm's by class, and the chart as PNG.
int runBoarPerformance(const QStringList& args, const Options& options, Io& io);
// Runs "mating correct SOW HERD DATE [--boar LINE-REGISTER] [--method M] [--re N]"
// and "mating cancel SOW HERD DATE" for the farm of --farm; 1 when refused.
int runMating(const QStringList& args, const Options& options, Io& io);
// Runs "litter correct SOW HERD DATE [--priebeh …]" and "litter cancel SOW HERD
// DATE" for the farm of --farm; 1 when refused.
int runLitter(const QStringList& args, const Options& options, Io& io);
// Runs "find KEY": what the search strip finds (sow, boar or offspring).
int runFind(const QStringList& args, const Options& options, Io& io);
// Runs "demo --farms N --sows M --years Y [--seed S]": generates herds.
int runDemo(const QStringList& args, Io& io);

} // namespace cli
