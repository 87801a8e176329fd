#include "CliCommand.h"
#include "CliSession.h"
#include "card/LitterCorrection.h"
#include "card/MatingCorrection.h"
#include "common/DateText.h"
#include "common/Padding.h"
#include "views/AnimalSearch.h"

#include <QHash>

using namespace herd;

namespace cli {

namespace {

// The options of "litter correct" and the litter's columns they set.
const QList<std::pair<const char*, const char*>> litterOptions = {
    {"--priebeh", "Kod_charVrh"},    {"--vsetky", "Vsetky_nar"},
    {"--zive", "Zivo_nar"},          {"--odstav", "Datum_odstavu"},
    {"--dochovane", "Pocet_dochov"}, {"--hmotnost", "Hmotnost_vrhu_dochov"},
    {"--vyrovnanost", "Kod_VyV"},
};

// Takes "--name VALUE" pairs out of args; false when a value is missing or
// an option is not among `known`.
bool takeOptions(QStringList& args, const QStringList& known, QHash<QString, QString>& values) {
    for (qsizetype i = 0; i < args.size();) {
        if (!args.at(i).startsWith(QLatin1String("--"))) {
            ++i;
            continue;
        }
        if (!known.contains(args.at(i)) || i + 1 >= args.size())
            return false;
        values.insert(args.at(i), args.at(i + 1));
        args.remove(i, 2);
    }
    return true;
}

int told(const Notice& notice, Io& io) {
    if (notice.kind == Notice::Kind::Information) {
        io.out << notice.text << "\n";
        return 0;
    }
    io.err << notice.title << ": " << notice.text << "\n";
    return 1;
}

// SOW HERD DATE of a command; false when they do not read.
struct Target {
    QString sow;
    QString herd;
    QDate day;
};
std::optional<Target> target(const QStringList& args) {
    if (args.size() != 3)
        return std::nullopt;
    const QDate day = DateText::typed(args.at(2));
    if (!day.isValid())
        return std::nullopt;
    return Target{padLeftZeros(args.at(0), Width::Sow), padLeftZeros(args.at(1), Width::Herd), day};
}

} // namespace

int runMating(const QStringList& arguments, const Options& options, Io& io) {
    const char* usage =
        "Použitie: wgravolenta-cli --farm ČÍSLO mating correct PRASNICA CHOV DÁTUM "
        "[--boar LÍNIA-REGISTER] [--method KÓD] [--re POČET]\n"
        "          wgravolenta-cli --farm ČÍSLO mating cancel PRASNICA CHOV DÁTUM\n";
    QStringList args = arguments;
    const QString action = args.isEmpty() ? QString() : args.takeFirst();
    QHash<QString, QString> values;
    const bool correcting = action == QLatin1String("correct");
    const bool optionsRead = takeOptions(
        args, correcting ? QStringList{"--boar", "--method", "--re"} : QStringList{}, values);
    const std::optional<Target> t = target(args);
    if (options.farm.trimmed().isEmpty() || !optionsRead || !t ||
        (!correcting && action != QLatin1String("cancel"))) {
        io.err << usage;
        return 2;
    }
    const MatingKey key{options.farm, t->herd, t->sow, t->day};
    return withDatabase(io, [&] {
        if (!correcting)
            return told(MatingCorrection::cancel(key), io);
        MatingChange change;
        if (values.contains(QStringLiteral("--boar"))) {
            const QStringList boar = values.value(QStringLiteral("--boar")).split(QLatin1Char('-'));
            change.boarLine = boar.value(0);
            change.boarRegister = boar.value(1);
            if (boar.size() != 2 || change.boarLine.isEmpty() || change.boarRegister.isEmpty())
                return told(Notice::error(MatingCorrection::correctionTitle(),
                                          QStringLiteral("Nekorektne uvedený kanec !")),
                            io);
        }
        change.method = values.value(QStringLiteral("--method"));
        if (values.contains(QStringLiteral("--re"))) {
            int re = 0;
            if (auto refused = MatingCorrection::checkReInseminations(
                    values.value(QStringLiteral("--re")), &re))
                return told(*refused, io);
            change.reInseminations = re;
        }
        return told(MatingCorrection::correct(key, change), io);
    });
}

int runLitter(const QStringList& arguments, const Options& options, Io& io) {
    QStringList known;
    for (const auto& o : litterOptions)
        known.append(QString::fromLatin1(o.first));
    QStringList args = arguments;
    const QString action = args.isEmpty() ? QString() : args.takeFirst();
    QHash<QString, QString> values;
    const bool correcting = action == QLatin1String("correct");
    const bool optionsRead = takeOptions(args, correcting ? known : QStringList{}, values);
    const std::optional<Target> t = target(args);
    if (options.farm.trimmed().isEmpty() || !optionsRead || !t ||
        (!correcting && action != QLatin1String("cancel"))) {
        io.err << "Použitie: wgravolenta-cli --farm ČÍSLO litter correct PRASNICA CHOV DÁTUM "
                  "[--priebeh K] [--vsetky N] [--zive N] [--odstav DÁTUM] [--dochovane N] "
                  "[--hmotnost KG] [--vyrovnanost K]\n"
                  "          wgravolenta-cli --farm ČÍSLO litter cancel PRASNICA CHOV DÁTUM\n";
        return 2;
    }
    const LitterKey key{options.farm, t->herd, t->sow, t->day};
    return withDatabase(io, [&] {
        if (!correcting)
            return told(LitterCorrection::cancel(key), io);
        // The fields in the card's Enter order, as if passed through one by one.
        QList<std::pair<QString, QString>> typed;
        for (const auto& o : litterOptions)
            if (values.contains(QString::fromLatin1(o.first)))
                typed.append(
                    {QString::fromLatin1(o.second), values.value(QString::fromLatin1(o.first))});
        return told(LitterCorrection::correct(key, typed), io);
    });
}

int runFind(const QStringList& args, const Options& options, Io& io) {
    if (args.size() != 1) {
        io.err << "Použitie: wgravolenta-cli [--farm ČÍSLO] find KĽÚČ\n";
        return 2;
    }
    const AnimalSearch::Key key = AnimalSearch::parse(args.first());
    if (key.kind == AnimalSearch::Kind::Invalid)
        return told(AnimalSearch::invalid(), io);
    if (key.kind != AnimalSearch::Kind::Boar && options.farm.trimmed().isEmpty()) {
        io.err << "Nebola vybraná aktuálna farma !\n";
        return 1;
    }
    return withDatabase(io, [&] {
        if (auto missing = AnimalSearch::find(options.farm, key))
            return told(*missing, io);
        io.out << AnimalSearch::captionOf(key.kind).trimmed() << ": " << key.text.trimmed() << " ("
               << AnimalSearch::frameOf(key.kind) << ")\n";
        return 0;
    });
}

} // namespace cli
