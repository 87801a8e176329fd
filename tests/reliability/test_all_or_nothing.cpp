// Every operation that writes more than one row, failed at each of its writes
// in turn: each failure leaves every table as it was and tells the user. The
// batches run through the core call and through the command-line tool.
#include "../card/EnrolmentRows.h"
#include "../card/SowMoveFixture.h"
#include "../litter/LitterFixture.h"
#include "../litter/MatingFixture.h"
#include "../litter/OffspringFixture.h"
#include "BonitationFixture.h"
#include "CliHome.h"
#include "FaultHarness.h"
#include "HerdFixture.h"
#include "QueryText.h"
#include "TestDatabase.h"
#include "bonitation/SowBonitationTable.h"
#include "card/EnrolmentBatch.h"
#include "card/SowCulling.h"
#include "card/SowRecordsMove.h"
#include "card/TransferBatch.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "farms/FarmChoice.h"
#include "farms/FarmKeys.h"
#include "litter/LitterBatch.h"
#include "litter/MatingBatch.h"
#include "litter/OffspringBatch.h"
#include "measurement/MeasurementBatch.h"
#include "register/MatingDocument.h"
#include "register/Warehouse.h"

#include <QScopeGuard>
#include <QTest>
#include <functional>
#include <memory>

using namespace herd;

