#include "common/FileNames.h"

#include <QDir>
#include <QStandardPaths>

namespace herd::FileNames {

QString safeStem(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (const QChar c : text)
        s.append(c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c)
                     ? QLatin1Char('_')
                     : c);
    s = s.simplified();
    // A leading dot would hide the file.
    while (s.startsWith(QLatin1Char('.')))
        s.remove(0, 1);
    return s.isEmpty() ? QStringLiteral("zostava") : s;
}

QString readable(const QString& title, const QString& suffix, const QDate& day) {
    return safeStem(title) + QLatin1Char(' ') + day.toString(u"yyyy-MM-dd") + QLatin1Char('.') +
           suffix;
}

QString inDocuments(const QString& fileName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

} // namespace herd::FileNames
