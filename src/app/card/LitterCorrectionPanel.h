#pragma once

#include "card/CorrectionPanel.h"

#include <QHash>

class QLineEdit;

// PanelOpr: the correction and cancellation of a sow's litters
// (ComboBoxOpr), through LitterCorrection.
class LitterCorrectionPanel : public CorrectionPanel {
    Q_OBJECT
public:
    LitterCorrectionPanel(herd::ShellState& state, QWidget* parent);

    // The editable field of a tprasopr column ("Zivo_nar").
    QLineEdit* field(const QString& column) const { return m_fields.value(column); }

protected:
    QString detailSql() const override;
    QList<std::pair<QString, QString>> detailTitles() const override;
    void fill(const QSqlRecord& record) override;
    void setFieldsEnabled(bool enabled) override;
    herd::Notice save(const QSqlRecord& record) override;
    herd::Notice remove(const QSqlRecord& record) override;
    herd::DayPrintout dayPrintout() const override;

private:
    // The field check of a typed field when it is left (focus back on refusal).
    void leave(const QString& column);

    QHash<QString, QLineEdit*> m_fields;
    QStringList m_typed; // the columns typed into in this edit
};
