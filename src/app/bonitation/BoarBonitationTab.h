#pragma once

#include "farms/ShellState.h"

#include <QWidget>
#include <functional>

class BoarChart;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QueryGrid;
class RecordNavigator;
class RowEditor;
class QSqlRecord;

// The tab "Kance" of the bonitation frame: culling the farm's boars before
// the bonitation, the boar catalogue (Kbonit, ReportBonKan, workbook) and the
// boars' performance against the farm (grid, ReportUzKan, workbook, chart).
class BoarBonitationTab : public QWidget {
    Q_OBJECT
public:
    BoarBonitationTab(const herd::ShellState& state, std::function<void(const QString&)> message,
                      QWidget* parent = nullptr);

    // Showing the tab: culling controls, report area and chart hidden, the
    // farm label set.
    void showTab();
    // The buttons and lists, as the user clicks them.
    void showCulling();
    void printCatalogue();
    void showPerformance();
    void chooseBoar(int row);
    void printPerformance();
    void exportPerformance();
    void showChart();
    BoarChart* chart() const { return m_chart; }

private:
    void loadCulling(int keepRow);
    void showRecord(const QSqlRecord& r);
    void openFields(const QSqlRecord& r, bool open);
    void post();
    void exportCatalogue();
    void hideChart();
    bool eventFilter(QObject* watched, QEvent* event) override;

    const herd::ShellState& m_state;
    std::function<void(const QString&)> m_message;
    QString m_line = QStringLiteral("0000");
    QString m_reg = QStringLiteral("00000");

    QLabel* m_farmLabel;
    QListWidget* m_reports;
    QListWidget* m_outputs;
    QWidget* m_work;
    QLabel* m_workLabel;
    QueryGrid* m_grid;
    QWidget* m_editRow;
    QLineEdit* m_culled;
    QComboBox* m_reason;
    RecordNavigator* m_navigator;
    RowEditor* m_editor;
    QGroupBox* m_performance;
    QLabel* m_farmCells[3][3];
    QueryGrid* m_performanceGrid;
    QLabel* m_chartLabel;
    BoarChart* m_chart;
};
