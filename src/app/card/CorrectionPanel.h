#pragma once

#include "batch/DayPrintout.h"
#include "card/CardMode.h"
#include "common/Notice.h"
#include "farms/ShellState.h"

#include <QSqlRecord>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QueryGrid;
class RecordNavigator;

// The part the mating and the litter correction panels share: the farm's
// sows not culled (grid "prasnice"), the chosen sow's records (matings or
// litters) in a second grid, the record's read-only fields, the subclass's
// editable fields and the navigator. Item 0 of the list corrects (edit,
// post, cancel), item 1 cancels (delete), item 2 prints the day's documents.
class CorrectionPanel : public CardMode {
    Q_OBJECT
public:
    struct Texts {
        const char* panel;     // "PanelPrip"
        const char* list;      // "ComboBoxPrip"
        QStringList items;     // the list's items
        const char* detail;    // the detail grid's label
        const char* dateField; // "Datum_pripustenia"
        const char* dateLabel; // "pripustená:"
        QStringList titles;    // window titles of items 0 and 1
    };

    CorrectionPanel(herd::ShellState& state, Texts texts, QWidget* parent);

    QString listName() const override { return QString::fromLatin1(m_texts.list); }
    QStringList items() const override { return m_texts.items; }
    void choose(int item) override;
    void reset() override;

    QueryGrid* sowGrid() const { return m_sows; }
    QueryGrid* detailGrid() const { return m_detail; }
    RecordNavigator* navigator() const { return m_navigator; }
    bool editing() const { return m_editing; }

protected:
    // The detail rows of the sow (farm, herd, number bound in this order).
    virtual QString detailSql() const = 0;
    virtual QList<std::pair<QString, QString>> detailTitles() const = 0;
    // Fills the editable fields from the record (empty record: none chosen).
    virtual void fill(const QSqlRecord& record) = 0;
    virtual void setFieldsEnabled(bool enabled) = 0;
    // Prepares the lookups when a correction item is chosen; false stops.
    virtual void prepareLookups() {}
    // Saves the edit of the record / deletes it: the core's notice.
    virtual herd::Notice save(const QSqlRecord& record) = 0;
    virtual herd::Notice remove(const QSqlRecord& record) = 0;
    virtual herd::DayPrintout dayPrintout() const = 0;
    // The editable fields' row, above the navigator.
    QBoxLayout* fieldsRow() const { return m_fieldsRow; }
    herd::ShellState& state() { return m_state; }
    QSqlRecord current() const;

private:
    void loadSows();
    void loadDetail();
    void showRecord();
    void onButton(int which);
    void syncNavigator();

    herd::ShellState& m_state;
    Texts m_texts;
    QueryGrid* m_sows = nullptr;
    QueryGrid* m_detail = nullptr;
    QLineEdit* m_sowField = nullptr;
    QLineEdit* m_herdField = nullptr;
    QLineEdit* m_dateField = nullptr;
    QBoxLayout* m_fieldsRow = nullptr;
    RecordNavigator* m_navigator = nullptr;
    QLabel* m_position = nullptr;
    int m_item = -1;
    bool m_editing = false;
    bool m_loading = false; // grids refilled: their row changes are not the user's
};
