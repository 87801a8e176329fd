#include "shell/DemoFarmStart.h"

#include "db/Database.h"
#include "db/SqlError.h"
#include "demo/DemoFarmOffer.h"
#include "shell/Dialogs.h"
#include "shell/MainWindow.h"
#include "shell/StatusPanels.h"

#include <QApplication>
#include <QTreeWidget>

namespace DemoFarmStart {

bool run(MainWindow& window, bool ask) {
    using herd::DemoFarmOffer;
    if (!herd::Database::isOpen() || !DemoFarmOffer::due())
        return false;
    if (ask && !Dialogs::instance().ask(DemoFarmOffer::title(), DemoFarmOffer::question()))
        return false;
    StatusPanels* status = window.status();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    herd::FarmChoiceResult result;
    try {
        herd::Progress bar = status->progress();
        // The message panel names the work until the bar covers it.
        status->setMessage(DemoFarmOffer::working());
        result = DemoFarmOffer::create([&](int total, int step) {
            if (total > 0)
                bar(total, step);
        });
        bar(0, 0);
    } catch (const herd::SqlError& e) {
        status->progress()(0, 0);
        QApplication::restoreOverrideCursor();
        Dialogs::error(DemoFarmOffer::title(), DemoFarmOffer::failed() + e.text());
        return false;
    }
    QApplication::restoreOverrideCursor();
    for (const herd::Notice& notice : result.notices)
        Dialogs::instance().show(notice);
    if (!result.chosen)
        return false;
    window.applyFarmChoice(result);
    // The new user lands in the herd module, its categories open.
    window.switchModule(MainWindow::Module::Osipane);
    QTreeWidget* tree = window.treePane()->tree(TreePane::Osipane);
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        tree->topLevelItem(i)->setExpanded(true);
    return true;
}

} // namespace DemoFarmStart
