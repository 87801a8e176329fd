#include "register/XmlLines.h"

#include <QSaveFile>
#include <QVarLengthArray>
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

using Line = QVarLengthArray<char, 512>;

// Appends the value escaped; false, with nothing appended, when it is not
// plain ASCII (the caller then goes through UTF-8).
bool appendAscii(Line& line, QStringView value) {
    const qsizetype start = line.size();
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'&':
            line.append("&amp;", 5);
            break;
        case u'<':
            line.append("&lt;", 4);
            break;
        case u'>':
            line.append("&gt;", 4);
            break;
        case u'\r':
            line.append("&#13;", 5);
            break;
        default:
            if (c.unicode() >= 0x80 || (c.unicode() < 0x20 && c != u'\t' && c != u'\n')) {
                line.resize(start);
                return false;
            }
            line.append(char(c.unicode()));
        }
    }
    return true;
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

bool XmlLines::element(int indent, const QString& name, const QString& value) {
    const QByteArray tag = name.toUtf8();
    return field(indent, QLatin1StringView(tag), value);
}

qsizetype XmlLines::forbidden(QStringView value) {
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            return i;
        if (c == 0xFFFE || c == 0xFFFF)
            return i;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= value.size() || !value[i + 1].isLowSurrogate())
                return i;
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return i;
        }
    }
    return -1;
}

bool XmlLines::field(int indent, QLatin1StringView name, QStringView value) {
    // The line is put together in a buffer on the stack and appended at
    // once: a file holds a line per value, and building each as a text, or
    // appending it piece by piece, cost most of the export's time.
    Line line;
    line.resize(indent, ' ');
    line.append('<');
    line.append(name.data(), name.size());
    line.append('>');
    if (!appendAscii(line, value)) {
        if (forbidden(value) >= 0)
            return false;
        const QByteArray utf8 = escape(value.toString()).toUtf8();
        line.append(utf8.constData(), utf8.size());
    }
    line.append("</", 2);
    line.append(name.data(), name.size());
    line.append(">\r\n", 3);
    m_bytes.append(line.constData(), line.size());
    return true;
}

QString XmlLines::escape(const QString& value) {
    if (!value.contains(QLatin1Char('&')) && !value.contains(QLatin1Char('<')) &&
        !value.contains(QLatin1Char('>')) && !value.contains(QLatin1Char('\r')))
        return value;
    QString text = value;
    text.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    text.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    text.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    text.replace(QLatin1Char('\r'), QStringLiteral("&#13;"));
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
