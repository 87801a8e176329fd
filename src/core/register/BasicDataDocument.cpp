#include "register/BasicDataDocument.h"

#include "common/DateText.h"
#include "register/DocumentInsert.h"

namespace herd::BasicDataDocument {

namespace {

using Documents::code;

Documents::Columns columns(const BasicData& d, const QString& eventDate, const QString& reason,
                           const QString& line, const QString& country, const QString& genePool) {
    const QString ear = code(d.earNumber, 7);
    return {
        {"podnik", code(d.keeper.kraj, 2)},
        {"okres", code(d.keeper.okres, 2)},
        {"zavod", code(d.keeper.zavod, 3)},
        {"chov", code(d.chov, 2)},
        {"linia", code(line, 4)},
        {"rmcislo", code(d.registerNumber, 5)},
        {"liniaot", code(d.sireLine, 4)},
        {"regot", code(d.sireRegister, 5)},
        {"podm", code(d.damFarm.kraj, 2)},
        {"okrm", code(d.damFarm.okres, 2)},
        {"zavm", code(d.damFarm.zavod, 3)},
        {"chovm", code(d.damChov, 2)},
        {"cism", code(d.damNumber, 5)},
        {"uscis", ear.left(5)},
        {"spicka", ear.mid(5, 2)},
        {"datnar", DateText::ddmmyy(d.birth)},
        {"datzv", eventDate},
        {"sthybr", d.breed.trimmed()},
        {"dovoz", code(country, 2)},
        {"struky", code(d.teats, 2)},
        {"dovvyr", code(reason, 2)},
        {"gener", genePool.trimmed()},
        {"spac", QStringLiteral(" ")},
    };
}

void writeDos1(const BasicData& d, const QString& eventDate, const QString& reason,
               const QString& dataItem) {
    Documents::Columns c = columns(d, eventDate, reason, d.line, d.country, d.genePool);
    c.append({"DI", dataItem});
    Documents::insert("dos1", d.farm, c);
}

} // namespace

void writeEnrolment(const BasicData& d) {
    writeDos1(d, DateText::ddmmyy(Documents::serverToday()), {}, DataItem::Enrolment);
}

void writeCorrection(const BasicData& d) {
    writeDos1(d, QStringLiteral("000000"), {}, DataItem::Correction);
}

void writeBoarTransfer(const BasicData& d) {
    writeDos1(d, QStringLiteral("000000"), {}, DataItem::Correction);
}

void writeCulling(const BasicData& d, const QDate& culled) {
    writeDos1(d, DateText::ddmmyy(culled), d.cullingReason, DataItem::Culling);
}

void writeCullingCancelled(const BasicData& d) {
    writeDos1(d, QStringLiteral("999999"), {}, DataItem::Culling);
}

void writePurchasedGilt(const BasicData& d, const QDate& catalogue) {
    Documents::Columns c = columns(d, DateText::ddmmyy(catalogue), {}, {}, {}, QStringLiteral("3"));
    c.append({"inf", DataItem::Enrolment});
    Documents::insert("dzarpop", d.farm, c);
}

} // namespace herd::BasicDataDocument
