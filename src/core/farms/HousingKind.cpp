#include "farms/HousingKind.h"

#include "common/Padding.h"

namespace herd {

namespace {
const QString boarPlaceholder = QStringLiteral("9999 99999");
const QString sowPlaceholder = QStringLiteral("99999     ");
const QString offspringPlaceholder = QStringLiteral("99999/99  ");
} // namespace

const HousingKind& HousingKind::boarHouse() {
    static const HousingKind kind{{},
                                  {},
                                  QStringLiteral("KAN"),
                                  QStringLiteral("Kančín"),
                                  boarPlaceholder,
                                  QStringLiteral("6"),
                                  QStringLiteral("1"),
                                  QStringLiteral("2"),
                                  QStringLiteral("4")};
    return kind;
}

const QList<HousingKind>& HousingKind::counted() {
    auto kind = [](const char* letter, const char* column, const char* kod, const char* nazov,
                   const QString& placeholder, const char* ust, const char* ktg, const char* kat,
                   const char* image) {
        return HousingKind{QString::fromLatin1(letter),
                           QString::fromLatin1(column),
                           QString::fromLatin1(kod),
                           QString::fromUtf8(nazov),
                           placeholder,
                           QString::fromLatin1(ust),
                           QString::fromLatin1(ktg),
                           QString::fromLatin1(kat),
                           QString::fromLatin1(image)};
    };
    static const QList<HousingKind> kinds = {
        kind("K", "Karantena_sekcie", "KAR", "Karanténa", boarPlaceholder, "1", "1", "2", "4"),
        kind("J", "Jalovaren_sekcie", "JAL", "Jalováreň - sekcie", sowPlaceholder, "2", "2", "1",
             "5"),
        kind("B", "Jalovaren_IndBox", "JAL", "Jalováreň - ind.boxy", sowPlaceholder, "2", "2", "1",
             "5"),
        kind("M", "Matecnik_sekcie", "MAT", "Matečník", sowPlaceholder, "3", "2", "1", "5"),
        kind("S", "Skolka_sekcie", "SKO", "Škôlka", offspringPlaceholder, "4", "4", "6", "3"),
        kind("P", "Odchovna_sekcie", "ODC", "Odchovňa", offspringPlaceholder, "5", "4", "6", "3"),
        kind("V", "Vykrm_sekcie", "VYK", "Výkrm", offspringPlaceholder, "7", "6", "9", "3"),
    };
    return kinds;
}

QString HousingKind::sectionCode(int n) const {
    if (letter.isEmpty())
        return kod;
    return letter + padLeftZeros(QString::number(n), 2);
}

QString HousingKind::sectionText(const QString& code) const {
    if (letter.isEmpty())
        return QString(10, QLatin1Char(' '));
    return QStringLiteral("Sekcia-") + code;
}

} // namespace herd
