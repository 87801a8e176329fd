#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace herd {

// A message for the user, produced by the core and shown by a window.
struct Notice {
    enum class Kind { Information, Warning, Error };

    Kind kind = Kind::Information;
    QString title;
    QString text;

    static Notice information(const QString& title, const QString& text) {
        return {Kind::Information, title, text};
    }
    static Notice warning(const QString& title, const QString& text) {
        return {Kind::Warning, title, text};
    }
    static Notice error(const QString& title, const QString& text) {
        return {Kind::Error, title, text};
    }

    bool operator==(const Notice&) const = default;
};

using Notices = QList<Notice>;

// The texts of the notices, in order.
inline QStringList texts(const Notices& notices) {
    QStringList list;
    for (const Notice& n : notices)
        list.append(n.text);
    return list;
}

} // namespace herd
