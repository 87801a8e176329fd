#pragma once

#include "common/Progress.h"

#include <QObject>

class QLabel;
class QProgressBar;
class QStatusBar;

// The three status-bar panels (farm name, messages, today's date) and the
// batch progress bar ProgressBarDb laid over the message panel while it runs.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    explicit StatusPanels(QStatusBar* bar);

    void setFarmName(const QString& name);
    // The message panel; a single blank clears it.
    void setMessage(const QString& text);
    QString message() const;

    QProgressBar* progressBar() const { return m_progress; }
    // A Progress callback that moves the bar; total 0 ends the work.
    herd::Progress progress();
    void step(int total, int step);

private:
    QLabel* m_farm;
    QLabel* m_message;
    QLabel* m_date;
    QProgressBar* m_progress;
};
