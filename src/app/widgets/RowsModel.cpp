#include "widgets/RowsModel.h"

#include <QColor>

void RowsModel::setRows(herd::ReportData data) {
    beginResetModel();
    m_data = std::move(data);
    if (m_highlighted >= int(m_data.fields.size()))
        m_highlighted = -1;
    endResetModel();
}

void RowsModel::clear() {
    setRows({});
}

void RowsModel::setLabel(int column, const QString& label) {
    if (column < 0 || column >= m_data.fields.size())
        return;
    m_data.fields[column].label = label;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void RowsModel::setHighlighted(int column) {
    m_highlighted = column;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole});
}

QColor RowsModel::highlightColour() {
    return QColor(230, 230, 255);
}

int RowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_data.rows.size());
}

int RowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_data.fields.size());
}

QVariant RowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_data.rows.size())
        return {};
    const QVariant value = m_data.rows[index.row()].value(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return value;
    case Qt::BackgroundRole:
        if (index.column() == m_highlighted)
            return highlightColour();
        return {};
    case Qt::TextAlignmentRole: {
        const int type = m_data.fields.value(index.column()).type.id();
        const bool number = type == QMetaType::Int || type == QMetaType::LongLong ||
                            type == QMetaType::UInt || type == QMetaType::ULongLong ||
                            type == QMetaType::Double;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= m_data.fields.size())
        return {};
    return m_data.fields[section].label;
}
