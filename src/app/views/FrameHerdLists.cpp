#include "views/FrameHerdLists.h"

FrameHerdLists::FrameHerdLists(const herd::ShellState& state, const herd::HerdListCatalog& catalog,
                               const Names& names, std::function<void(const QString&)> message,
                               QWidget* parent)
    : TabbedHerdPanel(state, names.frame, names.tabs, parent) {
    addLists(catalog, names.groupBox, std::move(message));
    setCaption(names.caption);
}
