#include "register/XmlLines.h"

#include <QSaveFile>

namespace herd {

XmlLines::XmlLines() {
    line(0, QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    line(0, QString());
}

void XmlLines::line(int indent, const QString& text) {
    m_bytes.append(indent, ' ');
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
    // Written straight into the bytes: a file holds a line per value, and
    // building each line as a text first cost most of the export's time.
    const QByteArray tag = name.toUtf8();
    m_bytes.append(indent, ' ');
    m_bytes.append('<').append(tag).append('>');
    m_bytes.append(escape(value).toUtf8());
    m_bytes.append("</", 2).append(tag).append(">\r\n", 3);
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
