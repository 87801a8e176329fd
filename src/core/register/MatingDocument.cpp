#include "register/MatingDocument.h"

#include "common/DateText.h"
#include "register/DocumentInsert.h"

#include <QHash>

namespace herd::MatingDocument {

namespace {

Documents::Columns columns(const MatingData& d, const QString& dataItem) {
    using Documents::code;
    return {
        {"chovatel_kraj", code(d.keeper.kraj, 2)},
        {"chovatel_okres", code(d.keeper.okres, 2)},
        {"chovatel_zavod", code(d.keeper.zavod, 3)},
        {"chovatel_chov", code(d.chov, 2)},
        {"sposins", QStringLiteral("0")},
        {"kod_pripustenia", code(d.matingCode, 2)},
        {"datumPrip_mes", DateText::mm(d.mated)},
        {"datumPrip_den", DateText::dd(d.mated)},
        {"prasnica_farma", code(d.sow, 5)},
        {"prasprv", QStringLiteral("0")},
        {"linia_kanca", code(d.boarLine, 4)},
        {"register_kanca", code(d.boarRegister, 5)},
        {"porins", QStringLiteral("0")},
        {"sthybr3", QStringLiteral("0000")},
        {"pocet_REIns", Documents::count(d.reInseminations)},
        {"datumPrip_Rok", DateText::yy(d.mated)},
        {"spac", QStringLiteral(" ")},
        {"DI", dataItem},
    };
}

void write(const MatingData& d, const QString& dataItem) {
    Documents::insert("dos3", d.farm, columns(d, dataItem));
}

} // namespace

void writeMating(const MatingData& d) {
    write(d, DataItem::Mating);
}
void writeMatings(const QList<MatingData>& data) {
    // One statement per farm (a batch is one farm's).
    QHash<QString, QList<Documents::Columns>> byFarm;
    for (const MatingData& d : data)
        byFarm[d.farm].append(columns(d, DataItem::Mating));
    for (auto it = byFarm.cbegin(); it != byFarm.cend(); ++it)
        Documents::insertMany("dos3", it.key(), it.value());
}
void writeMatingCorrected(const MatingData& d) {
    write(d, DataItem::MatingCorrected);
}
void writeMatingDeleted(const MatingData& d) {
    write(d, DataItem::MatingDeleted);
}

} // namespace herd::MatingDocument
