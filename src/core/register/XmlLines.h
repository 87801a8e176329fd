#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace herd {

// Builds the register's XML files line by line: the declaration, an empty
// line, elements indented by blanks, CR LF line ends, UTF-8. Values are
// escaped so that every file is well-formed; codes and digits pass unchanged.
// A value that no XML file can hold is never written.
class XmlLines {
public:
    XmlLines();

    void line(int indent, const QString& text);
    void open(int indent, const QString& name);
    void close(int indent, const QString& name);
    // An element with its value escaped; false, with nothing written, when
    // the value holds a character XML 1.0 cannot carry (see forbidden).
    bool element(int indent, const QString& name, const QString& value);
    // The same for a fixed element name in Latin-1 (the export's fields), without a copy.
    bool field(int indent, QLatin1StringView name, QStringView value);

    const QByteArray& bytes() const { return m_bytes; }
    // Writes the file anew (atomically); returns an empty text or the error.
    QString save(const QString& path) const;

    // &, < and > as entities, a carriage return as &#13; (a parser would
    // otherwise read it as a line end).
    static QString escape(const QString& value);
    // The position of the first character XML 1.0 forbids (a control
    // character other than tab, line feed and carriage return, a lone
    // surrogate, U+FFFE, U+FFFF); -1 when there is none.
    static qsizetype forbidden(QStringView value);

    // Room for the bytes of a whole file, when its size can be foreseen.
    void reserve(qsizetype bytes) { m_bytes.reserve(bytes); }

private:
    QByteArray m_bytes;
};

} // namespace herd
