#include "db/WorkViews.h"

#include "db/Sql.h"

namespace herd {

const QStringList& WorkViews::names() {
    static const QStringList list = {
        QStringLiteral("cuzitkovost_view"), QStringLiteral("vuzitkovost_view"),
        QStringLiteral("kuzitkovost_view"), QStringLiteral("chovzit_view"),
        QStringLiteral("rechuzit_view"),    QStringLiteral("twmgpev"),
        QStringLiteral("praspohm_view"),    QStringLiteral("twmgvrh"),
        QStringLiteral("tmpraspev"),        QStringLiteral("tmprasins"),
        QStringLiteral("tmprasopr"),        QStringLiteral("tmprassvjh"),
        QStringLiteral("tmvjhpev"),         QStringLiteral("tmvjhpoh"),
        QStringLiteral("tmpotpev"),         QStringLiteral("tmpotpoh"),
        QStringLiteral("tmprashist"),       QStringLiteral("pras_vrhins"),
        QStringLiteral("pras_vrhkomp"),     QStringLiteral("wpras_zakl"),
        QStringLiteral("wkan_vrhins"),      QStringLiteral("wkan_sub"),
        QStringLiteral("wkan_vrhkomp"),     QStringLiteral("wkan_1vrh"),
        QStringLiteral("wkan_2vrh"),        QStringLiteral("wkan_3vrh"),
        QStringLiteral("wkan_vrh"),         QStringLiteral("wfar_1vrh"),
        QStringLiteral("wfar_2vrh"),        QStringLiteral("wfar_3vrh"),
        QStringLiteral("wfar_vrh"),         QStringLiteral("praspoh_view"),
        QStringLiteral("pras_povrhkomp"),   QStringLiteral("pras_wzluc"),
        QStringLiteral("pras_povrh"),       QStringLiteral("wnucleus"),
        QStringLiteral("wjadro"),           QStringLiteral("wskupina"),
    };
    return list;
}

void WorkViews::dropAll() {
    for (const QString& view : names())
        Sql::exec(QStringLiteral("DROP VIEW IF EXISTS ") + view);
}

} // namespace herd
