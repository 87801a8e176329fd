#include "settings/FormDenAkt.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

FormDenAkt::FormDenAkt(QWidget* parent)
    : QDialog(parent)
    , m_calendar(new QCalendarWidget(this))
    , m_confirm(new QPushButton(QStringLiteral("Potvrď"), this)) {
    setObjectName(QStringLiteral("FormDenAkt"));
    m_calendar->setObjectName(QStringLiteral("MonthCalendar"));
    m_calendar->setLocale(QLocale(QLocale::Slovak));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setGridVisible(true);
    m_confirm->setObjectName(QStringLiteral("ButtonPotvrd"));
    m_confirm->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(m_confirm, 0, Qt::AlignHCenter);
    connect(m_confirm, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_calendar, &QCalendarWidget::activated, this,
            &QDialog::accept); // double-click or Enter
}

std::optional<QDate> FormDenAkt::ask(const QString& caption) {
    setWindowTitle(caption);
    m_calendar->setSelectedDate(QDate::currentDate());
    m_calendar->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_calendar->selectedDate();
}

bool FormDenAkt::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        move(370, 230);
    return QDialog::event(event);
}
