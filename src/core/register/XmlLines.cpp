#include "register/XmlLines.h"

#include <QSaveFile>

namespace herd {

XmlLines::XmlLines() {
    line(0, QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    line(0, QString());
}

void XmlLines::line(int indent, const QString& text) {
    m_bytes += QByteArray(indent, ' ');
    m_bytes += text.toUtf8();
    m_bytes += "\r\n";
}

void XmlLines::open(int indent, const QString& name) {
    line(indent, QLatin1Char('<') + name + QLatin1Char('>'));
}

void XmlLines::close(int indent, const QString& name) {
    line(indent, QStringLiteral("</") + name + QLatin1Char('>'));
}

void XmlLines::element(int indent, const QString& name, const QString& value) {
    line(indent, QLatin1Char('<') + name + QLatin1Char('>') + escape(value) + QStringLiteral("</") +
                     name + QLatin1Char('>'));
}

QString XmlLines::escape(const QString& value) {
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
