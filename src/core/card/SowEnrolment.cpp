#include "card/SowEnrolment.h"

#include "common/DateText.h"
#include "db/Sql.h"
#include "farms/AnimalRow.h"
#include "register/BasicDataDocument.h"

namespace herd::SowEnrolment {

namespace {
QVariant nullable(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant(QMetaType(QMetaType::QDate));
}
} // namespace

QDate birthDate(const BatchRow& row) {
    const QDate date = row.date(QStringLiteral("Datum_narodenia"));
    return date.isValid() && date > DateText::emptyDate() ? date : QDate();
}

void insertSowMaster(const BatchRow& r, const FarmKeys& farm) {
    auto t = [&](const char* column) { return r.text(QString::fromLatin1(column)); };
    Sql::exec(
        QStringLiteral(
            "INSERT INTO tpraspev (cislo_farmy, chovatel_chov, prasnica_farma, "
            "prasnica_krcislo, chovatel_kraj, chovatel_okres, chovatel_zavod, kod_kategorie, "
            "farma_povodu, ustajnenie, datum_presunu, datum_potvrdenia_presunu, kod_akcie, "
            "datum_akcie, plemeno_ku, datum_narodenia, linia_otca, register_otca, "
            "linia_otcaMatky, register_otcaMatky, povod_kraj, povod_okres, povod_zavod, "
            "povod_chov, povod_matka, povod_uscislo, kod_krajiny_num, kod_genofond, "
            "prasnica_vKU, datum_zaradenia, datum_vyradenia, kod_vyrKU, datum_1ruje, cecky, "
            "priem_medzidobie, krmne_dni, blup_slaninaVU, blup_prirastokVU, "
            "blup_pocetZI_1vrhy, blup_pocetZI_2vrhy, blup_prirastokSVJH, blup_cmcSVJH, "
            "blup_slaninaSVJH, blup_celkPlemHodnota, blup_poradieCPH, blup_percentily, pslan, "
            "pprir, phmc, ciskat, dattrhu, datzap) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, CURDATE(), CURDATE(), '02', CURDATE(), "
            "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, CURDATE(), NULL, '00', NULL, ?, "
            "0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, '00', 0, 0, 0, '000', NULL, NULL)"),
        {farm.farm,         t("Chovatel_Chov"), t("Prasnica_farma"),  t("Prasnica_KrCislo"),
         farm.codes.kraj,   farm.codes.okres,   farm.codes.zavod,     t("Kod_kategorie"),
         t("Farma_povodu"), t("Ustajnenie"),    t("Plemeno_KU"),      nullable(birthDate(r)),
         t("Linia_otca"),   t("Register_otca"), t("Linia_otcaMatky"), t("Register_otcaMatky"),
         t("Povod_kraj"),   t("Povod_okres"),   t("Povod_zavod"),     t("Povod_chov"),
         t("Povod_matka"),  t("Povod_uscislo"), t("Kod_krajiny_NUM"), t("Kod_genofond"),
         t("Prasnica_vKU"), t("Cecky")});
}

void insertAnimalRow(const BatchRow& r, const FarmKeys& farm) {
    const QString category = r.text(QStringLiteral("Kod_kategorie"));
    // Sows go to the sow group of the category tree, every other category to the gilts.
    const QString group =
        category == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("3");
    // The sow's herd and farm number keep her row unique within the farm and
    // herd (register numbers repeat across herds).
    Sql::exec(
        QStringLiteral("INSERT INTO tanimal (") + AnimalRow::columns() +
            QStringLiteral(
                ") VALUES (?, ?, '2', ?, ?, '5', '0', '0', '0000', '00000', '00', '00', '000', ?, "
                "?, "
                "NULL, NULL, ?, CURDATE(), CURDATE(), '02', CURDATE(), NULL, NULL, NULL, NULL, "
                "NULL, NULL, NULL)"),
        {farm.farm, r.text(QStringLiteral("Prasnica_KrCislo")), group, category,
         r.text(QStringLiteral("Chovatel_Chov")), r.text(QStringLiteral("Prasnica_farma")),
         r.text(QStringLiteral("Ustajnenie"))});
}

void insertSowHistory(const BatchRow& r, const FarmKeys& farm) {
    Sql::exec(QStringLiteral("INSERT INTO tprashist (cislo_farmy, chovatel_chov, prasnica_farma, "
                             "prasnica_krcislo, chovatel_kraj, chovatel_okres, chovatel_zavod, "
                             "kod_akcie, cveterukony_ID, datum_akcie, farma_pohybu) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, '02', 0, CURDATE(), NULL)"),
              {farm.farm, r.text(QStringLiteral("Chovatel_Chov")),
               r.text(QStringLiteral("Prasnica_farma")), r.text(QStringLiteral("Prasnica_KrCislo")),
               farm.codes.kraj, farm.codes.okres, farm.codes.zavod});
}

void insertEnrolmentDocument(const BatchRow& r, const FarmKeys& farm) {
    auto t = [&](const char* column) { return r.text(QString::fromLatin1(column)); };
    BasicData d;
    d.farm = farm.farm;
    d.keeper = farm.codes;
    d.chov = t("Chovatel_Chov");
    d.registerNumber = t("Prasnica_KrCislo");
    d.sireLine = t("Linia_otca");
    d.sireRegister = t("Register_otca");
    d.damFarm = {t("Povod_kraj"), t("Povod_okres"), t("Povod_zavod")};
    d.damChov = t("Povod_chov");
    d.damNumber = t("Povod_matka");
    d.earNumber = t("Povod_uscislo");
    d.birth = birthDate(r);
    d.breed = t("Plemeno_KU");
    d.country = t("Kod_krajiny_NUM");
    d.teats = t("Cecky");
    d.genePool = t("Kod_genofond");
    BasicDataDocument::writeEnrolment(d);
}

} // namespace herd::SowEnrolment
