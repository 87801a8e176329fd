#pragma once

#include <QFrame>
#include <QStringList>

// A work mode of the card window's correction mode: the choice list it
// fills (by objectName, e.g. "ComboBoxPrip"), that list's items, and the
// panel it is (its objectName, e.g. "PanelPrip", replaces the window's
// placeholder of that name). Choosing an item of its list hides every other
// panel, clears the other lists, shows this panel and calls choose().
class CardMode : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

    virtual QString listName() const = 0;
    virtual QStringList items() const = 0;
    // An item of the list was chosen (its index).
    virtual void choose(int item) = 0;
    // The window is prepared anew (mode switch, farm change): drop any edit.
    virtual void reset() {}
};
