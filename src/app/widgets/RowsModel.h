#pragma once

#include "reports/ReportData.h"

#include <QAbstractTableModel>

// A read-only table of rows read once (a ReportData: the rows of a statement
// run through the read-only path), under the data's captions. One column may
// be highlighted.
class RowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(herd::ReportData data);
    void clear();
    const herd::ReportData& rows() const { return m_data; }

    // The caption of a column (the grid's title, the export's header).
    void setLabel(int column, const QString& label);
    // -1: none.
    void setHighlighted(int column);
    int highlighted() const { return m_highlighted; }

    static QColor highlightColour();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    herd::ReportData m_data;
    int m_highlighted = -1;
};
