#include "views/AnimalSearch.h"

#include "db/Sql.h"
#include "views/OffspringCard.h"
#include "views/PigletKey.h"
#include "views/SowKey.h"
#include "views/SowSql.h"

namespace herd::AnimalSearch {

namespace {
QString title() {
    return QStringLiteral("Hľadaj ...");
}
} // namespace

Key parse(const QString& editText) {
    QString key = editText;
    if (key.startsWith(QLatin1Char(' ')))
        key = key.mid(1, 10);
    const QChar fifth = key.size() >= 5 ? key.at(4) : QChar();
    if (fifth == QLatin1Char(' '))
        return {Kind::Boar, key};
    if (key.size() <= 5)
        return {Kind::Sow, key};
    if (key.at(5) == QLatin1Char('/'))
        return {Kind::Offspring, key};
    return {Kind::Invalid, key};
}

Notice invalid() {
    return Notice::error(title(), QStringLiteral("Ošípaná nebola zadaná korektne !"));
}

std::optional<Notice> find(const QString& farm, const Key& key) {
    switch (key.kind) {
    case Kind::Sow:
        if (!SowKey::herdsOf(farm, SowKey::numberOf(key.text)).isEmpty())
            return std::nullopt;
        return SowSql::notFound(title());
    case Kind::Offspring:
        if (!PigletKey::herdsOf(farm, PigletKey::keyOf(key.text)).isEmpty())
            return std::nullopt;
        return OffspringCard::notFound(title());
    case Kind::Boar:
        if (Sql::value(QStringLiteral("SELECT 1 FROM tkance WHERE linia_kanca = ? "
                                      "AND register_kanca = ? LIMIT 1"),
                       {key.text.left(4).trimmed(), key.text.mid(5, 5).trimmed()})
                .isValid())
            return std::nullopt;
        return Notice::error(title(), QStringLiteral("Nie je evidovaný uvedený kanec !"));
    case Kind::Invalid:
        break;
    }
    return invalid();
}

QString frameOf(Kind kind) {
    switch (kind) {
    case Kind::Sow:
        return QStringLiteral("FramePrasnice");
    case Kind::Boar:
        return QStringLiteral("FrameKance");
    case Kind::Offspring:
        return QStringLiteral("FramePlemPotomstvo");
    case Kind::Invalid:
        break;
    }
    return {};
}

QString captionOf(Kind kind) {
    switch (kind) {
    case Kind::Sow:
        return QStringLiteral("Plemenná prasnica/ prasnička ");
    case Kind::Boar:
        return QStringLiteral("Kanec ");
    case Kind::Offspring:
        return QStringLiteral("Potomstvo - jedinec ");
    case Kind::Invalid:
        break;
    }
    return {};
}

} // namespace herd::AnimalSearch
