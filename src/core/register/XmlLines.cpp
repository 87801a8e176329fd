#include "register/XmlLines.h"

#include <QSaveFile>
#include <algorithm>

namespace herd {

namespace {
// Blanks for an indent, appended from here (a count of characters goes
// through QByteArray::insert).
void indentBy(QByteArray& bytes, int indent) {
    static constexpr char blanks[] = "                ";
    while (indent > 0) {
        const int n = std::min<int>(indent, sizeof blanks - 1);
        bytes.append(blanks, n);
        indent -= n;
    }
}
} // namespace

XmlLines::XmlLines() {
    line(0, QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    line(0, QString());
}

void XmlLines::line(int indent, const QString& text) {
    indentBy(m_bytes, indent);
    m_bytes.append(text.toUtf8());
    m_bytes.append("\r\n", 2);
}

void XmlLines::open(int indent, const QString& name) {
    line(indent, QLatin1Char('<') + name + QLatin1Char('>'));
}

void XmlLines::close(int indent, const QString& name) {
    line(indent, QStringLiteral("</") + name + QLatin1Char('>'));
}

void XmlLines::element(int indent, const QString& name, const QString& value) {
    const QByteArray tag = name.toUtf8();
    field(indent, QLatin1StringView(tag), value);
}

void XmlLines::field(int indent, QLatin1StringView name, QStringView value) {
    // Written straight into the bytes, without a text per line or value: a
    // file holds a line per value, and building them cost most of the export.
    indentBy(m_bytes, indent);
    m_bytes.append('<').append(name.data(), name.size()).append('>');
    appendValue(value);
    m_bytes.append("</", 2).append(name.data(), name.size()).append(">\r\n", 3);
}

void XmlLines::appendValue(QStringView value) {
    const qsizetype start = m_bytes.size();
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'&':
            m_bytes.append("&amp;", 5);
            break;
        case u'<':
            m_bytes.append("&lt;", 4);
            break;
        case u'>':
            m_bytes.append("&gt;", 4);
            break;
        default:
            if (c.unicode() >= 0x80) { // not ASCII: the whole value through UTF-8
                m_bytes.truncate(start);
                m_bytes.append(escape(value.toString()).toUtf8());
                return;
            }
            m_bytes.append(char(c.unicode()));
        }
    }
}

QString XmlLines::escape(const QString& value) {
    if (!value.contains(QLatin1Char('&')) && !value.contains(QLatin1Char('<')) &&
        !value.contains(QLatin1Char('>')))
        return value;
    QString text = value;
    text.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    text.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    text.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    return text;
}

QString XmlLines::save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(m_bytes) != m_bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace herd
