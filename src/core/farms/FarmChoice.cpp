#include "farms/FarmChoice.h"

#include "db/Sql.h"
#include "db/SqlError.h"
#include "db/Transaction.h"
#include "farms/AnimalRow.h"
#include "farms/ChovFar.h"
#include "farms/HousingKind.h"
#include "farms/ModuleTreeBuilder.h"
#include "farms/ShellState.h"

#include <QHash>
#include <QSet>
#include <optional>

namespace herd {

namespace {

const QString title = QStringLiteral("Aktuálna farma");

struct FarmRow {
    QString chov1;
    QString name;
    QHash<QString, int> counts; // by count column
};

std::optional<FarmRow> readFarm(const QString& farm) {
    QStringList columns;
    for (const HousingKind& kind : HousingKind::counted())
        columns.append(kind.countColumn);
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT chovatel_chov1, nazov_farmy, ") +
                                columns.join(QLatin1Char(',')) +
                                QStringLiteral(" FROM tfarmy WHERE cislo_farmy = ?"),
                            {farm});
    if (!q.next())
        return std::nullopt;
    FarmRow row{q.value(0).toString(), q.value(1).toString(), {}};
    for (int i = 0; i < columns.size(); ++i)
        row.counts.insert(columns.at(i), q.value(2 + i).toInt());
    return row;
}

// The farm's section placeholders (action '00') as "jedinec|ustajnenie",
// compared as the database compares them (case and trailing blanks aside).
// Read once: no index serves the test per section, and on a large farm
// repeating it for every section scanned the farm's animals again and again.
QSet<QString> placeholders(const QString& farm) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT jedinec, ustajnenie FROM tanimal "
                                           "WHERE cislo_farmy = ? AND kod_akcie = '00'"),
                            {farm});
    QSet<QString> found;
    while (q.next())
        found.insert(q.value(0).toString().trimmed().toUpper() + QLatin1Char('|') +
                     q.value(1).toString().trimmed().toUpper());
    return found;
}

// Adds the section to cdruhustajnenia and gives it its placeholder in tanimal
// unless it has one already.
void addSection(const QString& farm, const HousingKind& kind, const QString& code,
                const QSet<QString>& existing) {
    Sql::exec(QStringLiteral("INSERT INTO cdruhustajnenia "
                             "(ustajnenie,kod_druhuustajnenia,druhustajnenia,nazov) "
                             "VALUES (?, ?, ?, ?)"),
              {code, kind.kod, kind.sectionText(code), kind.nazov});
    if (existing.contains(kind.placeholder.trimmed().toUpper() + QLatin1Char('|') +
                          code.trimmed().toUpper()))
        return;
    // The placeholder never shows as an animal (action '00', datvyr set) but
    // makes its section appear in the housing tree.
    Sql::exec(
        QStringLiteral("INSERT INTO tanimal (") + AnimalRow::columns() +
            QStringLiteral(
                ", sekcia_kluc) VALUES (?, ?, ?, ?, ?, ?, '0', '0', '0000', '00000', '00', "
                "'00', '000', '00', '00000', NULL, NULL, ?, NULL, NULL, '00', NULL, now(), NULL, "
                "NULL, NULL, NULL, NULL, NULL, ?)"),
        {farm, kind.placeholder, kind.stromUst, kind.stromKtg, kind.kodKategorie,
         kind.imageKategorie, code, code});
}

} // namespace

FarmChoiceResult FarmChoice::choose(const QString& farm, const Progress& progress) {
    FarmChoiceResult result;
    if (farm.trimmed().isEmpty()) {
        result.notices.append(ShellState::noFarmNotice());
        return result;
    }
    // The farm's rows change all or nothing: a failure leaves the previous
    // current farm, its sections and the placeholders as they were.
    try {
        Transaction transaction;
        int step = 0;
        Sql::exec(QStringLiteral("UPDATE tfarmy SET aktualna = 0"));
        const std::optional<FarmRow> row = readFarm(farm);
        if (!row) {
            report(progress, 0, 0);
            result.notices.append(
                Notice::error(title, QStringLiteral("Farma %1 nie je evidovaná !").arg(farm)));
            return result;
        }
        Sql::exec(QStringLiteral("UPDATE tfarmy SET aktualna = 1 WHERE cislo_farmy = ?"), {farm});
        report(progress, Steps, ++step);

        Sql::exec(QStringLiteral("DELETE FROM cdruhustajnenia"));
        const QSet<QString> existing = placeholders(farm);
        const HousingKind& boars = HousingKind::boarHouse();
        addSection(farm, boars, boars.sectionCode(1), existing);
        for (const HousingKind& kind : HousingKind::counted()) {
            const int count = row->counts.value(kind.countColumn);
            for (int n = 1; n <= count; ++n)
                addSection(farm, kind, kind.sectionCode(n), existing);
            report(progress, Steps, ++step);
        }
        transaction.commit();
        result.chosen = true;
        result.aktFarma = farm;
        result.aktChov = row->chov1;
        result.farmName = row->name;
    } catch (const SqlError& e) {
        report(progress, 0, 0);
        result.notices.append(Notice::error(title, e.text()));
        return result;
    }

    result.trees = ModuleTreeBuilder::build(farm);
    result.notices += result.trees.errors;
    try {
        ChovFar::rebuild(farm); // DDL: only after the commit
    } catch (const SqlError& e) {
        result.notices.append(Notice::error(
            title, QStringLiteral("Chybné vytvorenie tabulky Chov_far: ") + e.text()));
    }
    if (result.notices.isEmpty())
        result.notices.append(
            Notice::information(title, QStringLiteral("Aktuálna farma úspešne vybraná !")));
    report(progress, 0, 0);
    return result;
}

} // namespace herd
