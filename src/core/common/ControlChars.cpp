#include "common/ControlChars.h"

namespace herd::ControlChars {

QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'\\':
            out += QLatin1String("\\\\");
            continue;
        case u'\t':
            out += QLatin1String("\\t");
            continue;
        case u'\n':
            out += QLatin1String("\\n");
            continue;
        case u'\r':
            out += QLatin1String("\\r");
            continue;
        case 0x1b:
            out += QLatin1String("\\e");
            continue;
        default:
            break;
        }
        if (u < 0x20 || u == 0x7f)
            out += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else if (u >= 0x80 && u <= 0x9f) // C1 controls (a terminal's CSI among them)
            out += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

} // namespace herd::ControlChars
