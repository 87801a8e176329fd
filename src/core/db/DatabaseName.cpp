#include "db/DatabaseName.h"

#include "db/SqlError.h"

#include <QRegularExpression>

namespace herd::DatabaseName {

QString problem(const QString& name) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z0-9_]{1,64}$"));
    if (identifier.match(name).hasMatch())
        return {};
    return QStringLiteral("Názov databázy \"%1\" v nastaveniach nie je prípustný: povolené sú "
                          "písmená bez diakritiky, číslice a znak _ (najviac 64 znakov).")
        .arg(name);
}

QString checked(const QString& name) {
    const QString refusal = problem(name);
    if (!refusal.isEmpty())
        throw SqlError(refusal);
    return name;
}

QString quoted(const QString& name) {
    return QLatin1Char('`') + checked(name) + QLatin1Char('`');
}

} // namespace herd::DatabaseName
