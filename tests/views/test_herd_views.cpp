// The herd views on a generated farm: every list of the herd panels against
// queries written here from the lists' own words, the faults the lists mend
// (matings of another farm, test individuals credited to another sire), the
// names the command line knows them by, the printouts' layouts, and the card
// of a selected piglet.
#include "../reports/PdfText.h"
#include "HerdFixture.h"
#include "QueryText.h"
#include "TestDatabase.h"
#include "card/SowCulling.h"
#include "db/Sql.h"
#include "demo/HerdGenerator.h"
#include "farms/FarmChoice.h"
#include "farms/FarmKeys.h"
#include "reports/ReportData.h"
#include "reports/ReportEngine.h"
#include "views/HerdList.h"
#include "views/HerdLists.h"
#include "views/OffspringCard.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace herd;
using QueryText::lines;

namespace {

const QString farm = QStringLiteral("900001");

const char* const sowColumns =
    "SELECT cislo_farmy, prasnica_farma, chovatel_kraj, chovatel_okres, chovatel_zavod, "
    "chovatel_chov, ustajnenie, datum_presunu, kod_akcie, datum_akcie, plemeno_ku, "
    "datum_narodenia, linia_otca, register_otca, kod_genofond, datum_zaradenia, datum_vyradenia, "
    "datum_1ruje, cecky, priem_medzidobie, krmne_dni, blup_celkplemHodnota, blup_poradieCPH, "
    "blup_percentily FROM tpraspev ";
const char* const giltColumns =
    "SELECT cislo_farmy, prasnica_farma, chovatel_kraj, chovatel_okres, chovatel_zavod, "
    "chovatel_chov, ustajnenie, datum_presunu, kod_akcie, datum_akcie, plemeno_ku, "
    "datum_narodenia, linia_otca, register_otca, kod_genofond, datum_zaradenia, datum_vyradenia, "
    "datum_1ruje, cecky, krmne_dni, blup_celkplemHodnota, blup_poradieCPH, blup_percentily "
    "FROM tpraspev g ";
const char* const offspringColumns =
    "SELECT o.prasnica_farma, o.datum_oprasenia, "
    "CONCAT(LEFT(o.usne_cislo, 5), '/', SUBSTRING(o.usne_cislo, 6)), o.kod_kategorie, "
    "l.chovatel_kraj, l.chovatel_okres, l.chovatel_zavod, l.chovatel_chov, l.linia_kanca, "
    "l.register_kanca, l.plemeno_VU, o.ustajnenie, o.kod_akcie, o.datum_akcie, o.datum_meraniaVU, "
    "o.meracia_skupina, o.datum_spracovaniaVU, o.pprir, o.pslan, o.phmc, o.datum_trhu, "
    "o.blup_celkPlemHodnota, o.blup_poradieCPH, o.blup_percentily FROM tpotpoh o "
    "JOIN tpotpev l USING (cislo_farmy, chovatel_chov, prasnica_farma, datum_oprasenia) ";
const char* const groupColumns =
    "SELECT rok_skupiny, stanica_VJH, cislo_skupiny, linia_kanca, register_kanca, plemeno_ku, "
    "datum_prijmu, pocet_potomkov, prir, vsz, cmc, slan, kyta, mld, datum_hodnotenia, "
    "napocitana_kancovi, chovatel_kraj, chovatel_okres, chovatel_zavod, chovatel_chov, "
    "prasnica_farma, cislo_farmy FROM tvjhpev ";
// An individual is tested in the group of its own litter.
const char* const individualColumns =
    "SELECT j.rok_skupiny, j.stanica_VJH, j.cislo_skupiny, g.linia_kanca, g.register_kanca, "
    "g.plemeno_ku, j.usne_cislo, j.kod_kategorie, j.hms, j.hkrk, j.hkotl, j.hplec, j.hsun, j.mld, "
    "j.jdt, j.slan1, j.slan2, j.slan3, j.datum_porazky FROM tvjhpoh j JOIN tvjhpev g ON "
    "(g.cislo_farmy, g.chovatel_chov, g.prasnica_farma, g.datum_oprasenia, g.rok_skupiny, "
    "g.stanica_VJH, g.cislo_skupiny) = (j.cislo_farmy, j.chovatel_chov, j.prasnica_farma, "
    "j.datum_oprasenia, j.rok_skupiny, j.stanica_VJH, j.cislo_skupiny) ";
const char* const fatteningColumns =
    "SELECT cislo_farmy, chovatel_chov, skupina, ustajnenie, kod_akcie, datum_akcie, "
    "datum_naskladnenia, pocet_kusov, hmotnost_naskladnenia, datum_vyskladnenia, "
    "hmotnost_vyskladnenia FROM tvykrm ";

HerdLists::Entry list(const QString& name) {
    const QList<HerdLists::Entry> found = HerdLists::find(name);
    return found.size() == 1 ? found.first() : HerdLists::Entry{};
}

// The rows of a list as "a|b|c" lines, its second choice given by its code.
QStringList listed(const HerdLists::Entry& e, const QString& code) {
    QString item;
    if (const auto& second = e.catalog->choices.at(e.choice).second)
        item = HerdList::itemOf(*second, HerdList::items(*second), code);
    QSqlQuery q = HerdList::run(*e.catalog, e.choice, farm, item);
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i)
            cells.append(q.value(i).isNull() ? QStringLiteral("NULL") : q.value(i).toString());
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

} // namespace

