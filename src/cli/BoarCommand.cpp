#include "BatchOutput.h"
#include "CardOptions.h"
#include "CliCommand.h"
#include "CliSession.h"
#include "card/BoarCard.h"
#include "common/Padding.h"
#include "views/BoarViews.h"
#include "views/DisplayFormat.h"

#include <QSqlQuery>

using namespace herd;

namespace cli {

namespace {

const char* const usage =
    "Použitie: wgravolenta-cli --farm ČÍSLO boar correct LÍNIA REGISTER --ÚDAJ HODNOTA ...\n"
    "          wgravolenta-cli --farm ČÍSLO boar cull LÍNIA REGISTER --date RRRR-MM-DD "
    "--reason KÓD\n"
    "          wgravolenta-cli --farm ČÍSLO boar uncull LÍNIA REGISTER\n"
    "          wgravolenta-cli --farm ČÍSLO boar transfer LÍNIA REGISTER --to "
    "KRAJ-OKRES-ZÁVOD-CHOV\n"
    "          wgravolenta-cli boar show LÍNIA REGISTER\n"
    "          wgravolenta-cli --farm ČÍSLO boar performance LÍNIA REGISTER [--png SÚBOR]\n"
    "          wgravolenta-cli --farm ČÍSLO boar list NÁZOV [--code KÓD] [--xlsx SÚBOR] "
    "[--pdf SÚBOR]\n";

void line(Io& io, const char* caption, const QString& text) {
    io.out << "  " << QString::fromUtf8(caption).leftJustified(20) << text << "\n";
}

int show(const BoarViews::BoarKey& key, Io& io) {
    QSqlQuery card = BoarViews::card(key);
    if (!card.first()) {
        io.err << BoarViews::notFound(QStringLiteral("Karta ošípanej")).text << "\n";
        return 1;
    }
    auto v = [&](const char* field) {
        return DisplayFormat::text(card.value(QString::fromLatin1(field)));
    };
    io.out << "Karta kanca " << key.line << " " << key.reg << " " << v("nazov_linie") << "\n";
    line(io, "narodený :", v("datum_narodenia"));
    line(io, "ušné číslo :", v("usne_cislo"));
    line(io, "import :", v("kod_krajiny_num") + QLatin1Char(' ') + v("nazov"));
    line(io, "plemeno :", v("plemeno_ku") + QLatin1Char(' ') + v("nazov_plemena"));
    line(io, "chovateľ :", v("chovatel"));
    line(io, "farma :", v("cislo_farmy"));
    line(io, "v plemenitbe :", v("datum_zaradenia"));
    line(io, "vyradený :", v("datum_vyradenia") + QStringLiteral(" / ") + v("kod_vyrku"));
    line(io,
         "CPH :", DisplayFormat::decimal(card.value(QStringLiteral("blup_celkPlemHodnota")), 1));

    QSqlQuery status = BoarViews::status(key);
    if (status.first()) {
        io.out << "Status\n";
        line(io, "posledná akcia :",
             DisplayFormat::text(status.value(4)) + QLatin1Char(' ') +
                 DisplayFormat::text(status.value(7)) + QStringLiteral(", ") +
                 DisplayFormat::text(status.value(5)));
        line(io, "ustajnenie :",
             DisplayFormat::text(status.value(2)) + QLatin1Char(' ') +
                 DisplayFormat::text(status.value(6)));
    }
    io.out << "Pohyby\n";
    QSqlQuery history = BoarViews::movements(key);
    bool any = false;
    while (history.next()) {
        any = true;
        io.out << "  " << DisplayFormat::text(history.value(1)).leftJustified(11)
               << history.value(0).toString() << " " << history.value(2).toString();
        if (!history.value(3).toString().isEmpty())
            io.out << " - " << history.value(3).toString();
        io.out << "\n";
    }
    if (!any)
        io.out << "  " << BoarViews::noMovements().text << "\n";
    return 0;
}

} // namespace

int runBoar(const QStringList& arguments, const Options& options, Io& io) {
    const QString action = arguments.value(0);
    if (action == QLatin1String("performance"))
        return runBoarPerformance(arguments, options, io);
    if (action == QLatin1String("list")) {
        if (arguments.size() < 2) {
            io.err << usage;
            return 2;
        }
        QStringList args = arguments.mid(1);
        args[0] = QStringLiteral("Kance: ") + args.at(0).trimmed();
        return runList(args, options, io);
    }
    const QStringList args = arguments.mid(1);
    if (args.size() < 2) {
        io.err << usage;
        return 2;
    }
    const QString boarLine = padLeftZeros(args.at(0), Width::BoarLine);
    const QString reg = padLeftZeros(args.at(1), Width::BoarRegister);
    const QStringList rest = args.mid(2);
    if (action == QLatin1String("show") && rest.isEmpty())
        return withDatabase(io, [&] { return show({boarLine, reg}, io); });
    if (action == QLatin1String("correct")) {
        const auto changes = corrections(rest, BoarCard::columns(), io);
        if (!changes)
            return 2;
        return withBatchFarm(options, io, [&](const FarmKeys& farm) {
            return finish(BoarCard::correct(farm.farm, boarLine, reg, *changes), io);
        });
    }
    if (action == QLatin1String("cull")) {
        const std::optional<Culling> c = culling(rest);
        if (!c) {
            io.err << usage;
            return 2;
        }
        return withBatchFarm(options, io, [&](const FarmKeys& farm) {
            return finish(BoarCard::cull(farm.farm, boarLine, reg, c->day, c->reason), io);
        });
    }
    if (action == QLatin1String("uncull") && rest.isEmpty())
        return withBatchFarm(options, io, [&](const FarmKeys& farm) {
            return finish(BoarCard::uncull(farm.farm, boarLine, reg), io);
        });
    if (action == QLatin1String("transfer") && rest.size() == 2 &&
        rest.at(0) == QLatin1String("--to")) {
        const QStringList to = rest.at(1).split(QLatin1Char('-'));
        if (to.size() != 4) {
            io.err << usage;
            return 2;
        }
        return withBatchFarm(options, io, [&](const FarmKeys& farm) {
            return finish(BoarCard::transfer(farm.farm, boarLine, reg,
                                             {to.at(0), to.at(1), to.at(2)}, to.at(3)),
                          io);
        });
    }
    io.err << usage;
    return 2;
}

} // namespace cli
