#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

// Saves a picture of the widget when WG_SHOTS_DIR names a folder, so that a
// window can be looked at as its user sees it.
inline void shoot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("WG_SHOTS_DIR");
    QCoreApplication::processEvents(); // let the layouts settle first
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    widget->grab().save(QDir(dir).filePath(name));
}
