#include "widgets/QueryGrid.h"

#include "widgets/FormatDelegate.h"
#include "widgets/GridExportMenu.h"
#include "widgets/GridSetup.h"

#include <QHeaderView>
#include <QSqlQueryModel>
#include <QSqlRecord>

QueryGrid::QueryGrid(const QString& objectName, QWidget* parent)
    : QTableView(parent)
    , m_model(new QSqlQueryModel(this))
    , m_text(new FormatDelegate(this, -1, 1)) {
    setObjectName(objectName);
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    setItemDelegate(m_text);
    GridSetup::prepare(this, objectName);
}

void QueryGrid::setTitles(const QList<std::pair<QString, QString>>& titles) {
    for (const auto& [field, title] : titles)
        m_titles.insert(field.toLower(), title);
}

void QueryGrid::setExportTitle(const QString& title) {
    GridExportMenu::setTitle(this, title);
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
    measuring(true);
    resizeColumnsToContents();
    measuring(false);
    return m_model->rowCount();
}

void QueryGrid::measuring(bool on) {
    m_text->setMeasuring(on);
    for (FormatDelegate* format : std::as_const(m_formats))
        format->setMeasuring(on);
}

void QueryGrid::clearRows() {
    m_model->clear();
}

int QueryGrid::rows() const {
    return m_model->rowCount();
}