namespace {

const QString farm = MatingFixture::farm; // every herd fixture's farm
const QDate mated(2025, 9, 1);
const QDate born(2026, 1, 10);
const QString fault = QStringLiteral("wg_fault");

// One run of an operation: the message the user got, "" when it succeeded.
using Attempt = std::function<QString()>;

FarmKeys keys() {
    return *FarmKeys::read(farm);
}

QString told(const Notices& notices) {
    QStringList texts;
    for (const Notice& n : notices)
        texts.append(n.text);
    return texts.join(QLatin1Char('\n'));
}

QString outcome(const BatchOutcome& o) {
    return o.done ? QString() : QStringLiteral("neaplikovaná: ") + told(o.notices);
}

QString outcome(const Notice& n) {
    return n.kind == Notice::Kind::Error ? n.text : QString();
}

// Runs a core call; a database fault it throws reaches the user as its text.
Attempt guarded(const std::function<QString()>& call) {
    return [call] {
        try {
            return call();
        } catch (const SqlError& e) {
            return e.text();
        }
    };
}

void herdFarm() {
    HerdFixture::insertFarm(farm, QStringLiteral("Farma Dolné Vestenice"), {},
                            {QStringLiteral("01"), QStringLiteral("02")});
}

// A batch kind: its rows and the herd they need, and its core object.
struct BatchKind {
    const char* cli;
    std::function<void()> fixture;
    std::function<Attempt()> core; // checks, then returns the application
};

template <typename Batch> std::function<Attempt()> checkedBatch() {
    return [] {
        auto batch = std::make_shared<Batch>();
        const BatchOutcome checked = batch->check(keys());
        if (!checked.done)
            qWarning() << told(checked.notices);
        return guarded([batch] { return outcome(batch->apply(keys())); });
    };
}

const QList<BatchKind>& batchKinds() {
    static const QList<BatchKind> kinds{
        {"enrolment",
         [] {
             EnrolmentRows::insert({EnrolmentRows::sow("7"), EnrolmentRows::sow("8", "02")});
         },
         checkedBatch<EnrolmentBatch>()},
        {"mating",
         [] {
             MatingFixture::sow("00007");
             MatingFixture::sow("00008");
             MatingFixture::boar("3301", "00001");
             MatingFixture::row("7", QDate(2026, 3, 2));
             MatingFixture::row("8", QDate(2026, 3, 3));
         },
         checkedBatch<MatingBatch>()},
        {"litter",
         [] {
             for (const char* sow : {"00007", "00008"}) {
                 MatingFixture::sow(sow);
                 MatingFixture::mating(sow, mated);
                 HerdFixture::insertAnimal(farm, HerdFixture::Animal(sow, "3", "3", "J01", "01"));
             }
             MatingFixture::boar("3301", "00001");
             LitterFixture::Row::on(mated.addDays(114)).of("7").insert();
             LitterFixture::Row::on(mated.addDays(115)).of("8").insert();
         },
         checkedBatch<LitterBatch>()},
        {"offspring",
         [] {
             Sql::exec(QStringLiteral("UPDATE tfarmy SET Cislo_farmy_OS = '54321'"));
             MatingFixture::boar("3301", "00001");
             OffspringFixture::weanedLitter("00007", born, 2);
             OffspringBatch batch;
             if (!batch.create(keys(), {}).done)
                 qWarning() << "no offspring batch";
             OffspringFixture::fill("00007", born, 1, QStringLiteral("20"), QStringLiteral("3"));
             OffspringFixture::fill("00007", born, 2, QStringLiteral("21"), QStringLiteral("6"));
         },
         [] {
             auto batch = std::make_shared<OffspringBatch>();
             return guarded([batch] { return outcome(batch->apply(keys())); });
         }},
        {"transfer",
         [] {
             using namespace SowMoveFixture;
             const Place herd01{farm, "24", "02", "581", "01"};
             sowWithRecords(herd01, QStringLiteral("00001"));
             descendants(herd01, QStringLiteral("00001"));
             sowWithRecords(herd01, QStringLiteral("00002"));
             Sql::exec(QStringLiteral("INSERT INTO davka_presun (PPodnik, POkres, PZavod, PCHov, "
                                      "PRMcis, NPodnik, NOkres, NZavod, NCHov) VALUES "
                                      "('24','02','581','01','00001','24','02','581','05'), "
                                      "('24','02','581','01','00002','24','02','581','02')"));
         },
         checkedBatch<TransferBatch>()},
    };
    return kinds;
}

// The operations besides the batches: each builds its fixture and returns
// one run of the operation.
struct Operation {
    const char* name;
    std::function<Attempt()> prepare;
    const char* told;
    QStringList cli = {}; // the same through the command-line tool, if it has it
};

const QByteArray group = "06    02 005 01 05 07.03.08 1 15.03.08\r\n";
const QByteArray animalA = "001  54321 12345 105 01.01.08 0 12 13 11 45 46 44 55,3\r\n";
const QByteArray animalB = "002  54321 00007 98 01.01.08 0 9 10 8 40 41 39 57,0\r\n";

// The dam's litter of 1 January 2008 whose piglets the measurement pairs with.
void measuredLitter() {
    Sql::exec("INSERT INTO tpotpev (cislo_farmy,chovatel_chov,prasnica_farma,chovatel_kraj,"
              "chovatel_okres,chovatel_zavod,datum_oprasenia,linia_kanca,register_kanca,"
              "plemeno_VU) VALUES ('900001','01','54321','06','02','005','2008-01-01','1234',"
              "'56789','12000000')");
    for (const char* ear : {"1234500", "5432107"})
        Sql::exec("INSERT INTO tpotpoh (cislo_farmy,chovatel_chov,prasnica_farma,chovatel_kraj,"
                  "chovatel_okres,chovatel_zavod,datum_oprasenia,usne_cislo,cecky) VALUES "
                  "('900001','01','54321','06','02','005','2008-01-01',?,'14')",
                  {QString::fromLatin1(ear)});
}

const QList<Operation>& operations() {
    static const QList<Operation> all{
        {"sow culling",
         [] {
             herdFarm();
             MatingFixture::sow("00001");
             HerdFixture::insertAnimal(farm, {"00001", "2", "2", "J01"});
             MatingFixture::mating("00001", QDate(2008, 2, 4));
             return guarded([] {
                 return outcome(SowCulling::cull(keys(), QStringLiteral("01"),
                                                 QStringLiteral("00001"), QDate(2008, 3, 5),
                                                 QStringLiteral("11")));
             });
         },
         "wg_fault"},
        {"sow records move",
         [] {
             using namespace SowMoveFixture;
             const Place herd01{farm, "24", "02", "581", "01"};
             sowWithRecords(herd01, QStringLiteral("00001"));
             descendants(herd01, QStringLiteral("00001"));
             return guarded([] {
                 return outcome(SowRecordsMove::move(
                     farm, {{"24", "02", "581"}, QStringLiteral("01"), QStringLiteral("00001")},
                     {"24", "02", "581"}, QStringLiteral("05")));
             });
         },
         "wg_fault",
         {"--farm", farm, "sow", "move", "1", "01", "--to", "24-02-581-05"}},
        {"sow bonitation rebuild",
         [] {
             using namespace BonitationFixture;
             farmWithHerds();
             sow({"00001", QDate(2025, 12, 30)});
             sow({"00002", QDate(2025, 12, 11)});
             sow({"00003", QDate(2025, 11, 11), "1", "02"});
             litter({"00002", QDate(2026, 2, 1), 1, "1", 12, 11, QDate(2026, 3, 3), 10, 60});
             mating("00001", QDate(2026, 5, 1));
             const BonitationHerd herd01{"04", "07", "123", "01", "Chov 1"};
             const BonitationHerd herd02{"04", "07", "123", "02", "Chov 2"};
             // The previous herd's complete table must survive a failed rebuild.
             SowBonitationTable::build(herd02, QDate(2026, 6, 30));
             return guarded([herd01] {
                 SowBonitationTable::build(herd01, QDate(2026, 6, 30));
                 return QString();
             });
         },
         "wg_fault",
         {"--farm", BonitationFixture::farm, "bonitation", "sows", "--herd", "04-07-123-01"}},
        {"measurement import",
         [] {
             MeasurementBatch::importBytes(group + animalA);
             return
                 [] { return outcome(MeasurementBatch::importBytes(group + animalB + animalA)); };
         },
         "wg_fault"},
        {"measurement pairing",
         [] {
             measuredLitter();
             MeasurementBatch::importBytes(group + animalA + animalB);
             return [] { return outcome(MeasurementBatch::pair()); };
         },
         "wg_fault",
         {"measurement", "pair"}},
        {"measurement attach",
         [] {
             measuredLitter();
             MeasurementBatch::importBytes(group + animalA + animalB);
             MeasurementBatch::pair();
             return [] { return outcome(MeasurementBatch::attach()); };
         },
         "wg_fault",
         {"measurement", "attach"}},
        {"measurement cancel",
         [] {
             measuredLitter();
             MeasurementBatch::importBytes(group + animalA + animalB);
             MeasurementBatch::pair();
             MeasurementBatch::attach();
             MeasurementBatch::importBytes(group + animalA);
             return [] { return outcome(MeasurementBatch::cancel()); };
         },
         "wg_fault",
         {"measurement", "cancel"}},
        {"warehouse period delete",
         [] {
             for (int day = 9; day <= 11; ++day)
                 MatingDocument::writeMating({farm,
                                              {},
                                              QStringLiteral("1"),
                                              {},
                                              QDate(2021, 5, day),
                                              QStringLiteral("343"),
                                              QStringLiteral("1199"),
                                              QStringLiteral("4039"),
                                              0});
             Sql::exec(QStringLiteral("UPDATE dos3 SET datum_vytvorenia = '2021-05-10'"));
             return guarded([] {
                 Warehouse::deletePeriod(3, QDate(2021, 5, 9), QDate(2021, 5, 10));
                 return QString();
             });
         },
         "wg_fault"},
        {"farm choice",
         [] {
             HerdFixture::Counts counts;
             counts.matecnik = 2;
             HerdFixture::insertFarm(QStringLiteral("000001"), QStringLiteral("Farma A"), counts);
             herdFarm();
             FarmChoice::choose(QStringLiteral("000001"));
             return [] {
                 const FarmChoiceResult r = FarmChoice::choose(farm);
                 return r.succeeded() ? QString() : told(r.notices);
             };
         },
         "wg_fault",
         {"farm", "choose", farm}},
    };
    return all;
}

// Two autocommitted writes: a fault at the second leaves the first applied.
QString halfApplied() {
    try {
        Sql::exec(QStringLiteral("INSERT INTO csposprip (Kod_pripustenia, Vykonavatel) "
                                 "VALUES ('98', 'prvý')"));
        Sql::exec(QStringLiteral("INSERT INTO csposprip (Kod_pripustenia, Vykonavatel) "
                                 "VALUES ('99', 'druhý')"));
        return QString();
    } catch (const SqlError& e) {
        return e.text();
    }
}

} // namespace

