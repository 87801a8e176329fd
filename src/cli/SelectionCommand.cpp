#include "CliCommand.h"
#include "CliSession.h"
#include "db/SqlError.h"
#include "reports/ReportError.h"
#include "selections/SavedSelections.h"
#include "selections/SelectionKind.h"
#include "selections/SelectionReport.h"
#include "spreadsheet/GridExport.h"
#include "spreadsheet/WorkbookError.h"
#include "views/DisplayFormat.h"

#include <QDir>

using namespace herd;

namespace cli {

namespace {

const char* const selectionUsage =
    "Použitie: wgravolenta-cli selection list\n"
    "          wgravolenta-cli selection show NÁZOV\n"
    "          wgravolenta-cli selection run NÁZOV [--xlsx SÚBOR] [--pdf SÚBOR] [--csv SÚBOR]\n"
    "          wgravolenta-cli selection save NÁZOV --table TABUĽKA --columns a,b,c\n"
    "                 [--description POPIS] [--where STĹPEC:OPERÁTOR:HODNOTA ...]\n"
    "                 [--or STĹPEC:OPERÁTOR:HODNOTA ...] [--order STĹPEC[:desc] ...]\n"
    "  Operátory: = < > <= >= <> BETWEEN LIKE; BETWEEN berie dve hodnoty oddelené\n"
    "  bodkočiarkou (10;20). --where sa pripája cez AND, --or cez OR.\n";

// "--name value" options, each possibly repeated, and the positional words.
struct Args {
    QStringList words;
    QList<std::pair<QString, QString>> options;

    QString value(const char* name) const {
        for (const auto& [n, v] : options)
            if (n == QLatin1String(name))
                return v;
        return {};
    }
};

QString parse(const QStringList& args, const QStringList& known, Args& a) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg.startsWith(QLatin1String("--"))) {
            const QString name = arg.mid(2);
            if (!known.contains(name) || i + 1 >= args.size())
                return QStringLiteral("Neznámy alebo neúplný argument: ") + arg;
            a.options.append({name, args[++i]});
        } else {
            a.words.append(arg);
        }
    }
    return {};
}

std::optional<SavedSelection> findSaved(const QString& name, Io& io) {
    auto saved = SavedSelections::findByName(name);
    if (!saved)
        io.err << "Výber „" << name << "“ nie je uložený.\n";
    return saved;
}

int list(Io& io) {
    const QList<SavedSelection> all = SavedSelections::list();
    if (all.isEmpty()) {
        io.out << "Nie je uložený žiadny výber.\n";
        return 0;
    }
    io.out << "Názov\tPopis\tVytvorená\n";
    for (const SavedSelection& s : all)
        io.out << s.name << "\t" << s.description << "\t"
               << s.saved.toString(QStringLiteral("dd.MM.yyyy hh:mm")) << "\n";
    return 0;
}

QString directionText(SelectionSort::Direction d) {
    switch (d) {
    case SelectionSort::Direction::Ascending:
        return QStringLiteral(" vzostupne");
    case SelectionSort::Direction::Descending:
        return QStringLiteral(" zostupne");
    case SelectionSort::Direction::None:
        break;
    }
    return {};
}

