#include "widgets/QueryGrid.h"

#include "views/DisplayFormat.h"

#include <QHeaderView>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStyledItemDelegate>

namespace {

// Shows the cells in the views' formats.
class FormatDelegate : public QStyledItemDelegate {
public:
    FormatDelegate(QObject* parent, int decimals, int minWhole)
        : QStyledItemDelegate(parent)
        , m_decimals(decimals)
        , m_minWhole(minWhole) {}
    QString displayText(const QVariant& value, const QLocale&) const override {
        return m_decimals < 0 ? herd::DisplayFormat::text(value)
                              : herd::DisplayFormat::decimal(value, m_decimals, m_minWhole);
    }

private:
    int m_decimals;
    int m_minWhole;
};

} // namespace

QueryGrid::QueryGrid(const QString& objectName, QWidget* parent)
    : QTableView(parent)
    , m_model(new QSqlQueryModel(this)) {
    setObjectName(objectName);
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    setItemDelegate(new FormatDelegate(this, -1, 1));
}

void QueryGrid::setTitles(const QList<std::pair<QString, QString>>& titles) {
    for (const auto& [field, title] : titles)
        m_titles.insert(field.toLower(), title);
}

void QueryGrid::setDecimals(const QString& field, int decimals, int minWhole) {
    m_formats.insert(field.toLower(), new FormatDelegate(this, decimals, minWhole));
}

int QueryGrid::display(QSqlQuery&& query) {
    m_model->setQuery(std::move(query));
    while (m_model->canFetchMore())
        m_model->fetchMore();
    const QSqlRecord record = m_model->record();
    for (int c = 0; c < record.count(); ++c) {
        const QString field = record.fieldName(c).toLower();
        m_model->setHeaderData(c, Qt::Horizontal, m_titles.value(field, record.fieldName(c)));
        setItemDelegateForColumn(c, m_formats.value(field));
    }
    resizeColumnsToContents();
    return m_model->rowCount();
}

void QueryGrid::clearRows() {
    m_model->clear();
}

int QueryGrid::rows() const {
    return m_model->rowCount();
}
