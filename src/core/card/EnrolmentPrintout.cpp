#include "card/EnrolmentPrintout.h"

namespace herd {

namespace {

// The event date of a sow's basic-data document is read after its kind (DI):
// an enrolment's day, a culling's day, or none (a correction, a boar's
// transfer, a cancelled culling). The document's kind is named in words.
void readEvents(ReportData& data) {
    DayPrintout::readDates(data, {QStringLiteral("datnar")});
    const int event = data.fieldIndex(QStringLiteral("datzv"));
    const int kind = data.fieldIndex(QStringLiteral("DI"));
    if (event < 0 || kind < 0)
        return;
    const QStringList rawEvents = [&] {
        QStringList texts;
        for (const QVariantList& row : data.rows)
            texts.append(row[event].toString().trimmed());
        return texts;
    }();
    DayPrintout::readDates(data, {QStringLiteral("datzv")});
    const QMetaType date = QMetaType::fromType<QDate>();
    data.fields.append(
        {QStringLiteral("doklad"), QStringLiteral("doklad"), QMetaType::fromType<QString>()});
    data.fields.append({QStringLiteral("zaradena"), QStringLiteral("zaradena"), date});
    data.fields.append({QStringLiteral("vyradena"), QStringLiteral("vyradena"), date});
    for (qsizetype r = 0; r < data.rows.size(); ++r) {
        QVariantList& row = data.rows[r];
        const QString di = row[kind].toString().trimmed();
        const QVariant day = row[event];
        QString words;
        QVariant enrolled(date), culled(date);
        if (di == QLatin1String("13")) {
            words = QStringLiteral("zaradenie");
            enrolled = day;
        } else if (di == QLatin1String("14") && rawEvents[r] == QLatin1String("999999")) {
            words = QStringLiteral("zrušenie vyradenia");
        } else if (di == QLatin1String("14")) {
            words = QStringLiteral("vyradenie");
            culled = day;
        } else if (di == QLatin1String("11")) {
            words = QStringLiteral("zmena údajov");
        }
        row << words << enrolled << culled;
    }
}

} // namespace

DayPrintout enrolmentPrintout() {
    return {QStringLiteral("ReportDAktZar"),
            QString::fromUtf8("Zadaj dátum aktualizácie"),
            "dos1",
            {"cislo_farmy", "podnik",  "okres",  "zavod",  "chov",   "linia",
             "rmcislo",     "liniaot", "regot",  "podm",   "okrm",   "zavm",
             "chovm",       "cism",    "uscis",  "spicka", "datnar", "datzv",
             "sthybr",      "dovoz",   "struky", "dovvyr", "gener",  "datum_vytvorenia",
             "DI"},
            Notice::error(QString::fromUtf8("Opis vstupných údajov dávky"),
                          QString::fromUtf8("Nie sú dáta Oš13 - zaradenia !")),
            readEvents};
}

} // namespace herd
