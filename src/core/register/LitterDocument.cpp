#include "register/LitterDocument.h"

#include "common/DateText.h"
#include "common/Padding.h"
#include "register/DocumentInsert.h"

#include <QHash>

namespace herd::LitterDocument {

namespace {

using Documents::code;
using Documents::count;

Documents::Columns keeper(const LitterData& d) {
    return {{"podnik", code(d.keeper.kraj, 2)},
            {"okres", code(d.keeper.okres, 2)},
            {"zavod", code(d.keeper.zavod, 3)},
            {"chov", code(d.chov, 2)}};
}

void writeDos4(const LitterData& d, const QString& dataItem) {
    Documents::Columns c = keeper(d);
    c += {{"prasn4", code(d.sow, 5)},
          {"datins", QStringLiteral("000000")},
          {"datopr4", DateText::ddmmyy(d.farrowed)},
          {"porvrhu", QStringLiteral("00")},
          {"vset4", count(d.bornAll)},
          {"zive4", count(d.bornAlive)},
          {"def4", QStringLiteral("00")},
          {"chvrhu4", d.character.trimmed()},
          {"datodst", DateText::ddmmyy(d.weaned)},
          {"doch4", count(d.reared)},
          {"hmotn", tenthsText(d.weaningWeight, 4)},
          {"vyrovvrh", d.evenness.trimmed()},
          {"spac", QStringLiteral(" ")},
          {"DI", dataItem}};
    Documents::insert("dos4", d.farm, c);
}

Documents::Columns farrowing(const LitterData& d) {
    Documents::Columns c = keeper(d);
    c += {{"prasn", code(d.sow, 5)},         {"medz", QStringLiteral(" ")},
          {"brez", QStringLiteral("0")},     {"porvrh", QStringLiteral("00")},
          {"vset", count(d.bornAll)},        {"zive", count(d.bornAlive)},
          {"def", QStringLiteral("00")},     {"datopr", DateText::ddmm(d.farrowed)},
          {"chvrhu", d.character.trimmed()}, {"spac", QStringLiteral(" ")},
          {"DI", DataItem::Farrowing}};
    return c;
}

Documents::Columns weaning(const LitterData& d) {
    Documents::Columns c = keeper(d);
    c += {{"pras23", code(d.sow, 5)},
          {"vyrovvrh", d.evenness.trimmed()},
          {"doch", count(d.reared)},
          {"odstav", DateText::ddmm(d.weaned)},
          {"hmotv", tenthsText(d.weaningWeight, 4)},
          {"spac", QStringLiteral(" ")},
          {"DI", DataItem::Weaning}};
    return c;
}

// The documents of many litters, written for each litter's farm.
void writeAll(const char* table, const QList<LitterData>& data,
              Documents::Columns (*columns)(const LitterData&)) {
    QHash<QString, QList<Documents::Columns>> byFarm;
    for (const LitterData& d : data)
        byFarm[d.farm].append(columns(d));
    for (auto it = byFarm.cbegin(); it != byFarm.cend(); ++it)
        Documents::insertMany(table, it.key(), it.value());
}

} // namespace

void writeFarrowing(const LitterData& d) {
    Documents::insert("dos22", d.farm, farrowing(d));
}

void writeWeaning(const LitterData& d) {
    Documents::insert("dos23", d.farm, weaning(d));
}

void writeFarrowings(const QList<LitterData>& data) {
    writeAll("dos22", data, farrowing);
}

void writeWeanings(const QList<LitterData>& data) {
    writeAll("dos23", data, weaning);
}

void writeLitterCorrected(const LitterData& d) {
    writeDos4(d, DataItem::LitterCorrected);
}
void writeLitterDeleted(const LitterData& d) {
    writeDos4(d, DataItem::LitterDeleted);
}

} // namespace herd::LitterDocument
