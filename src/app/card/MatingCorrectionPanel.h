#pragma once

#include "card/CorrectionPanel.h"

class QComboBox;
class QLineEdit;

// PanelPrip: the correction and cancellation of a sow's matings
// (ComboBoxPrip), through MatingCorrection.
class MatingCorrectionPanel : public CorrectionPanel {
    Q_OBJECT
public:
    MatingCorrectionPanel(herd::ShellState& state, QWidget* parent);

    QComboBox* boarList() const { return m_boar; }
    QComboBox* methodList() const { return m_method; }
    QLineEdit* countField() const { return m_count; }

protected:
    QString detailSql() const override;
    QList<std::pair<QString, QString>> detailTitles() const override;
    void fill(const QSqlRecord& record) override;
    void setFieldsEnabled(bool enabled) override;
    void prepareLookups() override;
    herd::Notice save(const QSqlRecord& record) override;
    herd::Notice remove(const QSqlRecord& record) override;
    herd::DayPrintout dayPrintout() const override;

private:
    QComboBox* m_boar;
    QComboBox* m_method;
    QLineEdit* m_count;
    // What this edit passed through: only that goes into the document.
    bool m_boarChosen = false;
    bool m_methodChosen = false;
    bool m_countTyped = false;
};
