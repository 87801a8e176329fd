#include "batch/DayPrintout.h"

#include "common/DateText.h"
#include "db/Sql.h"
#include "reports/ReportEngine.h"

#include <QSqlQuery>

namespace herd {

ReportData DayPrintout::read(const QString& farm, const QDate& day) const {
    QSqlQuery q = Sql::exec(
        QStringLiteral(
            "SELECT %1 FROM %2 WHERE cislo_farmy = ? AND datum_vytvorenia = ? ORDER BY %2_ID")
            .arg(columns.join(QLatin1Char(',')), QString::fromLatin1(table)),
        {farm, day});
    return ReportData::fromQuery(q);
}

void DayPrintout::setParameters(ReportEngine& engine, const QString& farm, const QDate& day) const {
    engine.setParameter(QStringLiteral("Farma"), QStringLiteral("Farma ") + farm);
    engine.setParameter(QStringLiteral("DatumAktualizacie"), DateText::dotted(day));
}

} // namespace herd
