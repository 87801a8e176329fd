// The herd generator: a small herd entered through the program's own
// batches, with the invariants a zootechnician's records keep.
#include "QueryText.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "demo/HerdGenerator.h"

#include <QTest>

using namespace herd;
using QueryText::lines;

namespace {

DemoOptions small() {
    DemoOptions o;
    o.farms = 1;
    o.sows = 8;
    o.years = 1;
    o.seed = 7;
    o.end = QDate(2026, 6, 1);
    return o;
}

int count(const char* sql) {
    return Sql::value(QString::fromLatin1(sql)).toInt();
}

// The herd's records as text, for comparing two generated herds.
QStringList records() {
    return lines(QStringLiteral("SELECT prasnica_farma, datum_pripustenia, linia_kanca, "
                                "register_kanca, pocer_REins FROM tprasins ORDER BY 1, 2")) +
           lines(QStringLiteral("SELECT prasnica_farma, datum_vyradenia, kod_vyrKU FROM tpraspev "
                                "ORDER BY 1")) +
           lines(QStringLiteral("SELECT prasnica_farma, kod_akcie, cveterukony_ID, datum_akcie "
                                "FROM tprashist WHERE kod_akcie <> '02' ORDER BY 1, 4, 2, 3"));
}

} // namespace

class TestHerdGenerator : public QObject {
    Q_OBJECT

private slots:
    void smallHerdKeepsItsInvariants() {
        TestDatabase db;
        int lastStep = -1, total = -1;
        bool ended = false;
        const DemoSummary s = HerdGenerator::generate(small(), [&](int t, int step) {
            if (t == 0 && step == 0) {
                ended = true;
                return;
            }
            QVERIFY(step >= lastStep);
            lastStep = step;
            total = t;
        });
        QCOMPARE(s.farms, QStringList{QStringLiteral("900001")});
        QCOMPARE(lastStep, total);
        QVERIFY(ended);
        QVERIFY(s.enrolled >= 8);
        QVERIFY(s.culled > 0 || s.enrolled == 8);
        QVERIFY(count("SELECT COUNT(*) FROM tprasins") > 8);
        QCOMPARE(count("SELECT COUNT(*) FROM davka_zar") + count("SELECT COUNT(*) FROM davka_ins") +
                     count("SELECT COUNT(*) FROM davka_vrh"),
                 0);
        // The farm keeps its size: culled sows were replaced by gilts.
        QCOMPARE(count("SELECT COUNT(*) FROM tpraspev WHERE datum_vyradenia IS NULL"), 8);

        // Documents for every event of a sow in performance control, none for the others.
        QCOMPARE(count("SELECT COUNT(*) FROM tpraspev p WHERE p.prasnica_vKU = '1' AND NOT "
                       "EXISTS (SELECT 1 FROM dos1 d WHERE d.rmcislo = p.prasnica_krcislo "
                       "AND d.DI = '13')"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM tprasins i JOIN tpraspev p USING (cislo_farmy, "
                       "chovatel_chov, prasnica_farma) WHERE p.prasnica_vKU = '1' AND NOT EXISTS "
                       "(SELECT 1 FROM dos3 d WHERE d.prasnica_farma = i.prasnica_farma AND "
                       "d.datumPrip_Rok = DATE_FORMAT(i.datum_pripustenia, '%y') AND "
                       "d.datumPrip_mes = DATE_FORMAT(i.datum_pripustenia, '%m') AND "
                       "d.datumPrip_den = DATE_FORMAT(i.datum_pripustenia, '%d'))"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM tpraspev p WHERE p.prasnica_vKU = '1' AND "
                       "p.datum_vyradenia IS NOT NULL AND NOT EXISTS (SELECT 1 FROM dos1 d "
                       "WHERE d.rmcislo = p.prasnica_krcislo AND d.DI = '14' AND "
                       "d.datzv = DATE_FORMAT(p.datum_vyradenia, '%d%m%y') AND "
                       "d.dovvyr = p.kod_vyrKU)"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM dos3 d JOIN tpraspev p ON "
                       "p.prasnica_farma = d.prasnica_farma WHERE p.prasnica_vKU <> '1'"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM dos1 d JOIN tpraspev p ON "
                       "p.prasnica_krcislo = d.rmcislo WHERE p.prasnica_vKU <> '1'"),
                 0);
        // A culled sow has no mating after her culling, nor veterinary action.
        QCOMPARE(count("SELECT COUNT(*) FROM tprasins i JOIN tpraspev p USING (cislo_farmy, "
                       "chovatel_chov, prasnica_farma) WHERE i.datum_pripustenia > "
                       "p.datum_vyradenia"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM tprashist h JOIN tpraspev p USING (cislo_farmy, "
                       "chovatel_chov, prasnica_farma) WHERE h.kod_akcie = '14' AND "
                       "h.datum_akcie > p.datum_vyradenia"),
                 0);
        // Matings within a cycle are numbered 1, 2, … and no two are within 5 days.
        QCOMPARE(count("SELECT COUNT(*) FROM tprasins a JOIN tprasins b USING (cislo_farmy, "
                       "chovatel_chov, prasnica_farma) WHERE b.datum_pripustenia > "
                       "a.datum_pripustenia AND DATEDIFF(b.datum_pripustenia, "
                       "a.datum_pripustenia) <= 5"),
                 0);
        QVERIFY(count("SELECT COUNT(*) FROM tprasins WHERE pocer_REins > 0") > 0);

        // Litters: each has its fertile mating (the last one before it) 108 to
        // 120 days before, a sow's litters are numbered 1, 2, … in date order,
        // and a sow in performance control has a farrowing document for each
        // and a weaning document for each weaned one.
        QCOMPARE(s.litters, count("SELECT COUNT(*) FROM tprasopr"));
        QVERIFY(s.litters > 0);
        QCOMPARE(count("SELECT COUNT(*) FROM tprasopr o WHERE COALESCE((SELECT "
                       "DATEDIFF(o.datum_oprasenia, MAX(i.datum_pripustenia)) FROM tprasins i "
                       "WHERE i.cislo_farmy = o.cislo_farmy AND i.chovatel_chov = o.chovatel_chov "
                       "AND i.prasnica_farma = o.prasnica_farma AND i.datum_pripustenia < "
                       "o.datum_oprasenia), 0) NOT BETWEEN 108 AND 120"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM tprasopr o WHERE o.poradie_vrhu <> (SELECT "
                       "COUNT(*) FROM tprasopr p WHERE p.cislo_farmy = o.cislo_farmy AND "
                       "p.chovatel_chov = o.chovatel_chov AND p.prasnica_farma = o.prasnica_farma "
                       "AND p.datum_oprasenia <= o.datum_oprasenia)"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM tprasopr o JOIN tpraspev p USING (cislo_farmy, "
                       "chovatel_chov, prasnica_farma) WHERE p.prasnica_vKU = '1' AND NOT EXISTS "
                       "(SELECT 1 FROM dos22 d WHERE d.prasn = o.prasnica_farma AND d.datopr = "
                       "DATE_FORMAT(o.datum_oprasenia, '%d%m'))"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM tprasopr o JOIN tpraspev p USING (cislo_farmy, "
                       "chovatel_chov, prasnica_farma) WHERE p.prasnica_vKU = '1' AND "
                       "o.datum_odstavu IS NOT NULL AND NOT EXISTS (SELECT 1 FROM dos23 d WHERE "
                       "d.pras23 = o.prasnica_farma AND d.odstav = "
                       "DATE_FORMAT(o.datum_odstavu, '%d%m'))"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM dos22 d JOIN tpraspev p ON p.prasnica_farma = "
                       "d.prasn WHERE p.prasnica_vKU <> '1'"),
                 0);
        // A sow with a litter is a sow; weaning follows farrowing by 26 to 30 days.
        QCOMPARE(count("SELECT COUNT(*) FROM tprasopr o JOIN tpraspev p USING (cislo_farmy, "
                       "chovatel_chov, prasnica_farma) WHERE p.kod_kategorie <> '1'"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM tprasopr WHERE datum_odstavu IS NOT NULL AND "
                       "DATEDIFF(datum_odstavu, datum_oprasenia) NOT BETWEEN 26 AND 30"),
                 0);

        // Offspring: each selected litter is an offspring litter with its
        // piglets in tpotpoh and the trees, and at least one dpotoms row.
        QVERIFY(s.selections > 0);
        QCOMPARE(count("SELECT COUNT(*) FROM tpotpev"), s.selections);
        QVERIFY(count("SELECT COUNT(*) FROM tpotpoh") >= s.selections);
        QCOMPARE(count("SELECT COUNT(*) FROM tanimal WHERE usne_cislo IS NOT NULL"),
                 count("SELECT COUNT(*) FROM tpotpoh"));
        QCOMPARE(count("SELECT COUNT(*) FROM tpotpev v WHERE NOT EXISTS (SELECT 1 FROM dpotoms d "
                       "WHERE d.prasnica = v.prasnica_farma AND d.dnar = "
                       "DATE_FORMAT(v.datum_oprasenia, '%d%m'))"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM davka_pot"), 0);
        QVERIFY(count("SELECT COUNT(*) FROM tprashist WHERE kod_akcie = '14'") > 0);
    }

    void sameSeedSameHerd() {
        QStringList first;
        {
            TestDatabase db;
            HerdGenerator::generate(small());
            first = records();
        }
        TestDatabase db;
        HerdGenerator::generate(small());
        QCOMPARE(records(), first);
        DemoOptions other = small();
        other.seed = 8;
        other.farms = 1;
        HerdGenerator::generate(other);
        // A second run adds a farm of its own beside the first.
        QCOMPARE(count("SELECT COUNT(*) FROM tfarmy"), 2);
        QVERIFY(count("SELECT COUNT(DISTINCT cislo_farmy) FROM tprasins") == 2);
    }

    void refusesToEmptyAUsersBatch() {
        TestDatabase db;
        Sql::exec(QStringLiteral("INSERT INTO davka_ins (Prasnica_farma) VALUES ('00001')"));
        QVERIFY_THROWS_EXCEPTION(SqlError, HerdGenerator::generate(small()));
        QCOMPARE(count("SELECT COUNT(*) FROM davka_ins"), 1);
        QCOMPARE(count("SELECT COUNT(*) FROM tfarmy"), 0);
    }
};

QTEST_GUILESS_MAIN(TestHerdGenerator)
#include "test_herd_generator.moc"
