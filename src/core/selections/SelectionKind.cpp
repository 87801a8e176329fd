#include "selections/SelectionKind.h"

namespace herd {

const QList<SelectionKind>& SelectionKind::all() {
    static const QList<SelectionKind> kinds = {
        {QStringLiteral("Zvieratá"), QStringLiteral("tanimal")},
        {QStringLiteral("Kance"), QStringLiteral("tkance")},
        {QStringLiteral("SVJH kancov"), QStringLiteral("tkansvjh")},
        {QStringLiteral("Prasnice"), QStringLiteral("tpraspev")},
        {QStringLiteral("Pripustenia"), QStringLiteral("tprasins")},
        {QStringLiteral("Oprasenia"), QStringLiteral("tprasopr")},
        {QStringLiteral("SVJH Prasníc"), QStringLiteral("tprassvjh")},
        {QStringLiteral("Potomstvo vrhy"), QStringLiteral("tpotpev")},
        {QStringLiteral("Potomstvo jedince"), QStringLiteral("tpotpoh")},
        {QStringLiteral("SVJH skupiny"), QStringLiteral("tvjhpev")},
        {QStringLiteral("SVJH jedince"), QStringLiteral("tvjhpoh")},
    };
    return kinds;
}

const SelectionKind* SelectionKind::ofTable(const QString& table) {
    for (const SelectionKind& kind : all())
        if (kind.table.compare(table, Qt::CaseInsensitive) == 0)
            return &kind;
    return nullptr;
}

} // namespace herd
