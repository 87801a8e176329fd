#pragma once

#include <QWidget>

class QToolButton;

// The record navigator of a data form: ten buttons to move through the rows,
// add, delete, edit, post, cancel and refresh.
class RecordNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh, Count };

    explicit RecordNavigator(QWidget* parent = nullptr);

    QToolButton* button(Button which) const { return m_buttons[which]; }
    // Moving is offered while nothing is being edited; post and cancel while it is.
    void setState(bool editing, int row, int rows);
    // The row a moving button (first, prior, next, last) leads to from row
    // among rows (-1 when there are none); other buttons keep the row.
    static int moved(Button which, int row, int rows);

signals:
    void clicked(RecordNavigator::Button which);

private:
    QToolButton* m_buttons[Count];
};
