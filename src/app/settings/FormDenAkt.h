#pragma once

#include <QDate>
#include <QDialog>
#include <optional>

class QCalendarWidget;
class QPushButton;

// The date picker the batches ask for a day with: a month calendar and
// "Potvrď". The caller sets the caption.
class FormDenAkt : public QDialog {
    Q_OBJECT
public:
    explicit FormDenAkt(QWidget* parent = nullptr);

    // Shows the picker modally with the calendar on today; the chosen day, or
    // nothing when the user closed it without confirming.
    std::optional<QDate> ask(const QString& caption);

    QCalendarWidget* calendar() const { return m_calendar; }
    QPushButton* confirmButton() const { return m_confirm; }

protected:
    bool event(QEvent* event) override;

private:
    QCalendarWidget* m_calendar;
    QPushButton* m_confirm;
};
