#pragma once

#include "views/FieldSet.h"

#include <QWidget>

class QGroupBox;
class QScrollArea;
class QSqlQuery;

// One card tab of a herd panel: a group box that the shell captions, inside a
// scroll area, with read-only fields. The animal's own tab kinds (SowTab,
// PigletTab) add their header and how they load.
class CardTab : public QWidget {
    Q_OBJECT
public:
    CardTab(const QString& groupBoxName, QWidget* parent);

    QGroupBox* groupBox() const { return m_box; }

protected:
    // Moves to the first row and fills the fields; false when there is none.
    bool fillHeader(QSqlQuery& query);
    void paintEvent(QPaintEvent* event) override;

    QGroupBox* m_box;
    QScrollArea* m_scroll;
    FieldSet m_fields;
};
