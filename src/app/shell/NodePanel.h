#pragma once

#include <QWidget>

// A content panel that the nodes of a module tree show (the bonitation frame,
// the measurement frame, the housing panels). It registers itself with
// ContentArea::setFrame under its frame's name; until then the nodes answer
// that the function is not available yet. The shell hands it the chosen
// node's text ("Bonitácie prasníc"; a housing panel the caption " Sekcia -K02 ").
class NodePanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void nodeChosen(const QString& text) = 0;
};