int show(const QString& name, Io& io) {
    const auto saved = findSaved(name, io);
    if (!saved)
        return 1;
    io.out << SelectionReport::nameText(*saved) << "\n"
           << SelectionReport::descriptionText(*saved) << "\n"
           << SelectionReport::savedText(*saved) << "\n";
    if (const auto& s = saved->selection) {
        const SelectionKind* kind = SelectionKind::ofTable(s->table);
        io.out << "Typ údajov: " << (kind ? kind->caption : QString()) << " (" << s->table << ")\n";
        QStringList columns;
        for (const SelectionColumn& c : s->columns)
            columns.append(c.caption.isEmpty()
                               ? c.name
                               : c.name + QStringLiteral(" „") + c.caption + QStringLiteral("“"));
        io.out << "Stĺpce: " << columns.join(QStringLiteral(", ")) << "\n";
        QList<TableColumn> tableColumns;
        try {
            tableColumns = TableColumn::of(s->table);
        } catch (const SqlError&) {
        }
        io.out << "Podmienka: " << SelectionStatement::conditionText(*s, tableColumns) << "\n";
        QStringList order;
        for (const SelectionSort& o : s->order)
            order.append(o.column + directionText(o.direction));
        io.out << "Triedenie: " << order.join(QStringLiteral(", ")) << "\n";
    }
    io.out << "Príkaz: " << saved->statement << "\n";
    try {
        const SelectionStatement statement = SavedSelections::statementOf(*saved);
        if (!statement.values.isEmpty()) {
            QStringList values;
            for (const QVariant& v : statement.values)
                values.append(DisplayFormat::text(v));
            io.out << "Hodnoty: " << values.join(QStringLiteral(" | ")) << "\n";
        }
    } catch (const SqlError& e) {
        io.err << "Chyba: " << e.text() << "\n";
        return 1;
    }
    return 0;
}

int run(const QString& name, const Args& a, Io& io) {
    const auto saved = findSaved(name, io);
    if (!saved)
        return 1;
    const SelectionRows rows = SelectionReport::read(*saved, ReadOnlyLimits::allRows());
    const QString xlsx = a.value("xlsx"), csv = a.value("csv"), pdf = a.value("pdf");
    try {
        if (!xlsx.isEmpty()) {
            GridExport::save(rows.data, saved->name, xlsx);
            io.out << "Zošit: " << QDir::toNativeSeparators(xlsx) << "\n";
        }
        if (!csv.isEmpty()) {
            GridExport::save(rows.data, saved->name, csv);
            io.out << "CSV: " << QDir::toNativeSeparators(csv) << "\n";
        }
        if (!pdf.isEmpty()) {
            const int pages = SelectionReport::printToPdf(*saved, rows.data, pdf);
            io.out << "PDF (počet strán " << pages << "): " << QDir::toNativeSeparators(pdf)
                   << "\n";
        }
    } catch (const WorkbookError& e) {
        io.err << e.text() << "\n";
        return 1;
    } catch (const ReportError& e) {
        io.err << e.text() << "\n";
        return 1;
    }
    if (xlsx.isEmpty() && csv.isEmpty() && pdf.isEmpty()) {
        QStringList titles;
        for (const ReportField& f : rows.data.fields)
            titles.append(f.label);
        io.out << titles.join(QLatin1Char('\t')) << "\n";
        for (const QVariantList& row : rows.data.rows) {
            QStringList cells;
            for (const QVariant& v : row)
                cells.append(DisplayFormat::text(v));
            io.out << cells.join(QLatin1Char('\t')) << "\n";
        }
    }
    io.out << "počet = " << rows.data.rows.size() << "\n";
    return 0;
}

// "COLUMN:OPERATOR:VALUE" as the condition builder takes it; the value may
// hold colons. Returns the refusal, empty when the part was added.
QString addPart(Selection& s, const QList<TableColumn>& columns, const QString& text,
                Connector connector) {
    const qsizetype first = text.indexOf(QLatin1Char(':'));
    const qsizetype second = first < 0 ? -1 : text.indexOf(QLatin1Char(':'), first + 1);
    if (second < 0)
        return QStringLiteral("Podmienka má tvar STĹPEC:OPERÁTOR:HODNOTA: ") + text;
    const QString column = text.left(first).trimmed();
    const TableColumn* c = findColumn(columns, column);
    if (!c)
        return QStringLiteral("Tabuľka %1 nemá stĺpec %2.").arg(s.table, column);
    QString refusal;
    const SelectionCondition part = SelectionCondition::make(
        c, OperatorEntry::ofSymbol(text.mid(first + 1, second - first - 1)), text.mid(second + 1),
        connector, s.conditions.isEmpty(), refusal);
    if (refusal.isEmpty())
        s.conditions.append(part);
    return refusal;
}

