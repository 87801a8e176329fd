#include "BatchOutput.h"
#include "CliCommand.h"
#include "reports/ReportData.h"
#include "reports/ReportEngine.h"
#include "reports/ReportError.h"
#include "views/DisplayFormat.h"
#include "views/HerdList.h"
#include "views/HerdLists.h"

#include <QSqlQuery>
#include <QSqlRecord>

using namespace herd;

namespace cli {

namespace {

const char* const listUsage =
    "Použitie: wgravolenta-cli --farm ČÍSLO list NÁZOV [--code KÓD] [--xlsx SÚBOR] [--pdf SÚBOR]\n"
    "          wgravolenta-cli list --help   (názvy zoznamov)\n";

struct ListArgs {
    QString name;
    QString code;
    QString xlsx;
    QString pdf;
};

// Reads the arguments; returns an error text, empty when they are complete.
QString parse(const QStringList& args, ListArgs& l) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--code") && hasValue)
            l.code = args[++i];
        else if (a == QLatin1String("--xlsx") && hasValue)
            l.xlsx = args[++i];
        else if (a == QLatin1String("--pdf") && hasValue)
            l.pdf = args[++i];
        else if (!a.startsWith(QLatin1String("--")) && l.name.isEmpty())
            l.name = a;
        else
            return QStringLiteral("Neznámy alebo neúplný argument: ") + a;
    }
    return l.name.isEmpty() ? QStringLiteral("Chýba názov zoznamu.") : QString();
}

// What --code takes for a list with a second choice: its columns' names.
QString codeHint(const SecondaryChoice& second) {
    QStringList parts;
    for (const SecondaryChoice::Code& code : second.codes)
        parts.append(code.column.section(QLatin1Char('.'), -1).toUpper());
    return parts.join(QLatin1Char('-'));
}

void printNames(Io& io) {
    io.out << listUsage
           << "\nZoznamy (NÁZOV je skupina a názov zoznamu, alebo len názov, ak je "
              "jednoznačný):\n";
    for (const HerdListCatalog* catalog : HerdLists::all()) {
        io.out << catalog->group << " (" << catalog->label << ")\n";
        for (int i = 0; i < catalog->choices.size(); ++i) {
            const ListChoice& choice = catalog->choices[i];
            io.out << "  \"" << HerdLists::nameOf(*catalog, i) << "\"";
            if (choice.second)
                io.out << "  --code " << codeHint(*choice.second);
            io.out << "\n";
        }
    }
}

// The rows as the grid shows them: a line of titles, then one line per row,
// the cells separated by tabs.
void printRows(const ListSource& source, QSqlQuery& rows, Io& io) {
    const QSqlRecord record = rows.record();
    QStringList titles;
    QList<int> decimals;
    for (int c = 0; c < record.count(); ++c) {
        const QString field = record.fieldName(c);
        QString title = field;
        for (const ListColumn& column : source.columns)
            if (column.field.compare(field, Qt::CaseInsensitive) == 0)
                title = column.title;
        int places = -1;
        for (const auto& [name, d] : source.decimals)
            if (name.compare(field, Qt::CaseInsensitive) == 0)
                places = d;
        titles.append(title);
        decimals.append(places);
    }
    io.out << titles.join(QLatin1Char('\t')) << "\n";
    if (!rows.first())
        return;
    do {
        QStringList cells;
        for (int c = 0; c < record.count(); ++c)
            cells.append(decimals[c] < 0 ? DisplayFormat::text(rows.value(c))
                                         : DisplayFormat::decimal(rows.value(c), decimals[c]));
        io.out << cells.join(QLatin1Char('\t')) << "\n";
    } while (rows.next());
}

int show(const HerdListCatalog& catalog, int index, const ListArgs& args, const QString& farm,
         Io& io) {
    const ListChoice& choice = catalog.choices.at(index);
    QString item;
    if (choice.second) {
        const QStringList items = HerdList::items(*choice.second);
        if (items.isEmpty()) {
            print({choice.second->emptyCodes}, io);
            return 1;
        }
        item = args.code.isEmpty() ? QString() : HerdList::itemOf(*choice.second, items, args.code);
        if (item.isEmpty()) {
            io.err << (args.code.isEmpty() ? QStringLiteral("Zoznam sa vyberá podľa kódu ")
                                           : QStringLiteral("Kód ") + args.code +
                                                 QStringLiteral(" nie je v ponuke; zadajte "))
                   << "--code " << codeHint(*choice.second) << ", ponuka:\n";
            for (const QString& i : items)
                io.err << "  " << i << "\n";
            return 2;
        }
    }
    QSqlQuery rows = HerdList::run(catalog, index, farm, item);
    const int count = rows.size() >= 0 ? rows.size() : 0;
    if (count == 0) {
        print({choice.emptyList}, io);
        return 1;
    }
    const ListSource& source = catalog.sourceOf(index);
    if (args.pdf.isEmpty() && args.xlsx.isEmpty())
        printRows(source, rows, io);
    if (!args.pdf.isEmpty()) {
        ReportEngine engine(ReportEngine::herdProject());
        engine.setFarm(farm);
        // As the program prints it: the grid's columns and titles, titled with the list.
        ReportData data = ReportData::fromQuery(rows);
        data.setLabels(source.titles());
        ReportDefinition& layout = engine.report(source.report);
        layout.printAsList(data, HerdList::title(choice, item));
        engine.printToPdf(source.report, data, args.pdf);
        io.out << "PDF: " << args.pdf << "\n";
    }
    io.out << "počet = " << count << "\n";
    return 0;
}

} // namespace

int runList(const QStringList& arguments, const Options& options, Io& io) {
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        printNames(io);
        return 0;
    }
    ListArgs args;
    if (const QString fault = parse(arguments, args); !fault.isEmpty()) {
        io.err << fault << "\n" << listUsage;
        return 2;
    }
    const QList<HerdLists::Entry> found = HerdLists::find(args.name);
    if (found.size() != 1) {
        io.err << (found.isEmpty() ? QStringLiteral("Neznámy zoznam: ")
                                   : QStringLiteral("Zoznam nie je jednoznačný: "))
               << args.name << "\n";
        for (const HerdLists::Entry& e : found)
            io.err << "  \"" << HerdLists::nameOf(*e.catalog, e.choice) << "\"\n";
        io.err << "Názvy zoznamov vypíše: wgravolenta-cli list --help\n";
        return 2;
    }
    return withBatchFarm(options, io, [&](const FarmKeys& farm) {
        try {
            return show(*found[0].catalog, found[0].choice, args, farm.farm, io);
        } catch (const ReportError& e) {
            io.err << e.text() << "\n";
            return 1;
        }
    });
}

} // namespace cli
