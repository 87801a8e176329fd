#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace herd {

// Builds the register's XML files line by line: the declaration, an empty
// line, elements indented by blanks, CR LF line ends, UTF-8. Values are
// escaped so that every file is well-formed; codes and digits pass unchanged.
class XmlLines {
public:
    XmlLines();

    void line(int indent, const QString& text);
    void open(int indent, const QString& name);
    void close(int indent, const QString& name);
    void element(int indent, const QString& name, const QString& value);
    // The same for a fixed element name in Latin-1 (the export's fields), without a copy.
    void field(int indent, QLatin1StringView name, QStringView value);

    const QByteArray& bytes() const { return m_bytes; }
    // Writes the file anew (atomically); returns an empty text or the error.
    QString save(const QString& path) const;

    static QString escape(const QString& value);

private:
    // The value escaped and in UTF-8.
    void appendValue(QStringView value);

    QByteArray m_bytes;
};

} // namespace herd
