#pragma once

#include "selections/SavedSelections.h"
#include "selections/Selection.h"
#include "selections/TableColumn.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class QTreeWidget;
class QueryGrid;
class RowsModel;

// "Rýchle výbery": a SELECT over one herd table composed without SQL — the
// kind of data, its columns in order, the condition, the result with its
// column titles and sort — saved under a name and run later in the report
// window. The window keeps the selection as a description (herd::Selection);
// the core generates the statement with every value bound and runs it
// through the read-only path. Created anew for each opening.
class FormRychleVybery : public QDialog {
    Q_OBJECT
public:
    enum Tab { TypUdajov, Podmienka, Vystup, Ulozenie, Akcie };

    explicit FormRychleVybery(QWidget* parent = nullptr);
    ~FormRychleVybery() override;

    // The selection as composed so far (the condition text taken in).
    herd::Selection selection();
    QTabWidget* tabs() const { return m_tabs; }
    RowsModel* output() const { return m_output; }
    int rememberedColumn() const { return m_remembered; }

public slots:
    void chooseKind(int kind);
    void addColumn();
    void removeColumn();
    void moveColumn(int step);
    void addCondition();
    void showOutput();
    void showAllRows();
    void chooseColumn(int column);
    void renameColumn();
    void sort();
    void save();
    void renameSaved();
    void runSaved();
    void deleteSaved();
    void next();
    void back();

private:
    QWidget* buildKindTab();
    QWidget* buildConditionTab();
    QWidget* buildOutputTab();
    QWidget* buildSavingTab();
    QWidget* buildActionsTab();
    void tabChanged(int tab);
    void loadColumns();
    void loadSaved();
    void updateArrows();
    // Takes the condition text in: an edited text replaces the parts.
    void takeConditionText();
    void showCondition();
    // Runs the selection into the grid; the previous result stays on a fault.
    bool run();
    void highlight(int column);
    const herd::TableColumn* chosenConditionColumn() const;

    herd::Selection m_selection;
    QList<herd::TableColumn> m_columns;
    QString m_shownCondition; // the condition text as the window last wrote it
    int m_remembered = 0;     // the output column last highlighted
    bool m_allRows = false;   // the grid's row limit lifted
    QList<herd::SavedSelection> m_saved;

    QTabWidget* m_tabs;
    QButtonGroup* m_kinds;
    QTreeWidget* m_columnList;
    QTreeWidget* m_chosenList;
    QToolButton* m_up;
    QToolButton* m_down;
    QTreeWidget* m_conditionColumns;
    QTreeWidget* m_operators;
    QLineEdit* m_value;
    QButtonGroup* m_connectors;
    QPlainTextEdit* m_condition;
    QTableView* m_grid;
    RowsModel* m_output;
    QLabel* m_count;
    QPushButton* m_allRowsButton;
    QLineEdit* m_columnTitle;
    QComboBox* m_sortColumn;
    QComboBox* m_direction;
    QLineEdit* m_name;
    QLineEdit* m_description;
    QueryGrid* m_savedGrid;
    QComboBox* m_runChoice;
    QComboBox* m_deleteChoice;
    QPushButton* m_back;
    QPushButton* m_next;
};
