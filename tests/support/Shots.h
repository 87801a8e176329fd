#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

// Saves a picture of the widget when WG_SHOTS_DIR names a folder.
inline void shoot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("WG_SHOTS_DIR");
    QCoreApplication::processEvents(); // let the layouts settle first
    if (!dir.isEmpty())
        widget->grab().save(QDir(dir).filePath(name));
}
