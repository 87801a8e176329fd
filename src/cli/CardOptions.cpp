#include "CardOptions.h"

#include "BatchOutput.h"
#include "common/Padding.h"

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

std::optional<Culling> culling(const QStringList& args) {
    const qsizetype date = args.indexOf(QStringLiteral("--date"));
    const qsizetype reason = args.indexOf(QStringLiteral("--reason"));
    if (args.size() != 4 || date < 0 || reason < 0 || date % 2 || reason % 2)
        return std::nullopt;
    const QString code = args.at(reason + 1).trimmed();
    return Culling{typedDate(args.at(date + 1)),
                   code.isEmpty() ? QString() : herd::padLeftZeros(code, 2)};
}

int finish(const herd::Notice& notice, Io& io) {
    print({notice}, io);
    return notice.kind == herd::Notice::Kind::Error ? 1 : 0;
}

} // namespace cli
