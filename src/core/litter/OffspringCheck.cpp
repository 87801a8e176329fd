#include "litter/OffspringCheck.h"

#include "common/Padding.h"
#include "db/Sql.h"
#include "litter/OffspringBatch.h"
#include "litter/OffspringKey.h"
#include "litter/OffspringRows.h"

#include <QSqlQuery>
#include <algorithm>

namespace herd::OffspringCheck {

namespace {

// A code padded to its width, the empty code as zeros; nothing when it is
// not a number of at most that many digits.
std::optional<QString> code(const QVariant& typed, int width) {
    const QString text = typed.toString().trimmed();
    if (text.isEmpty())
        return QString(width, QLatin1Char('0'));
    if (!digitsOnly(text) || text.size() > width)
        return std::nullopt;
    return padLeftZeros(text, width);
}

QString rowMessage(const char* column) {
    return QStringLiteral("* ") +
           *OffspringBatch::cell(QString::fromLatin1(column), QStringLiteral("x")).refusal;
}

// One row as the check leaves it: its four cells (padded, or as typed when
// they cannot be read) and its verdict.
struct Checked {
    int id;
    QVariantList cells; // ear number, category, teats, culling code
    QString fault;
};

// Writes the checked rows, many to a statement.
void write(const QList<Checked>& rows) {
    QList<QVariantList> values;
    values.reserve(rows.size());
    for (const Checked& r : rows)
        values.append(QVariantList{r.id} + r.cells +
                      QVariantList{r.fault.isEmpty() ? 1 : 0,
                                   r.fault.isEmpty() ? QStringLiteral(" ") : r.fault});
    Sql::execOverRows(QStringLiteral("UPDATE davka_pot d JOIN (%1) x ON d.davka_pot_ID = x.i "
                                     "SET d.Usne_cislo = x.e, d.Kod_kategorie = x.k, "
                                     "d.Cecky = x.c, d.Kod_VyrVU = x.v, d.status_zaznamu = x.s, "
                                     "d.ERR_oznam = x.m"),
                      {QStringLiteral("i"), QStringLiteral("e"), QStringLiteral("k"),
                       QStringLiteral("c"), QStringLiteral("v"), QStringLiteral("s"),
                       QStringLiteral("m")},
                      values);
}

// Pads and tests the cells of every row; writes only the rows that change.
void markCells() {
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT davka_pot_ID, Usne_cislo, Kod_kategorie, Cecky, Kod_VyrVU FROM davka_pot"));
    QList<Checked> changes;
    static const QStringList categories{"0", "3", "4", "6", "7", "9"};
    while (q.next()) {
        const std::optional<QString> ear = code(q.value(1), Width::EarNumber);
        QString category = q.value(2).toString().trimmed();
        if (category.isEmpty())
            category = QStringLiteral("0");
        const std::optional<QString> teats = code(q.value(3), 2);
        const std::optional<QString> culling = code(q.value(4), 2);
        Checked c{q.value(0).toInt(),
                  {ear.value_or(q.value(1).toString()), category,
                   teats.value_or(q.value(3).toString()), culling.value_or(q.value(4).toString())},
                  {}};
        const bool filled = ear && *ear > QLatin1String("0000000");
        if (!ear || (!filled && category != QLatin1String("0") && category != QLatin1String("9")))
            c.fault = rowMessage("Usne_cislo");
        else if (!categories.contains(category) || (filled && category == QLatin1String("0")))
            c.fault = rowMessage("Kod_kategorie");
        else if (!teats)
            c.fault = rowMessage("Cecky");
        else if (!culling)
            c.fault = QString::fromUtf8("* Nekorektne uvedený kód vyradenia !");
        bool changed = !c.fault.isEmpty();
        for (int i = 0; i < 4; ++i)
            changed = changed || c.cells.at(i).toString() != q.value(i + 1).toString() ||
                      q.value(i + 1).isNull();
        if (changed)
            changes.append(c);
    }
    write(changes);
}

} // namespace

Marks mark(const BatchTable& table, const FarmKeys& farm) {
    // Rows already good are not written again (the batch offers many untouched rows).
    Sql::exec(QStringLiteral("UPDATE davka_pot SET status_zaznamu = 1, ERR_oznam = ' ' "
                             "WHERE NOT (status_zaznamu <=> 1 AND ERR_oznam <=> ' ')"));
    markCells();
    const QString ear = QStringLiteral("d.Usne_cislo");
    const QString dam = QStringLiteral("d.Prasnica_farma");
    const QString good = QStringLiteral("d.status_zaznamu = 1");
    // Only litters of this farm are applied to it.
    Sql::exec(QStringLiteral("UPDATE davka_pot d LEFT JOIN tprasopr o ON o.cislo_farmy = ? "
                             "AND o.chovatel_chov = d.Chovatel_chov "
                             "AND o.prasnica_farma = d.Prasnica_farma "
                             "AND o.datum_oprasenia = d.Datum_oprasenia "
                             "SET d.status_zaznamu = 0, d.ERR_oznam = ? "
                             "WHERE o.cislo_farmy IS NULL AND %1 AND %2")
                  .arg(OffspringRows::selected(QStringLiteral("d")), good),
              {farm.farm, OffspringBatch::litterUnknown()});
    // One piglet typed twice (also '20' and '0000020', or two ear numbers
    // that differ only in the digits the key leaves out).
    const QString name = OffspringKey::animalNameSql(ear, dam);
    QSqlQuery twice = Sql::exec(
        QStringLiteral("SELECT d.davka_pot_ID FROM davka_pot d JOIN (SELECT d.Chovatel_chov, "
                       "%1 AS jedinec FROM davka_pot d WHERE %2 AND %3 "
                       "GROUP BY d.Chovatel_chov, jedinec HAVING COUNT(*) > 1) x "
                       "ON x.Chovatel_chov = d.Chovatel_chov AND x.jedinec = %1 WHERE %2 AND %3")
            .arg(name, OffspringRows::filled(QStringLiteral("d")), good));
    QList<int> ids;
    while (twice.next())
        ids.append(twice.value(0).toInt());
    for (int id : ids)
        table.setVerdict(id, false, OffspringBatch::duplicateInBatch());
    // A name another animal of the herd holds already.
    Sql::exec(QStringLiteral("UPDATE davka_pot d JOIN tanimal a ON a.cislo_farmy = ? "
                             "AND a.chovatel_chov = d.Chovatel_chov AND a.jedinec = %1 "
                             "AND a.sekcia_kluc = '' "
                             "SET d.status_zaznamu = 0, d.ERR_oznam = ? "
                             "WHERE %2 AND %3 AND NOT (a.prasnica_farma <=> d.Prasnica_farma "
                             "AND a.datum_oprasenia <=> d.Datum_oprasenia AND a.usne_cislo <=> %4)")
                  .arg(name, OffspringRows::selected(QStringLiteral("d")), good,
                       OffspringKey::pigletKeySql(ear, dam)),
              {farm.farm, OffspringBatch::alreadyInHerd()});
    QSqlQuery counts = Sql::exec(
        QStringLiteral("SELECT COUNT(*), COALESCE(SUM(ERR_oznam IN (?, ?)), 0) FROM davka_pot "
                       "WHERE status_zaznamu = 0"),
        {OffspringBatch::duplicateInBatch(), OffspringBatch::alreadyInHerd()});
    counts.next();
    return {counts.value(0).toInt(), counts.value(1).toInt()};
}

} // namespace herd::OffspringCheck
