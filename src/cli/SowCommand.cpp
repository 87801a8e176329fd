#include "BatchOutput.h"
#include "CliCommand.h"
#include "CliSession.h"
#include "card/SowRecordsMove.h"
#include "common/DateText.h"
#include "common/Padding.h"
#include "views/DisplayFormat.h"
#include "views/ExpectedAction.h"
#include "views/SowCard.h"
#include "views/SowMovements.h"
#include "views/SowPerformance.h"
#include "views/SowStatus.h"

#include <QSqlQuery>
#include <QSqlRecord>

using namespace herd;

namespace cli {

namespace {

struct Line {
    const char* caption;
    const char* field;
    int decimals = -1; // -1: as text
};

// One line per caption; a line without a caption continues the one before.
void print(Io& io, const QSqlQuery& row, std::initializer_list<Line> lines) {
    bool open = false;
    for (const Line& line : lines) {
        const QVariant value = row.value(QString::fromLatin1(line.field));
        const QString text = line.decimals < 0 ? DisplayFormat::text(value)
                                               : DisplayFormat::decimal(value, line.decimals);
        if (*line.caption) {
            if (open)
                io.out << "\n";
            io.out << "  " << QString::fromUtf8(line.caption).leftJustified(28) << text;
            open = true;
        } else {
            io.out << " " << text;
        }
    }
    if (open)
        io.out << "\n";
}

int show(const SowKey& key, Io& io) {
    QSqlQuery card = SowCard::card(key);
    if (!card.first()) {
        io.err << "Nie je evidovaná uvedená prasnica/čka !\n";
        return 1;
    }
    io.out << "Karta ošípanej (chov " << key.chov << ")\n";
    print(io, card,
          {{"prasnica :", "prasnica_farma"},
           {"narodená :", "datum_narodenia"},
           {"ušné číslo :", "usne_cislo"},
           {"import :", "kod_krajiny_num"},
           {"plemeno :", "plemeno_ku"},
           {"", "nazov_plemena"},
           {"chovateľ :", "chovatel"},
           {"farma :", "cislo_farmy"},
           {"v plemenitbe :", "datum_zaradenia"},
           {"otec :", "linia_otca"},
           {"", "register_otca"},
           {"medzidobie :", "priem_medzidobie", 1},
           {"cecky :", "cecky"},
           {"genofond :", "kod_genofond"},
           {"vyradená :", "datum_vyradenia"},
           {"CPH :", "blup_celkPlemHodnota", 1},
           {"poradie CPH :", "blup_poradiecph"},
           {"percentily :", "blup_percentily"}});

    QSqlQuery status = SowStatus::status(key);
    status.first();
    io.out << "Status\n";
    print(io, status,
          {{"posledná akcia :", "kod_akcie"},
           {"", "nazov_akcie"},
           {"dátum akcie", "datum_akcie"},
           {"ustajnenie :", "ustajnenie"},
           {"", "nazov_ustajnenia"},
           {"dátum presunu", "datum_presunu"}});
    if (const auto expected = ExpectedAction::forSow(key))
        io.out << "  " << QStringLiteral("očakávaná akcia :").leftJustified(28) << expected->code
               << " " << expected->name << ", " << DateText::dotted(expected->from) << " - "
               << DateText::dotted(expected->to) << "\n";
    else
        io.out << "  " << QStringLiteral("očakávaná akcia :").leftJustified(28) << "-\n";

    io.out << "Úžitkovosť\n";
    QSqlQuery figures = SowPerformance::figures(key);
    if (figures.first()) {
        print(io, figures,
              {{"vrhy", "poc_vrh"},
               {"zmet.", "poc_zm"},
               {"Vš-nar", "poc_vs"},
               {"Ži-nar", "poc_zi"},
               {"Dochov", "poc_do"},
               {"priemer Vš-nar", "poc_vspr", 1},
               {"priemer Ži-nar", "poc_zipr", 1},
               {"priemer Dochov", "poc_dopr", 1},
               {"Medzidobie", "medz", 1}});
        for (const SowPerformance::Litter& l : SowPerformance::litters(key))
            io.out << "  vrh " << l.order << ": všetky " << l.all << ", živé " << l.alive
                   << ", dochované " << l.reared << "\n";
    } else {
        io.out << "  " << SowPerformance::noLitters().text << "\n";
    }

    io.out << "Pohyby\n";
    QSqlQuery history = SowMovements::history(key);
    bool any = false;
    while (history.next()) {
        any = true;
        io.out << "  " << DisplayFormat::text(history.value(1)).leftJustified(11)
               << history.value(0).toString() << " " << history.value(2).toString();
        if (!history.value(3).toString().isEmpty())
            io.out << " - " << history.value(3).toString();
        if (!history.value(4).toString().trimmed().isEmpty())
            io.out << " (" << history.value(4).toString() << ")";
        io.out << "\n";
    }
    if (!any)
        io.out << "  " << SowMovements::noMovements().text << "\n";
    return 0;
}

const char* const moveUsage = "Použitie: wgravolenta-cli --farm ČÍSLO sow move PRASNICA CHOV --to "
                              "KRAJ-OKRES-ZÁVOD-CHOV[-PRASNICA]\n";

// "sow move SOW HERD --to KRAJ-OKRES-ZAVOD-CHOV[-SOW]": the farm's sow of the
// herd moves to the new breeder on the farm. She keeps her number, so a
// number given after the codes must be hers.
int move(const QStringList& args, const Options& options, Io& io) {
    const qsizetype at = args.indexOf(QStringLiteral("--to"));
    const QStringList target = args.value(at + 1).split(QLatin1Char('-'));
    if (options.farm.trimmed().isEmpty() || args.size() != 4 || at != 2 || target.size() < 4 ||
        target.size() > 5) {
        io.err << moveUsage;
        return 2;
    }
    const QString sow = padLeftZeros(args.at(0), Width::Sow);
    if (target.size() == 5 && padLeftZeros(target.at(4), Width::Sow) != sow) {
        io.err << "Prasnica si pri presune ponecháva svoje číslo " << sow << "\n";
        return 2;
    }
    const FarmCodes to{padLeftZeros(target.at(0), 2), padLeftZeros(target.at(1), 2),
                       padLeftZeros(target.at(2), 3)};
    const QString toChov = padLeftZeros(target.at(3), Width::Herd);
    return withDatabase(io, [&] {
        const auto from =
            SowRecordsMove::find(options.farm, padLeftZeros(args.at(1), Width::Herd), sow);
        if (!from) {
            print({Notice::error(QString::fromUtf8("Presun prasníc"), SowRecordsMove::notFound())},
                  io);
            return 1;
        }
        const Notice done = SowRecordsMove::move(options.farm, *from, to, toChov);
        print({done}, io);
        return done.kind == Notice::Kind::Information ? 0 : 1;
    });
}

} // namespace

int runSow(const QStringList& arguments, const Options& options, Io& io) {
    if (arguments.value(0) == QLatin1String("move"))
        return move(arguments.mid(1), options, io);
    if (QStringList{"correct", "cull", "uncull"}.contains(arguments.value(0)))
        return runSowCard(arguments, options, io);
    QStringList args = arguments;
    QString herd;
    const qsizetype at = args.indexOf(QStringLiteral("--herd"));
    if (at >= 0) {
        herd = padLeftZeros(args.value(at + 1), Width::Herd);
        args.remove(at, std::min<qsizetype>(2, args.size() - at));
    }
    if (options.farm.trimmed().isEmpty() || args.size() != 1) {
        io.err << "Použitie: wgravolenta-cli --farm ČÍSLO sow PRASNICA [--herd CHOV]\n";
        return 2;
    }
    const QString number = padLeftZeros(args.first(), Width::Sow);
    return withDatabase(io, [&] {
        if (herd.isEmpty()) {
            const QStringList herds = SowKey::herdsOf(options.farm, number);
            if (herds.size() > 1) {
                io.err << "Prasnica " << number << " je evidovaná v chovoch " << herds.join(", ")
                       << ": uveďte --herd CHOV\n";
                return 1;
            }
            herd = herds.value(0);
        }
        return show({options.farm, herd, number}, io);
    });
}

} // namespace cli
