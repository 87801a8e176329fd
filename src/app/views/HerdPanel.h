#pragma once

#include <QWidget>

// A herd panel of the category tree (sows, gilts, boars, offspring): a list
// mode for a group node and a card mode for an animal. The shell sets the
// caption of every group box and the mode; the panel loads the animal named
// by the shell's Akt_jedinec when its tab set receives the focus.
class HerdPanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Writes the caption into every group box of the panel.
    virtual void setCaption(const QString& caption) = 0;
    // Only the lists tab is visible.
    virtual void showLists() = 0;
    // The card tabs are visible and the focus moves into the tab set.
    virtual void showCard() = 0;
};
