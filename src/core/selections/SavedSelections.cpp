#include "selections/SavedSelections.h"

#include "db/ReadOnlySelect.h"
#include "db/Sql.h"
#include "db/SqlError.h"

namespace herd {

namespace {

const QString columns =
    QStringLiteral("zostava_id, nazov, popis, sqlvyraz, modifikovana, vyber FROM sys_zostavy");

SavedSelection rowOf(const QSqlQuery& q) {
    SavedSelection s;
    s.id = q.value(0).toInt();
    s.name = q.value(1).toString();
    s.description = q.value(2).toString();
    s.statement = q.value(3).toString();
    s.saved = q.value(4).toDateTime();
    if (!q.value(5).isNull())
        s.selection = Selection::fromJson(q.value(5).toString().toUtf8());
    return s;
}

std::optional<SavedSelection> first(const QString& where, const QVariant& value) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT ") + columns + where, {value});
    if (!q.next())
        return std::nullopt;
    return rowOf(q);
}

// A text as it is stored: trimmed, and empty rather than NULL.
QString stored(const QString& text) {
    const QString t = text.trimmed();
    return t.isNull() ? QStringLiteral("") : t;
}

Notice refusal(const QString& text) {
    return Notice::error(SavedSelections::title(), text);
}

// The refusal of a name and description, empty when they can be stored.
QString namesRefused(int id, const QString& name, const QString& description) {
    if (name.trimmed().isEmpty())
        return QStringLiteral("Nebol zadaný názov výberu.");
    if (name.trimmed().size() > SavedSelections::nameWidth)
        return QStringLiteral("Názov výberu môže mať najviac %1 znakov.")
            .arg(SavedSelections::nameWidth);
    if (description.trimmed().size() > SavedSelections::descriptionWidth)
        return QStringLiteral("Popis výberu môže mať najviac %1 znakov.")
            .arg(SavedSelections::descriptionWidth);
    const auto same = SavedSelections::findByName(name.trimmed());
    if (same && same->id != id)
        return QStringLiteral("Výber s názvom „%1“ je už uložený. Zadajte iný názov.")
            .arg(same->name);
    return {};
}

} // namespace

QList<SavedSelection> SavedSelections::list() {
    QSqlQuery q =
        Sql::exec(QStringLiteral("SELECT ") + columns + QStringLiteral(" ORDER BY nazov"));
    QList<SavedSelection> rows;
    while (q.next())
        rows.append(rowOf(q));
    return rows;
}

QSqlQuery SavedSelections::listQuery() {
    return Sql::execScrollable(QStringLiteral(
        "SELECT zostava_id, nazov, popis, sqlvyraz, modifikovana FROM sys_zostavy ORDER BY nazov"));
}

std::optional<SavedSelection> SavedSelections::find(int id) {
    return first(QStringLiteral(" WHERE zostava_id = ?"), id);
}

std::optional<SavedSelection> SavedSelections::findByName(const QString& name) {
    return first(QStringLiteral(" WHERE nazov = ?"), name);
}

Notice SavedSelections::save(const QString& name, const QString& description,
                             const Selection& selection) {
    try {
        const QString refused = namesRefused(0, name, description);
        if (!refused.isEmpty())
            return refusal(refused);
        const SelectionStatement statement = SelectionStatement::build(selection);
        // A condition the user typed is refused now, not at every later run.
        QString unsafe;
        ReadOnlySelect::check(statement.sql, unsafe, int(statement.values.size()));
        if (!unsafe.isEmpty())
            return refusal(unsafe);
        Sql::exec(QStringLiteral("INSERT INTO sys_zostavy (nazov, popis, sqlvyraz, modifikovana, "
                                 "vyber) VALUES (?, ?, ?, NOW(), ?)"),
                  {stored(name), stored(description), statement.sql,
                   QString::fromUtf8(selection.toJson())});
        return Notice::information(title(), QStringLiteral("Výber bol uložený."));
    } catch (const SqlError& e) {
        return refusal(QStringLiteral("Chyba: ") + e.text());
    }
}

Notice SavedSelections::rename(int id, const QString& name, const QString& description) {
    try {
        if (!find(id))
            return refusal(QStringLiteral("Nebol vybratý uložený výber."));
        const QString refused = namesRefused(id, name, description);
        if (!refused.isEmpty())
            return refusal(refused);
        Sql::exec(
            QStringLiteral("UPDATE sys_zostavy SET nazov = ?, popis = ? WHERE zostava_id = ?"),
            {stored(name), stored(description), id});
        return Notice::information(title(), QStringLiteral("Výber bol premenovaný."));
    } catch (const SqlError& e) {
        return refusal(QStringLiteral("Chyba: ") + e.text());
    }
}

Notice SavedSelections::remove(int id) {
    try {
        Sql::exec(QStringLiteral("DELETE FROM sys_zostavy WHERE zostava_id = ?"), {id});
        return Notice::information(deleteTitle(), QStringLiteral("Zostava je vymazaná z ponuky !"));
    } catch (const SqlError& e) {
        return Notice::error(deleteTitle(), QStringLiteral("Chyba: ") + e.text());
    }
}

SelectionStatement SavedSelections::statementOf(const SavedSelection& saved) {
    if (saved.selection)
        return SelectionStatement::build(*saved.selection);
    SelectionStatement s;
    s.sql = saved.statement;
    return s;
}

} // namespace herd
