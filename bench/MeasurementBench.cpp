// wgravolenta-measurement-bench: the own-performance measurement on a
// delivery file of N animals (default 5,000): import, checks, removal of the
// duplicates, pairing and attach, each timed. It writes a litter and an
// offspring record per animal into the herd tables of a farm number of its
// own (999990), which it removes again with the measurement. Asserts nothing.
#include "db/Config.h"
#include "db/Session.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "measurement/DeliveryFileGenerator.h"
#include "measurement/MeasurementBatch.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>

using namespace herd;

namespace {
const QString farm = QStringLiteral("999990");

void herdRecords(int animals) {
    QList<QVariantList> litters, piglets;
    for (int i = 0; i < animals; ++i) {
        const QString dam = QString::number(10000 + i);
        const QDate born = QDate(2008, 1, 1).addDays(i % 60);
        litters.append({farm, dam, born});
        piglets.append({farm, dam, born, dam + QStringLiteral("01")});
    }
    Sql::execRows(QStringLiteral("INSERT INTO tpotpev (cislo_farmy,chovatel_chov,prasnica_farma,"
                                 "chovatel_kraj,chovatel_okres,chovatel_zavod,datum_oprasenia,"
                                 "linia_kanca,register_kanca,plemeno_VU) VALUES "),
                  QStringLiteral("(?,'01',?,'06','02','005',?,'1234','56789','12000000')"),
                  litters);
    Sql::execRows(QStringLiteral("INSERT INTO tpotpoh (cislo_farmy,chovatel_chov,prasnica_farma,"
                                 "chovatel_kraj,chovatel_okres,chovatel_zavod,datum_oprasenia,"
                                 "usne_cislo,cecky) VALUES "),
                  QStringLiteral("(?,'01',?,'06','02','005',?,?,'14')"), piglets);
}

void removeRecords() {
    Sql::exec(QStringLiteral("DELETE FROM tpotpoh WHERE cislo_farmy = ?"), {farm});
    Sql::exec(QStringLiteral("DELETE FROM tpotpev WHERE cislo_farmy = ?"), {farm});
    Sql::exec(QStringLiteral("DELETE FROM os53a"));
    Sql::exec(QStringLiteral("DELETE FROM os53"));
    Sql::exec(QStringLiteral("DELETE FROM t_os53"));
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wgravolenta"));
    const QStringList args = QCoreApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--animals"));
    const int animals = at >= 0 ? args.value(at + 1).toInt() : 5000;
    QTextStream out(stdout);
    try {
        Session session(Config::load());
        session.start();
        removeRecords();
        herdRecords(animals);
        int known = 0;
        const QByteArray file = DeliveryFileGenerator::generate(
            {farm, animals, animals / 100, animals / 100, 1, QStringLiteral("07.03.08")}, &known);
        QElapsedTimer timer;
        const auto step = [&](const char* name, const auto& work) {
            timer.start();
            const QString result = work();
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            out << QString::fromLatin1(name).leftJustified(22) << QString::number(ms, 'f', 0)
                << " ms  " << result << "\n";
            out.flush();
            return ms;
        };
        out << "animals " << known << " known, " << animals / 100 << " unknown, " << animals / 100
            << " repeated; file " << file.size() << " bytes\n";
        double total = 0;
        total += step("import", [&] { return MeasurementBatch::importBytes(file).text; });
        total += step("check duplicates", [&] {
            return MeasurementBatch::checkBatch(QStringLiteral("Kontrola")).text;
        });
        total += step("delete duplicates",
                      [&] { return QString::number(MeasurementBatch::deleteLaterDuplicates()); });
        total += step("check database", [&] {
            return MeasurementBatch::checkDatabase(QStringLiteral("Kontrola")).text;
        });
        total += step("pair", [&] { return MeasurementBatch::pair().text; });
        total += step("delete unpaired", [&] {
            return QString::number(
                Sql::exec(QStringLiteral("DELETE FROM os53a WHERE strvyr IS NULL"))
                    .numRowsAffected());
        });
        total += step("attach", [&] { return MeasurementBatch::attach().text; });
        out << "total " << QString::number(total, 'f', 0) << " ms, "
            << QString::number(known / (total / 1000.0), 'f', 0) << " animals/s; measurement rows "
            << MeasurementBatch::measurementRows() << "\n";
        removeRecords();
    } catch (const SqlError& e) {
        std::fprintf(stderr, "Chyba: %s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
