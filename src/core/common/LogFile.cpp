#include "common/LogFile.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <cstdio>

namespace herd::LogFile {

namespace {

QString& logPath() {
    static QString value;
    return value;
}

void write(QtMsgType type, const QMessageLogContext&, const QString& message) {
    static QMutex mutex;
    const QMutexLocker lock(&mutex);
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    QFile file(logPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        file.write(
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss ")).toUtf8() +
            message.toUtf8() + '\n');
    }
}

} // namespace

QString path(const QString& dataRoot) {
    return dataRoot + QStringLiteral("/wgravolenta.log");
}

void install(const QString& dataRoot) {
    logPath() = path(dataRoot);
    qInstallMessageHandler(write);
}

} // namespace herd::LogFile
