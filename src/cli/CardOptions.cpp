#include "CardOptions.h"

namespace cli {

QDate typedDate(const QString& text) {
    QDate day = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!day.isValid())
        day = QDate::fromString(text, QStringLiteral("d.M.yyyy"));
    return day;
}

std::optional<QVariantMap> corrections(const QStringList& args, const QStringList& columns,
                                       Io& io) {
    QVariantMap out;
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const QString option = args.at(i);
        QString column;
        for (const QString& c : columns)
            if (option.compare(QStringLiteral("--") + c, Qt::CaseInsensitive) == 0)
                column = c;
        if (column.isEmpty() || i + 1 >= args.size()) {
            io.err << "Neznámy údaj: " << option
                   << " (údaje: " << columns.join(QStringLiteral(", ")) << ")\n";
            return std::nullopt;
        }
        const QString value = args.at(i + 1);
        if (column.startsWith(QLatin1String("Datum_"), Qt::CaseInsensitive))
            out.insert(column, typedDate(value));
        else
            out.insert(column, value);
    }
    return out;
}

} // namespace cli
