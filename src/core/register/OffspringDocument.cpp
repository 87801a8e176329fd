#include "register/OffspringDocument.h"

#include "common/DateText.h"
#include "register/DocumentInsert.h"

namespace herd::OffspringDocument {

namespace {
// Slot column names, fixed: uscisl1, str1, kat1, ... kat9.
const char* const slotColumns[SlotsPerRow][3] = {
    {"uscisl1", "str1", "kat1"}, {"uscisl2", "str2", "kat2"}, {"uscisl3", "str3", "kat3"},
    {"uscisl4", "str4", "kat4"}, {"uscisl5", "str5", "kat5"}, {"uscisl6", "str6", "kat6"},
    {"uscisl7", "str7", "kat7"}, {"uscisl8", "str8", "kat8"}, {"uscisl9", "str9", "kat9"},
};

// The document rows of one litter.
QList<Documents::Columns> rowsOf(const OffspringData& d) {
    using Documents::code;
    QList<Documents::Columns> rows;
    for (qsizetype first = 0; first < d.piglets.size(); first += SlotsPerRow) {
        Documents::Columns c = {{"podnik", code(d.keeper.kraj, 2)},
                                {"okres", code(d.keeper.okres, 2)},
                                {"zavod", code(d.keeper.zavod, 3)},
                                {"chov", code(d.chov, 2)},
                                {"prasnica", code(d.dam, 5)}};
        for (int slot = 0; slot < SlotsPerRow; ++slot) {
            const qsizetype i = first + slot;
            const bool filled = i < d.piglets.size();
            const SelectedPiglet piglet = filled ? d.piglets.at(i) : SelectedPiglet{};
            c += {{slotColumns[slot][0], code(piglet.earNumber, 5)},
                  {slotColumns[slot][1], code(piglet.teats, 2)},
                  {slotColumns[slot][2], code(piglet.category, 1)}};
        }
        c.append({"dnar", DateText::ddmm(d.farrowed)});
        rows.append(c);
    }
    return rows;
}
} // namespace

int write(const OffspringData& d) {
    return writeAll({d});
}

int writeAll(const QList<OffspringData>& litters) {
    // Every litter of one call is written for the same farm.
    QList<Documents::Columns> rows;
    for (const OffspringData& d : litters)
        rows += rowsOf(d);
    if (!rows.isEmpty())
        Documents::insertMany("dpotoms", litters.first().farm, rows);
    return int(rows.size());
}

} // namespace herd::OffspringDocument
