#include "register/TransferDocument.h"

#include "register/DocumentInsert.h"

namespace herd::TransferDocument {

void write(const TransferData& d) {
    using Documents::code;
    const QString sow = code(d.sowRegister, 5);
    Documents::insert("dprepra", d.farm,
                      {{"ppodnik", code(d.from.kraj, 2)},
                       {"pokres", code(d.from.okres, 2)},
                       {"pzavod", code(d.from.zavod, 3)},
                       {"pchov", code(d.fromChov, 2)},
                       {"plinia", QStringLiteral("0000")},
                       {"prmcis", sow},
                       {"npodnik", code(d.to.kraj, 2)},
                       {"nokres", code(d.to.okres, 2)},
                       {"nzavod", code(d.to.zavod, 3)},
                       {"nchov", code(d.toChov, 2)},
                       {"nrmcis", sow},
                       {"spac", QStringLiteral(" ")},
                       {"DI", DataItem::Transfer}});
}

} // namespace herd::TransferDocument
