#pragma once

#include "common/Progress.h"
#include "db/Config.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;
class RecordNavigator;

// "Dátový sklad všetkých fariem": the register documents of every farm,
// browsed whole or by period, deleted by period, and exported for the register.
class WarehouseWindow : public QDialog {
    Q_OBJECT
public:
    enum Activity { BrowseAll, BrowsePeriod, DeletePeriod, Export };

    WarehouseWindow(herd::Config config, herd::Progress progress, QWidget* parent = nullptr);

    // Clears the choices, as each opening does, and shows the window modally.
    void open();
    void reset();

    QComboBox* activities() const { return m_activities; }
    QDateEdit* fromDate() const { return m_from; }
    QDateEdit* toDate() const { return m_to; }
    QPushButton* confirmButton() const { return m_confirm; }
    QListWidget* types() const { return m_types; }
    QTableView* grid() const { return m_grid; }

    void chooseActivity(int activity);
    void confirmPeriod();
    void chooseType(int type);

protected:
    bool event(QEvent* event) override;

private:
    void exportPeriod();
    void setPeriodShown(bool shown);
    void move(int step);

    herd::Config m_config;
    herd::Progress m_progress;
    QComboBox* m_activities;
    QGroupBox* m_period;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QPushButton* m_confirm;
    QPushButton* m_cancel;
    QListWidget* m_types;
    QPlainTextEdit* m_written;
    QTableView* m_grid;
    QSqlQueryModel* m_model;
    RecordNavigator* m_navigator;
};
