#include "bonitation/ExcelDelivery.h"

#include "db/Config.h"
#include "db/SqlError.h"
#include "shell/Dialogs.h"
#include "spreadsheet/WorkbookError.h"
#include "spreadsheet/WorkbookLauncher.h"

namespace ExcelDelivery {

void deliver(const std::function<herd::Workbook()>& build, const QString& stem) {
    const QString title = QString::fromUtf8("Transformácia dát - Excel");
    const QString fault = QString::fromUtf8("Chyba: ");
    try {
        if (const std::optional<herd::Notice> n = herd::WorkbookLauncher::deliver(
                build(), herd::Config::load().exportFolder(), stem,
                herd::Notice::error(title, QString::fromUtf8("MS Excel nie je nainštalovaný !"))))
            Dialogs::instance().show(*n);
    } catch (const herd::WorkbookError& e) {
        Dialogs::error(title, fault + e.text());
    } catch (const herd::SqlError& e) {
        Dialogs::error(title, fault + e.text());
    }
}

} // namespace ExcelDelivery
