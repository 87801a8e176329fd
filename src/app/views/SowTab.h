#pragma once

#include "views/FieldSet.h"
#include "views/SowKey.h"

#include <QWidget>

class QGroupBox;
class QScrollArea;
class QSqlQuery;
class QVBoxLayout;

// One card tab of the sow panel: a group box that the shell captions, the
// sow's header fields, and its own contents. Every entry reloads it.
class SowTab : public QWidget {
    Q_OBJECT
public:
    SowTab(const QString& groupBoxName, QWidget* parent);

    QGroupBox* groupBox() const { return m_box; }
    // Reads the sow's rows and shows them; shows the tab's box when the farm
    // does not hold her.
    virtual void load(const herd::SowKey& key) = 0;

protected:
    // Lays the header row (number, birth date, ear number, import, breed) out
    // at the top of the group box; returns the layout that follows it.
    QVBoxLayout* addHeader(bool withOrigin);
    // Moves to the first row and fills the header; false when there is none.
    bool fillHeader(QSqlQuery& query);
    void paintEvent(QPaintEvent* event) override;

    QGroupBox* m_box;
    QScrollArea* m_scroll;
    FieldSet m_fields;
};
