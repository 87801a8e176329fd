#include "settings/ReadOnlyGrid.h"

#include "widgets/GridSetup.h"

#include <QHeaderView>
#include <QSqlQueryModel>

ReadOnlyGrid::ReadOnlyGrid(const char* objectName, QList<herd::GridColumn> columns, QWidget* parent)
    : QTableView(parent)
    , m_model(new QSqlQueryModel(this))
    , m_columns(std::move(columns)) {
    setObjectName(QString::fromLatin1(objectName));
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(22);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    GridSetup::prepare(this, QWidget::objectName());
}

void ReadOnlyGrid::load(QSqlQuery&& query) {
    m_model->setQuery(std::move(query));
    for (int i = 0; i < m_columns.size(); ++i)
        m_model->setHeaderData(i, Qt::Horizontal, m_columns[i].title);
    resizeColumnsToContents();
}

int ReadOnlyGrid::rows() const {
    return m_model->rowCount();
}