int save(const QString& name, const Args& a, Io& io) {
    Selection s;
    const SelectionKind* kind = SelectionKind::ofTable(a.value("table"));
    if (!kind) {
        io.err << "Tabuľka " << a.value("table")
               << " nie je medzi typmi údajov výberu. Ponúkajú sa:";
        for (const SelectionKind& k : SelectionKind::all())
            io.err << " " << k.table;
        io.err << "\n";
        return 1;
    }
    s.table = kind->table;
    const QList<TableColumn> columns = TableColumn::of(s.table);
    for (const QString& c : a.value("columns").split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const TableColumn* column = findColumn(columns, c.trimmed());
        if (!column) {
            io.err << "Tabuľka " << s.table << " nemá stĺpec " << c.trimmed() << ".\n";
            return 1;
        }
        s.columns.append({column->name, {}});
    }
    for (const auto& [option, value] : a.options) {
        QString refusal;
        if (option == QLatin1String("where"))
            refusal = addPart(s, columns, value, Connector::And);
        else if (option == QLatin1String("or"))
            refusal = addPart(s, columns, value, Connector::Or);
        else if (option == QLatin1String("order")) {
            const QString column = value.section(QLatin1Char(':'), 0, 0).trimmed();
            const QString direction = value.section(QLatin1Char(':'), 1).trimmed().toLower();
            if (!direction.isEmpty() && direction != QLatin1String("desc") &&
                direction != QLatin1String("asc")) {
                io.err << "Smer triedenia je asc alebo desc: " << value << "\n";
                return 2;
            }
            s.order.append({column, direction == QLatin1String("desc")
                                        ? SelectionSort::Direction::Descending
                                        : SelectionSort::Direction::Ascending});
        }
        if (!refusal.isEmpty()) {
            io.err << refusal << "\n";
            return 1;
        }
    }
    const Notice notice = SavedSelections::save(name, a.value("description"), s);
    (notice.kind == Notice::Kind::Information ? io.out : io.err) << notice.text << "\n";
    return notice.kind == Notice::Kind::Information ? 0 : 1;
}

} // namespace

int runSelection(const QStringList& arguments, Io& io) {
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        io.out << selectionUsage;
        return 0;
    }
    Args a;
    const QString fault =
        parse(arguments,
              {"xlsx", "csv", "pdf", "table", "columns", "description", "where", "or", "order"}, a);
    const QString command = a.words.value(0);
    const QString name = a.words.value(1);
    QString wrong = fault;
    if (wrong.isEmpty()) {
        if (command == QLatin1String("list")) {
            if (a.words.size() != 1 || !a.options.isEmpty())
                wrong = QStringLiteral("Príkaz list nemá ďalšie argumenty.");
        } else if (command == QLatin1String("show") || command == QLatin1String("run") ||
                   command == QLatin1String("save")) {
            if (a.words.size() != 2)
                wrong =
                    QStringLiteral("Chýba názov výberu (názov s medzerami dajte do úvodzoviek).");
            else if (command == QLatin1String("save") &&
                     (a.value("table").isEmpty() || a.value("columns").isEmpty()))
                wrong = QStringLiteral("Chýba --table alebo --columns.");
        } else if (command.isEmpty()) {
            wrong = QStringLiteral("Chýba príkaz výberu (list, show, run alebo save).");
        } else {
            wrong = QStringLiteral("Neznámy príkaz výberu: ") + command;
        }
    }
    if (!wrong.isEmpty()) {
        io.err << wrong << "\n" << selectionUsage;
        return 2;
    }
    return withDatabase(io, [&] {
        if (command == QLatin1String("list"))
            return list(io);
        if (command == QLatin1String("show"))
            return show(name, io);
        if (command == QLatin1String("run"))
            return run(name, a, io);
        return save(name, a, io);
    });
}

} // namespace cli
