#include "batch/BatchTableModel.h"

#include "batch/CheckedBatch.h"
#include "common/DateText.h"
#include "db/SqlError.h"

#include <QColor>

namespace herd {

BatchTableModel::BatchTableModel(CheckedBatch& batch, QStringList columns, QStringList titles,
                                 QObject* parent)
    : BatchTableModel(batch.table(), &batch.state(), std::move(columns), std::move(titles),
                      parent) {}

BatchTableModel::BatchTableModel(const BatchTable& table, BatchCheckState* state,
                                 QStringList columns, QStringList titles, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_state(state)
    , m_columns(std::move(columns))
    , m_titles(std::move(titles)) {}

void BatchTableModel::clearState() {
    if (m_state)
        m_state->clear();
}

void BatchTableModel::setFilter(QVariantMap equal) {
    m_filter = std::move(equal);
    reload();
}

int BatchTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BatchTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant BatchTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const BatchRow& row = m_rows.at(index.row());
    // Faulty rows stand out in the grid.
    if (role == Qt::ForegroundRole) {
        const QVariant status = row.value(QStringLiteral("status_zaznamu"));
        return !status.isNull() && status.toInt() == 0 ? QVariant(QColor(Qt::darkRed)) : QVariant();
    }
    if (role == Qt::EditRole) {
        const QVariant v = row.value(m_columns.at(index.column()));
        return v.isNull() ? QVariant(v.metaType()) : v;
    }
    if (role != Qt::DisplayRole)
        return {};
    const QVariant v = row.value(m_columns.at(index.column()));
    if (v.typeId() == QMetaType::QDate)
        return DateText::dotted(v.toDate());
    return v;
}

QVariant BatchTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_titles.value(section);
    return section + 1;
}

Qt::ItemFlags BatchTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_editable && index.isValid() &&
        m_columns.at(index.column()).compare(QLatin1String("ERR_oznam"), Qt::CaseInsensitive) !=
            0 &&
        !m_readOnly.contains(m_columns.at(index.column()), Qt::CaseInsensitive))
        f |= Qt::ItemIsEditable;
    return f;
}

bool BatchTableModel::setData(const QModelIndex& index, const QVariant& typed, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const CellRule* rule = m_table.rule(m_columns.at(index.column()));
    // Codes, counts and weights are kept without the blanks around them (a
    // code column of the batch is as wide as the code).
    const bool trims = rule && rule->kind != CellRule::Kind::Date &&
                       rule->kind != CellRule::Kind::Text && !typed.isNull() &&
                       typed.typeId() == QMetaType::QString;
    const QVariant value = trims ? QVariant(typed.toString().trimmed()) : typed;
    const QVariant old = m_rows.at(index.row()).value(m_columns.at(index.column()));
    if (old == value && old.isNull() == value.isNull())
        return true;
    // What the column can never hold is not written: the check would refuse
    // it anyway, and the database would refuse it in its own words.
    if (const QString message = refusal({{m_columns.at(index.column()), typed}});
        !message.isEmpty()) {
        emit valueRefused(index, message, typed);
        return false;
    }
    // Written at once, without reading the batch again: the grid keeps its place.
    BatchRow& row = m_rows[index.row()];
    // Called by the grid's editors, where an exception cannot pass: a refused
    // write keeps the cell as it was and is reported through writeFailed.
    try {
        m_table.update(row.id(), {{m_columns.at(index.column()), value}});
    } catch (const SqlError& e) {
        emit writeFailed(e.text());
        return false;
    }
    row.setValue(m_columns.at(index.column()), value);
    row.setValue(QStringLiteral("status_zaznamu"), QVariant(QMetaType::fromType<int>()));
    row.setValue(QStringLiteral("ERR_oznam"), QVariant(QMetaType::fromType<QString>()));
    clearState();
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    emit batchChanged();
    return true;
}

QString BatchTableModel::refusal(const QVariantMap& values) const {
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const CellRule* rule = m_table.rule(it.key());
        if (!rule || rule->kind == CellRule::Kind::Date || it.value().isNull())
            continue;
        const QString text = it.value().toString();
        const qsizetype length =
            rule->kind == CellRule::Kind::Text ? text.size() : text.trimmed().size();
        if (CellRules::hasControl(text) || (rule->width > 0 && length > rule->width))
            return rule->message;
    }
    return {};
}

int BatchTableModel::indexOf(int id) const {
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).id() == id)
            return i;
    return -1;
}

void BatchTableModel::reload() {
    beginResetModel();
    m_rows = m_table.rowsWhere(m_filter);
    endResetModel();
}

int BatchTableModel::insertValues(const QVariantMap& values) {
    const int id = m_table.insert(values);
    changed();
    return indexOf(id);
}

void BatchTableModel::updateValues(int index, const QVariantMap& values) {
    m_table.update(m_rows.at(index).id(), values);
    changed();
}

void BatchTableModel::removeAt(int index) {
    m_table.remove(m_rows.at(index).id());
    changed();
}

void BatchTableModel::changed() {
    clearState();
    reload();
    emit batchChanged();
}

} // namespace herd
