#pragma once

#include <QHash>
#include <QSqlQuery>
#include <QTableView>

class FormatDelegate;
class QSqlQueryModel;

// A read-only grid over one query: column titles by field name, dates as
// dd.mm.yyyy and numbers in the formats the views give per field, and the
// export to a workbook or CSV from its context menu.
class QueryGrid : public QTableView {
    Q_OBJECT
public:
    explicit QueryGrid(const QString& objectName, QWidget* parent = nullptr);

    // Grid titles by field name (fields without one keep their name).
    void setTitles(const QList<std::pair<QString, QString>>& titles);
    // The name of the grid's export (sheet and proposed file name).
    void setExportTitle(const QString& title);
    // Decimals of a field shown as "0.#" (1), "0.##" (2); minWhole 2 gives "00.#".
    void setDecimals(const QString& field, int decimals, int minWhole = 1);
    // Shows the executed query's rows; returns their number.
    int display(QSqlQuery&& query);
    void clearRows();

    QSqlQueryModel* queryModel() const { return m_model; }
    int rows() const;

private:
    // Fitting the columns measures each distinct text of a column once.
    void measuring(bool on);

    QSqlQueryModel* m_model;
    FormatDelegate* m_text; // every field without a format of its own
    QHash<QString, QString> m_titles;
    QHash<QString, FormatDelegate*> m_formats; // by lower-case field
};
