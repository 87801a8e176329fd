#include "card/CardField.h"

#include "common/Padding.h"

namespace herd::CardField {

QString padLeftZeros(const QString& typed, int width) {
    const QString trimmed = typed.trimmed();
    if (trimmed.isEmpty() || trimmed.size() >= width)
        return typed;
    return herd::padLeftZeros(trimmed, width);
}

} // namespace herd::CardField
