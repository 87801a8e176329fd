#pragma once

#include "shell/NodePanel.h"

#include <functional>

class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;
class QueryGrid;

// The own-performance measurement frame: the tab "Meranie" (the batch from
// the delivery file, its checks, pairing and attaching) and the tab "Dáta"
// (summary and the XML for the central register). Every step is a core call
// whose notice is shown; a database error never ends the program.
class FrameMerVU : public NodePanel {
    Q_OBJECT
public:
    // `message` writes the status bar's second panel.
    explicit FrameMerVU(std::function<void(const QString&)> message = {},
                        QWidget* parent = nullptr);

    // The measurement tree's nodes: "Spracovanie merania" shows the tab
    // "Meranie", "Export dát" the tab "Dáta".
    void nodeChosen(const QString& text) override;

    // The node "Spracovanie merania": the tab "Meranie", lists cleared.
    void showMeasurement();
    // The node "Export dát": the tab "Dáta".
    void showExport();

    // Runs the sub-option `item` of option `option` (0 to 3), as a click does.
    void run(int option, int item);
    void runExport(int item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseOption(int option);
    void showList(const QString& title, const QString& sql, bool report, bool deletable = false);
    void hideWorkArea();
    void printList();
    void deleteRow();
    // "zobrazenie /oprava dávky": the incomplete rows in the editable grid.
    void showCorrection();
    void corrected(QTableWidgetItem* item);

    QTabWidget* m_tabs;
    QGroupBox* m_group;
    QListWidget* m_options;
    QListWidget* m_subOptions[4];
    QLabel* m_marker;
    QLabel* m_subCaption;
    QWidget* m_workArea;
    QLabel* m_workTitle;
    QueryGrid* m_grid;
    QTableWidget* m_correction;
    bool m_filling = false;
    QPushButton* m_report;
    QPushButton* m_delete;
    QListWidget* m_exportList;
    QLabel* m_exportLabel;
    QPlainTextEdit* m_exportText;
    std::function<void(const QString&)> m_message;
    int m_option = -1;
    QString m_listSql;
    QString m_listTitle;
};
