#include "bonitation/SowCatalogueExport.h"

#include "bonitation/SowTally.h"
#include "db/Sql.h"
#include "spreadsheet/GridExport.h"

#include <QSqlQuery>

namespace herd {

ReportData SowCatalogueExport::rows() {
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT CONCAT(t.Chovatel_kraj,' ',t.Chovatel_okres,' ',t.Chovatel_zavod,' ',"
        "t.Chovatel_chov,'  ',t.Prasnica_KrCislo) AS prasnica, t.Plemeno_KU, t.Datum_narodenia, "
        "t.Kod_genofond, t.cecky, CONCAT(t.Linia_otca,' ',t.Register_otca) AS otec, "
        "CONCAT(t.Povod_Kraj,' ',t.Povod_Okres,' ',t.Povod_Zavod,' ',t.Povod_Chov,' ',"
        "t.Povod_Matka) AS matka, CONCAT(t.linia_otcaMatky,' ',t.register_otcaMatky) AS "
        "otec_matky, "
        "t.PoslPrip AS uPoslPrip, t.PoslOpr AS uPoslOpr, t.pslan AS slanVU, t.pprir AS prirVU, "
        "t.pHMC AS HMC, t.CPH AS cph, t.VJHprir, t.VJHvsz AS vszVJH, t.VJHmld AS mldVJH, "
        "t.VJHslan AS slanVJH, t.VJHcmc AS cmcVJH, t.pocVrh, t.VS, t.pvs, t.ZI, t.pzi, "
        "t.pocvrh11, t.ziv1, t.pzi1, t.pocvrh22, t.ziv2, t.pzi2, t.pocDO, t.Doch, t.pdo, "
        "t.pocVah, t.Vaha AS vaha, t.pva, t.pocMedz AS pocmedz, t.Medzid AS medzid, "
        "NULL AS pmedz, t.Vek AS vek FROM fbonit AS t "
        "ORDER BY t.plemeno_ku, t.kod_genofond, t.linia_otca, t.vek DESC, t.prasnica_krcislo"));
    ReportData data = ReportData::fromQuery(q);
    // The average farrowing interval with one decimal, from the sum and the
    // count (rounding the stored three decimals again could round twice).
    const int count = data.fieldIndex(QStringLiteral("pocmedz"));
    const int days = data.fieldIndex(QStringLiteral("medzid"));
    const int interval = data.fieldIndex(QStringLiteral("pmedz"));
    data.fields[interval].type = QMetaType(QMetaType::Double);
    data.fields[interval].decimals = 1;
    for (QVariantList& row : data.rows) {
        const std::optional<double> v =
            SowAverages::intervalOf(row[days].toDouble(), row[count].toDouble(), 1);
        row[interval] = v ? QVariant(*v) : QVariant();
    }
    return data;
}

Workbook SowCatalogueExport::workbook() {
    return workbook(rows());
}

Workbook SowCatalogueExport::workbook(const ReportData& rows) {
    Workbook book = GridExport::workbook(rows, sheetName());
    Worksheet& sheet = book.sheet(0);
    sheet.setBold(QStringLiteral("A1:AN1"));
    sheet.setFontColor(QStringLiteral("A1:AN1"), Workbook::fromWholeNumber(255));
    return book;
}

} // namespace herd
