#pragma once

#include "common/Notice.h"
#include "selections/Selection.h"
#include "selections/SelectionStatement.h"

#include <QDateTime>
#include <QList>
#include <QSqlQuery>
#include <optional>

namespace herd {

// A row of sys_zostavy.
struct SavedSelection {
    int id = 0;
    QString name;
    QString description;
    QString statement;
    QDateTime saved;
    // The description the statement is generated from; nothing for a row
    // that holds only a statement.
    std::optional<Selection> selection;
};

// The saved quick selections (sys_zostavy): listed by name, saved, renamed
// and deleted with every text bound.
class SavedSelections {
public:
    static QString title() { return QStringLiteral("Rýchle výbery"); }
    static QString deleteTitle() { return QStringLiteral("Vymazanie zostavy z ponuky"); }
    static QString deleteQuestion() {
        return QStringLiteral("Chceš vymazať uvedenú zostavu z ponuky ? ");
    }

    // Every saved selection, by name.
    static QList<SavedSelection> list();
    // The rows for the grid of "Uloženie" (number, name, description,
    // statement, date of saving), by name; scrollable.
    static QSqlQuery listQuery();
    static std::optional<SavedSelection> find(int id);
    static std::optional<SavedSelection> findByName(const QString& name);

    // "Výber bol uložený." or the refusal: no name, a name or description too
    // long, a name already saved, a selection that does not build, a typed
    // condition the read-only path refuses (a second statement, …), or the
    // database's fault as "Chyba: …". A refused save changes nothing.
    static Notice save(const QString& name, const QString& description, const Selection& selection);
    // Gives a saved selection a new name and description (same refusals).
    static Notice rename(int id, const QString& name, const QString& description);
    // Deletes it: "Zostava je vymazaná z ponuky !".
    static Notice remove(int id);

    // What the saved selection runs: generated again from its description
    // (values bound), or its statement as saved when it has none. Throws
    // SqlError when the description no longer fits the table.
    static SelectionStatement statementOf(const SavedSelection& saved);

    static constexpr int nameWidth = 60;
    static constexpr int descriptionWidth = 255;
};

} // namespace herd