class TestAllOrNothing : public QObject {
    Q_OBJECT

private slots:
    // The harness itself: an operation that is not all or nothing is caught,
    // and so is one that fails without telling.
    void harnessCatchesHalfApplied() {
        TestDatabase db;
        // Its deliberate faults stay out of the run's figures.
        const QByteArray figures = qgetenv("WG_FIGURES");
        qunsetenv("WG_FIGURES");
        const auto restore = qScopeGuard([&] { qputenv("WG_FIGURES", figures); });
        {
            FaultHarness harness;
            const FaultTally t = harness.run(halfApplied, fault);
            QVERIFY(t.failed >= 2);
            QCOMPARE(t.halfApplied, t.failed - 1); // from the second fault on, the first row stays
            QVERIFY(!t.sound());
        }
        Sql::exec(QStringLiteral("DELETE FROM csposprip WHERE Kod_pripustenia IN ('98', '99')"));
        FaultHarness harness;
        const FaultTally silent = harness.run(
            [] {
                halfApplied();
                return QString();
            },
            fault);
        QCOMPARE(silent.untold, silent.failed);
        QVERIFY(silent.failed >= 2);
        QVERIFY(!silent.sound());
    }

    void everyBatch_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("throughCli");
        for (int i = 0; i < batchKinds().size(); ++i) {
            const char* name = batchKinds().at(i).cli;
            QTest::addRow("%s, core", name) << i << false;
            QTest::addRow("%s, command line", name) << i << true;
        }
    }
    void everyBatch() {
        QFETCH(int, kind);
        QFETCH(bool, throughCli);
        const BatchKind& k = batchKinds().at(kind);
        TestDatabase db;
        CliHome home(db);
        herdFarm();
        k.fixture();
        Attempt attempt;
        if (throughCli) {
            auto batch = [&home, &k](const char* action) {
                return home.run({"--farm", farm, "batch", QString::fromLatin1(k.cli),
                                 QString::fromLatin1(action)});
            };
            // The check's verdicts are in place before the first fault, so
            // that the application's own check rewrites them unchanged.
            const CliRun checked = batch("check");
            QVERIFY2(checked.exitCode == 0, qPrintable(checked.out.join('\n') + checked.err));
            attempt = [batch] {
                const CliRun run = batch("apply");
                return run.exitCode == 0 ? QString() : run.out.join('\n') + run.err;
            };
        } else {
            attempt = k.core();
        }
        FaultHarness harness;
        const FaultTally t = harness.run(attempt, fault);
        QVERIFY2(t.sound(), qPrintable(t.report()));
        qInfo("%d writes failed in turn", t.failed);
        QVERIFY(t.failed > 4);
    }

    void everyOperation_data() {
        QTest::addColumn<int>("op");
        QTest::addColumn<bool>("throughCli");
        for (int i = 0; i < operations().size(); ++i) {
            QTest::addRow("%s", operations().at(i).name) << i << false;
            if (!operations().at(i).cli.isEmpty())
                QTest::addRow("%s, command line", operations().at(i).name) << i << true;
        }
    }
    void everyOperation() {
        QFETCH(int, op);
        QFETCH(bool, throughCli);
        const Operation& o = operations().at(op);
        TestDatabase db;
        CliHome home(db);
        Attempt attempt = o.prepare();
        if (throughCli)
            attempt = [&home, &o] {
                const CliRun run = home.run(o.cli);
                return run.exitCode == 0 ? QString() : run.out.join('\n') + run.err;
            };
        FaultHarness harness;
        const FaultTally t = harness.run(attempt, QString::fromLatin1(o.told));
        QVERIFY2(t.sound(), qPrintable(t.report()));
        qInfo("%d writes failed in turn", t.failed);
        QVERIFY(t.failed > 1);
    }
};

QTEST_GUILESS_MAIN(TestAllOrNothing)
#include "test_all_or_nothing.moc"
