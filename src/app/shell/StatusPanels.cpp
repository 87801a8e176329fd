#include "shell/StatusPanels.h"

#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QStatusBar>

namespace {
QLabel* panel(QStatusBar* bar, const char* name, int width) {
    auto* label = new QLabel(QStringLiteral(" "), bar);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(width);
    return label;
}
} // namespace

StatusPanels::StatusPanels(QStatusBar* bar)
    : QObject(bar)
    , m_farm(panel(bar, "StatusFarma", 185))
    , m_message(panel(bar, "StatusSprava", 520))
    , m_date(panel(bar, "StatusDatum", 50))
    , m_progress(new QProgressBar(m_message)) {
    m_farm->setFixedWidth(185);
    bar->addWidget(m_farm);
    bar->addWidget(m_message, 1);
    bar->addPermanentWidget(m_date);
    m_date->setText(QLocale(QLocale::Slovak).toString(QDate::currentDate(), QLocale::ShortFormat));

    m_progress->setObjectName(QStringLiteral("ProgressBarDb"));
    m_progress->setTextVisible(true);
    m_progress->hide();
}

void StatusPanels::setFarmName(const QString& name) {
    m_farm->setText(QStringLiteral("  ") + name);
}

void StatusPanels::setMessage(const QString& text) {
    m_message->setText(text);
}

QString StatusPanels::message() const {
    return m_message->text();
}

herd::Progress StatusPanels::progress() {
    return [this](int total, int done) { step(total, done); };
}

void StatusPanels::step(int total, int done) {
    if (total <= 0) {
        m_progress->setValue(0);
        m_progress->hide();
        setMessage(QStringLiteral(" "));
        return;
    }
    if (m_progress->isHidden()) {
        m_progress->setGeometry(m_message->contentsRect());
        m_progress->show();
    }
    m_progress->setMaximum(total);
    m_progress->setValue(done);
    // Work runs on the interface thread; let the bar paint between rows.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
