#pragma once

#include "batch/BatchRow.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace herd {

class BatchCheckState;
class BatchTable;
class CheckedBatch;

// The rows of a batch table for a grid and an entry form. Every change goes
// straight to the database through the batch table and clears the batch's
// checked state: a batch is applied only as it was checked.
class BatchTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The grid shows the given columns (of the batch table, or ERR_oznam)
    // under the given titles.
    BatchTableModel(CheckedBatch& batch, QStringList columns, QStringList titles,
                    QObject* parent = nullptr);
    // A batch table with a checked state of its own (or none).
    BatchTableModel(const BatchTable& table, BatchCheckState* state, QStringList columns,
                    QStringList titles, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // A grid typed into directly: the batch columns (not ERR_oznam) become
    // editable, and an edit is written to the row at once.
    void setEditable(bool editable) { m_editable = editable; }
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    const QString& columnName(int section) const { return m_columns.at(section); }
    // Columns shown but never typed into (made by the program).
    void setReadOnlyColumns(QStringList columns) { m_readOnly = std::move(columns); }
    // Shows only the rows whose columns hold these values (all when empty).
    void setFilter(QVariantMap equal);

    const BatchRow& row(int index) const { return m_rows.at(index); }
    int indexOf(int id) const;

    // The cell's message for the first value no cell of its column may hold
    // (longer than the column's rule allows, a control character); empty
    // when every value can be written.
    QString refusal(const QVariantMap& values) const;

    // Reads the batch table again.
    void reload();
    // Writes a new row; returns its index.
    int insertValues(const QVariantMap& values);
    void updateValues(int index, const QVariantMap& values);
    void removeAt(int index);

signals:
    // The batch was changed through the model.
    void batchChanged();
    // The database refused a cell typed into the grid (its message).
    void writeFailed(const QString& text);
    // A typed value no cell of the column may hold (too long, a control
    // character) was not written: the cell's own message and the value as
    // typed, for the grid to offer for correction.
    void valueRefused(const QModelIndex& index, const QString& message, const QVariant& typed);

private:
    void changed();

    void clearState();

    const BatchTable& m_table;
    BatchCheckState* m_state;
    QVariantMap m_filter;
    QStringList m_readOnly;
    QStringList m_columns;
    QStringList m_titles;
    QList<BatchRow> m_rows;
    bool m_editable = false;
};

} // namespace herd