class TestHerdViews : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;

private slots:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>();
        DemoOptions o;
        o.sows = 40;
        o.years = 1;
        o.seed = 8;
        o.end = QDate(2026, 6, 1);
        HerdGenerator::generate(o);
        FarmChoice::choose(farm); // the farm's sections for the housing choices
        // A culled gilt, as the sow card culls her.
        const QString mated = Sql::value("SELECT MIN(prasnica_farma) FROM tpraspev g WHERE "
                                         "kod_kategorie = '3' AND EXISTS (SELECT 1 FROM tprasins i "
                                         "WHERE i.prasnica_farma = g.prasnica_farma)")
                                  .toString();
        QCOMPARE(
            SowCulling::cull(*FarmKeys::read(farm), "01", mated, QDate(2026, 5, 31), "04").text,
            SowCulling::done());
        // Breeding values that rank every animal apart.
        Sql::exec("UPDATE tpraspev SET blup_celkPlemHodnota = "
                  "MOD(CAST(prasnica_farma AS UNSIGNED) * 37, 211) / 2");
        Sql::exec("UPDATE tpotpoh SET blup_celkPlemHodnota = "
                  "MOD(CAST(CONCAT(prasnica_farma, usne_cislo) AS UNSIGNED) * 37, 100003) / 10");
        // A culled piglet, and one moved to another nursery section.
        Sql::exec(
            "UPDATE tpotpoh SET kod_vyrVU = '01' ORDER BY prasnica_farma, usne_cislo LIMIT 1");
        Sql::exec("UPDATE tpotpoh SET ustajnenie = 'S02', kod_akcie = '10' "
                  "ORDER BY prasnica_farma DESC, usne_cislo LIMIT 1");
        HerdFixture::load(QStringLiteral("progeny_fattening.sql"));
    }
    void cleanupTestCase() { m_db.reset(); }

    void everyList_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected"); // binds the farm for each "?"
        QTest::addColumn<bool>("ordered");
        auto row = [](const char* name, const char* code, const QString& sql, bool ordered) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromLatin1(code) << sql
                                << ordered;
        };
        const QString sows =
            QString::fromLatin1(sowColumns) + "WHERE cislo_farmy = ? AND kod_kategorie = '1' AND ";
        row("Prasnice: Aktívne prasnice v plemenitbe", "", sows + "kod_vyrKU = '00'", false);
        row("Prasnice: Aktívne v KÚ", "", sows + "kod_vyrKU = '00' AND prasnica_vKU = '1'", false);
        row("Prasnice: Vyradené z KÚ", "", sows + "kod_vyrKU <> '00'", false);
        row("Prasnice: Podľa genovej skladby chovu", "2",
            sows + "kod_vyrKU = '00' AND kod_genofond = '2'", false);
        row("Prasnice: Podľa ustajnenia", "J01", sows + "kod_vyrKU = '00' AND ustajnenie = 'J01'",
            false);
        row("Prasnice: Podľa poslednej akcie", "05", sows + "kod_vyrKU = '00' AND kod_akcie = '05'",
            false);
        row("Prasnice: Aktívne podľa plemena/ CPH", "12000000",
            sows + "kod_vyrKU = '00' AND plemeno_ku = '12000000' "
                   "ORDER BY blup_celkPlemHodnota DESC",
            true);

        // A gilt is mated when she has a mating of her own farm and herd.
        const QString gilts =
            QString::fromLatin1(giltColumns) + "WHERE cislo_farmy = ? AND kod_kategorie = '3' AND ";
        const QString matings =
            "(SELECT prasnica_farma FROM tprasins i WHERE "
            "i.cislo_farmy = g.cislo_farmy AND i.chovatel_chov = g.chovatel_chov)";
        row("Prasničky: Aktívne prasničky v plemenitbe", "", gilts + "kod_vyrKU = '00'", false);
        row("Prasničky: Aktívne v KÚ", "", gilts + "kod_vyrKU = '00' AND prasnica_vKU = '1'",
            false);
        row("Prasničky: Vyradené z KÚ", "", gilts + "kod_vyrKU <> '00'", false);
        row("Prasničky: Nepripustené", "",
            gilts + "kod_vyrKU = '00' AND prasnica_farma NOT IN " + matings, false);
        row("Prasničky: Neoprasené", "",
            gilts + "kod_vyrKU = '00' AND prasnica_farma IN " + matings, false);
        row("Prasničky: Podľa ustajnenia", "K01", gilts + "kod_vyrKU = '00' AND ustajnenie = 'K01'",
            false);
        row("Prasničky: Podľa poslednej akcie", "05",
            gilts + "kod_vyrKU = '00' AND kod_akcie = '05'", false);
        row("Prasničky: Aktívne podľa plemena/ CPH", "12000000",
            gilts + "kod_vyrKU = '00' AND plemeno_ku = '12000000' "
                    "ORDER BY blup_celkPlemHodnota DESC",
            true);

        const QString offspring = QString::fromLatin1(offspringColumns) +
                                  "WHERE o.cislo_farmy = ? AND o.kod_vyrVU = '00' AND ";
        const QString byLitter = " ORDER BY o.prasnica_farma, o.datum_oprasenia, o.usne_cislo";
        row("Plem. potomstvo: Kančeky na farme", "", offspring + "o.kod_kategorie = '6'" + byLitter,
            true);
        row("Plem. potomstvo: Prasničky na farme", "",
            offspring + "o.kod_kategorie = '3'" + byLitter, true);
        row("Plem. potomstvo: Podľa ustajnenia", "S01",
            offspring + "o.ustajnenie = 'S01'" + byLitter, true);
        row("Plem. potomstvo: Podľa poslednej akcie", "10",
            offspring + "o.kod_akcie = '10'" + byLitter, true);
        row("Plem. potomstvo: Kančeky podľa plemena/ CPH", "12440000",
            offspring + "o.kod_kategorie = '6' AND l.plemeno_VU = '12440000' "
                        "ORDER BY o.blup_celkPlemHodnota DESC",
            true);
        row("Plem. potomstvo: Prasničky podľa plemena/ CPH", "12330000",
            offspring + "o.kod_kategorie = '3' AND l.plemeno_VU = '12330000' "
                        "ORDER BY o.blup_celkPlemHodnota DESC",
            true);

        // A boar's groups and individuals on every farm.
        const QString boar = "linia_kanca = '1101' AND register_kanca = '00045' AND "
                             "plemeno_ku = '12000000'";
        row("SVJH potomstvo: Skupiny VJH na farme", "",
            QString::fromLatin1(groupColumns) + "WHERE cislo_farmy = ?", false);
        row("SVJH potomstvo: Skupiny VJH za kanca/ hybridizácia", "1101-00045-12000000",
            QString::fromLatin1(groupColumns) + "WHERE " + boar, false);
        row("SVJH potomstvo: Jedince VJH za kanca/ hybridizácia", "1101-00045-12000000",
            QString::fromLatin1(individualColumns) + "WHERE g." +
                QString(boar).replace(" AND ", " AND g."),
            false);

        const QString pigs = QString::fromLatin1(fatteningColumns) + "WHERE cislo_farmy = ?";
        row("Výkrm: Výkrmové ošípané na farme", "", pigs, false);
        row("Výkrm: Podľa ustajnenia", "V01", pigs + " AND ustajnenie = 'V01'", false);
        row("Výkrm: Podľa poslednej akcie", "99", pigs + " AND kod_akcie = '99'", false);
    }
    void everyList() {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, expected);
        QFETCH(bool, ordered);
        const HerdLists::Entry e = list(name);
        QVERIFY2(e.catalog, qPrintable(name));
        QStringList got = listed(e, code);
        QStringList want = lines(expected, QVariantList(expected.count('?'), farm));
        QVERIFY2(!want.isEmpty(), "the farm holds rows for every list");
        if (!ordered) {
            got.sort();
            want.sort();
        }
        QCOMPARE(got.size(), want.size());
        QCOMPARE(got, want);
    }

    // The design asked whether the number stood in any farm's matings: a
    // gilt mated on another farm under the same number was never listed.
    void giltMatedOnAnotherFarmIsNotMated() {
        const QString gilt = Sql::value("SELECT MIN(prasnica_farma) FROM tpraspev g WHERE "
                                        "kod_kategorie = '3' AND kod_vyrKU = '00' AND NOT EXISTS "
                                        "(SELECT 1 FROM tprasins i WHERE i.prasnica_farma = "
                                        "g.prasnica_farma)")
                                 .toString();
        QVERIFY(!gilt.isEmpty());
        Sql::exec("INSERT INTO tprasins (cislo_farmy, chovatel_chov, prasnica_farma, "
                  "datum_pripustenia, poradie_pripustenia, linia_kanca, register_kanca) "
                  "VALUES ('900002', '01', ?, '2026-05-20', 1, '1101', '10001')",
                  {gilt});
        auto numbers = [](const char* name) {
            QStringList found;
            for (const QString& row : listed(list(QString::fromUtf8(name)), {}))
                found.append(row.section(QLatin1Char('|'), 1, 1));
            return found;
        };
        QVERIFY(numbers("Prasničky: Nepripustené").contains(gilt));
        QVERIFY(!numbers("Prasničky: Neoprasené").contains(gilt));
        Sql::exec("DELETE FROM tprasins WHERE cislo_farmy = '900002'");
    }

    // The design joined the individuals to their group by its key alone: two
    // sows' litters in one group repeated each individual and credited the
    // other sire's offspring to the chosen boar.
    void individualsBelongToTheirOwnSire_data() {
        QTest::addColumn<QString>("boar");
        QTest::addColumn<QStringList>("individuals");
        QTest::newRow("1101-00045, two farms")
            << "1101-00045-12000000" << QStringList{"0000301", "0000302", "0000305"};
        QTest::newRow("2201-00007, the same group")
            << "2201 00007 12000000" << QStringList{"0000701", "0000702"};
        QTest::newRow("1101-00045, other breed") << "1101-00045-12330000" << QStringList{"0001101"};
    }
    void individualsBelongToTheirOwnSire() {
        QFETCH(QString, boar);
        QFETCH(QStringList, individuals);
        QStringList got;
        for (const QString& row :
             listed(list(QString::fromUtf8("Jedince VJH za kanca/ hybridizácia")), boar))
            got.append(row.section(QLatin1Char('|'), 6, 6));
        got.sort();
        QCOMPARE(got, individuals);
    }

    void secondChoiceItems() {
        auto items = [](const char* name) {
            const HerdLists::Entry e = list(QString::fromUtf8(name));
            return HerdList::items(*e.catalog->choices.at(e.choice).second);
        };
        // Actions below '09' for sows and gilts, below '99' for offspring, all for fattening.
        QCOMPARE(items("Prasničky: Podľa poslednej akcie").last(), QStringLiteral("08 Odstav"));
        QCOMPARE(items("Plem. potomstvo: Podľa poslednej akcie").last(),
                 QStringLiteral("70 Presun do iného chovu"));
        QCOMPARE(items("Výkrm: Podľa poslednej akcie").last(), QStringLiteral("99 Iná udalosť"));
        // Each tested boar and breed once, although tested twice.
        QCOMPARE(items("SVJH potomstvo: Skupiny VJH za kanca/ hybridizácia"),
                 QStringList({"1101-00045    12000000", "1101-00045    12330000",
                              "2201-00007    12000000"}));
        const HerdLists::Entry groups =
            list(QString::fromUtf8("Skupiny VJH za kanca/ hybridizácia"));
        const SecondaryChoice& boars = *groups.catalog->choices.at(groups.choice).second;
        QCOMPARE(HerdList::codesOf(boars, QStringLiteral("2201-00007    12000000")),
                 QStringList({"2201", "00007", "12000000"}));
        QCOMPARE(HerdList::itemOf(boars, items("Skupiny VJH za kanca/ hybridizácia"), "2201-7"),
                 QString());
    }

    void namesOfTheLists() {
        // Every list has one name that finds only it.
        for (const HerdListCatalog* catalog : HerdLists::all())
            for (int i = 0; i < catalog->choices.size(); ++i) {
                const QList<HerdLists::Entry> found =
                    HerdLists::find(HerdLists::nameOf(*catalog, i).toUpper());
                QCOMPARE(found.size(), 1);
                QCOMPARE(found[0].catalog, catalog);
                QCOMPARE(found[0].choice, i);
            }
        // A title alone finds its list when no other group has it.
        QCOMPARE(HerdLists::find(QStringLiteral("  nepripustené ")).size(), 1);
        QCOMPARE(HerdLists::find(QStringLiteral("Podľa ustajnenia")).size(), 4);
        QVERIFY(HerdLists::find(QStringLiteral("Prasnice: Nepripustené")).isEmpty());
    }

    void offspringCardOfASelectedPiglet() {
        // The piglet as the tree names it, with its litter and the dam's
        // fertile mating (the last one before the farrowing).
        const QStringList piglet =
            lines("SELECT a.jedinec, o.prasnica_farma, o.datum_oprasenia, o.kod_kategorie, "
                  "l.plemeno_VU, (SELECT CONCAT(i.linia_kanca, ' ', i.register_kanca) FROM "
                  "tprasins i WHERE i.cislo_farmy = o.cislo_farmy AND i.chovatel_chov = "
                  "o.chovatel_chov AND i.prasnica_farma = o.prasnica_farma AND "
                  "i.datum_pripustenia < o.datum_oprasenia ORDER BY i.datum_pripustenia DESC "
                  "LIMIT 1) FROM tpotpoh o JOIN tpotpev l USING (cislo_farmy, chovatel_chov, "
                  "prasnica_farma, datum_oprasenia) JOIN tanimal a ON a.cislo_farmy = "
                  "o.cislo_farmy AND a.chovatel_chov = o.chovatel_chov AND a.usne_cislo = "
                  "o.usne_cislo AND a.prasnica_farma = o.prasnica_farma WHERE o.kod_kategorie = "
                  "'6' ORDER BY o.prasnica_farma LIMIT 1")
                .value(0)
                .split('|');
        QCOMPARE(piglet.size(), 6);
        const QString treeName = piglet[0];
        const PigletKey key{farm, QStringLiteral("01"), PigletKey::keyOf(treeName)};
        QCOMPARE(PigletKey::herdsOf(farm, key.key), QStringList{"01"});

        QSqlQuery card = OffspringCard::card(key);
        QVERIFY(card.first());
        QCOMPARE(card.value("prasnica_farma").toString(), piglet[1]);
        QCOMPARE(card.value("datum_oprasenia").toDate().toString(Qt::ISODate), piglet[2]);
        QCOMPARE(card.value("linia_kanca").toString() + ' ' +
                     card.value("register_kanca").toString(),
                 piglet[5]);
        QCOMPARE(card.value("nazov_kategorie").toString(), QStringLiteral("Kanček"));
        QCOMPARE(card.value("usne_cislo").toString(),
                 QStringLiteral("04 03 101 01  %1 / %2").arg(piglet[1], key.key));
        QVERIFY(!card.next());

        QSqlQuery status = OffspringCard::status(key);
        QVERIFY(status.first());
        QCOMPARE(status.value("nazov_akcie").toString(), QStringLiteral("Selekcia potomstva"));
        QCOMPARE(status.value("nazov_ustajnenia").toString(), QStringLiteral("Škôlka"));

        // The tree row names no parents: the litter's dam and sire stand in.
        QSqlQuery pedigree = OffspringCard::pedigree(key);
        QVERIFY(pedigree.first());
        QCOMPARE(pedigree.value("jedinec").toString(), treeName.trimmed());
        QCOMPARE(pedigree.value("rmatka").toString(), "04 03 101 01  " + piglet[1]);
        QCOMPARE(pedigree.value("rotec").toString(), piglet[5]);

        // The litter's breed is named by its own code system: the card joined
        // it to the register's breed codes, which name another breed here.
        Sql::exec("UPDATE czplem SET Plemeno_VU = '77000000' WHERE Plemeno_KU = ?", {piglet[4]});
        Sql::exec("INSERT INTO czplem (Plemeno_KU, Plemeno_VU, Nazov_plemena) "
                  "VALUES ('77990000', ?, 'Hybrid VÚ')",
                  {piglet[4]});
        QVERIFY(card.exec() && card.first());
        QCOMPARE(card.value("nazov_plemena").toString(), QStringLiteral("Hybrid VÚ"));
        Sql::exec("DELETE FROM czplem WHERE Plemeno_KU = '77990000'");
        Sql::exec("UPDATE czplem SET Plemeno_VU = Plemeno_KU WHERE Plemeno_KU = ?", {piglet[4]});

        // The same key in another herd of the farm is another animal.
        QVERIFY(!OffspringCard::card({farm, QStringLiteral("02"), key.key}).first());
        QVERIFY(!OffspringCard::status({farm, QStringLiteral("01"), QStringLiteral("9999999")})
                     .first());
        QCOMPARE(OffspringCard::notFound(QStringLiteral("Status")).text,
                 QStringLiteral("Nie je evidovaný uvedený jedinec !"));
    }

    // Every column of a list's printout is a field of the list: a layout's
    // column without its field would be left out of the print silently.
    void printoutsPrintTheListsFields() {
        QTemporaryDir dir;
        for (const HerdListCatalog* catalog : HerdLists::all()) {
            for (int s = 0; s < catalog->sources.size(); ++s) {
                const ListSource& source = catalog->sources[s];
                ReportEngine engine(ReportEngine::herdProject());
                const ReportDefinition& layout = engine.report(source.report);
                QVERIFY2(!layout.columns.isEmpty(), qPrintable(source.report));
                for (const ReportColumn& column : layout.columns) {
                    bool known = false;
                    for (const ListColumn& c : source.columns)
                        known = known || c.field.compare(column.field, Qt::CaseInsensitive) == 0;
                    QVERIFY2(known, qPrintable(source.report + ": " + column.field));
                }
                int choice = 0;
                while (catalog->choices[choice].source != s)
                    ++choice;
                const auto& second = catalog->choices[choice].second;
                QSqlQuery rows = HerdList::run(
                    *catalog, choice, farm, second ? HerdList::items(*second).value(0) : QString());
                engine.setParameter(QStringLiteral("Farma"), farm);
                const QString pdf = dir.filePath(source.report + ".pdf");
                QVERIFY(engine.printToPdf(source.report, ReportData::fromQuery(rows), pdf) >= 1);
                const QString text = pdfPages(pdf).join('\f');
                QVERIFY2(text.contains(layout.title), qPrintable(source.report));
                QVERIFY2(text.contains(QStringLiteral("Počet záznamov: %1").arg(rows.size())),
                         qPrintable(text));
            }
        }
    }
};

QTEST_MAIN(TestHerdViews)
#include "test_herd_views.moc"
