#include "widgets/GridSetup.h"

#include "widgets/FormatDelegate.h"
#include "widgets/GridExportMenu.h"

#include <QTableView>

namespace GridSetup {

void prepare(QTableView* grid, const QString& exportTitle) {
    if (!qobject_cast<FormatDelegate*>(grid->itemDelegate()))
        grid->setItemDelegate(new FormatDelegate(grid));
    GridExportMenu::attach(grid, exportTitle);
}

} // namespace GridSetup
