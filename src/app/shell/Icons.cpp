#include "shell/Icons.h"

#include <QFile>
#include <QHash>

namespace Icons {

QIcon image(int index) {
    static QHash<int, QIcon> cache;
    auto it = cache.find(index);
    if (it != cache.end())
        return *it;
    QIcon icon;
    for (int size : {16, 22, 32}) {
        const QString path =
            QStringLiteral(":/icons/%1-%2.png").arg(index, 2, 10, QLatin1Char('0')).arg(size);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    cache.insert(index, icon);
    return icon;
}

} // namespace Icons
