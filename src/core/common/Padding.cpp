#include "common/Padding.h"

#include "common/Rounding.h"

#include <algorithm>
#include <cmath>

namespace herd {

bool digitsOnly(const QString& text) {
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

QString padLeftZeros(const QString& value, int width) {
    const QString trimmed = value.trimmed();
    if (trimmed.size() >= width)
        return trimmed;
    return QString(width - trimmed.size(), QLatin1Char('0')) + trimmed;
}

QString tenthsText(double kilograms, int width) {
    const auto tenths = static_cast<long long>(std::llround(roundHalfEven(kilograms * 10.0, 0)));
    return padLeftZeros(QString::number(tenths), width);
}

std::optional<double> kilogramsFromTenths(const QString& text) {
    const QString t = text.trimmed();
    if (!digitsOnly(t))
        return std::nullopt;
    return t.toLongLong() / 10.0;
}

} // namespace herd
