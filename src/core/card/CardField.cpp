#include "card/CardField.h"

#include "common/Padding.h"

#include <QDate>
#include <algorithm>

namespace herd::CardField {

QString padLeftZeros(const QString& typed, int width) {
    const QString trimmed = typed.trimmed();
    if (trimmed.isEmpty() || trimmed.size() >= width)
        return typed;
    return herd::padLeftZeros(trimmed, width);
}

std::optional<QVariantMap> byColumn(const QVariantMap& changes, const QStringList& columns,
                                    QString& unknown) {
    QVariantMap out;
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        const auto column = std::find_if(columns.begin(), columns.end(), [&](const QString& c) {
            return c.compare(it.key(), Qt::CaseInsensitive) == 0;
        });
        if (column == columns.end()) {
            unknown = it.key();
            return std::nullopt;
        }
        out.insert(*column, it.value());
    }
    return out;
}

QString assignments(const QVariantMap& changed, QVariantList& values) {
    QStringList sets;
    for (auto it = changed.begin(); it != changed.end(); ++it) {
        sets.append(it.key() + QStringLiteral(" = ?"));
        values.append(it.key().startsWith(QLatin1String("Datum_")) ? QVariant(it.value().toDate())
                                                                   : it.value());
    }
    return sets.join(QStringLiteral(", "));
}

} // namespace herd::CardField
