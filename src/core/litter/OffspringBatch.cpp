#include "litter/OffspringBatch.h"

#include "common/DateText.h"
#include "common/Padding.h"
#include "db/Sql.h"
#include "db/Transaction.h"
#include "litter/OffspringApply.h"
#include "litter/OffspringCheck.h"
#include "litter/OffspringDocuments.h"
#include "litter/OffspringRows.h"
#include "litter/OffspringSelection.h"

namespace herd {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

const QString earCol = QStringLiteral("Usne_cislo");
const QString categoryCol = QStringLiteral("Kod_kategorie");
const QString teatsCol = QStringLiteral("Cecky");
const QString unfilledEar = QStringLiteral("0000000");
const QString unfilledCategory = QStringLiteral("0");

QList<CellRule> makeRules() {
    using K = CellRule::Kind;
    return {
        {earCol,
         K::Code,
         Width::EarNumber,
         0,
         0,
         u("Nekorektne uvedené ušné číslo !"),
         {"tpotpoh.usne_cislo"}},
        {categoryCol,
         K::Code,
         1,
         0,
         9,
         u("Nekorektne uvedená kategória - 3,4,6,7,9 !"),
         {"tpotpoh.kod_kategorie", "tanimal.kod_kategorie"}},
        {teatsCol, K::Code, 2, 0, 0, u("Nekorektne uvedený počet cecok !"), {"tpotpoh.cecky"}},
        {QStringLiteral("Kod_VyrVU"),
         K::Code,
         2,
         0,
         0,
         u("Nekorektne uvedený kód vyradenia !"),
         {"tpotpoh.kod_vyrVU"}},
    };
}

} // namespace

const QList<CellRule>& OffspringBatch::cellRules() {
    static const QList<CellRule> rules = makeRules();
    return rules;
}

OffspringBatch::OffspringBatch()
    : m_table("davka_pot", "davka_pot_ID",
              {QStringLiteral("Chovatel_chov"), QStringLiteral("Prasnica_farma"),
               QStringLiteral("Datum_oprasenia"), earCol, categoryCol, teatsCol,
               QStringLiteral("Kod_VyrVU")},
              cellRules())
    , m_texts(BatchTexts::standard(u("selektované potomstvo"), editTitle())) {}

BatchOutcome OffspringBatch::create(const FarmKeys& farm, const std::optional<ExtraLitter>& extra,
                                    const Progress& progress) {
    if (m_table.count() > 0)
        return {{Notice::error(createTitle(), u("Dávka vstupných údajov je už vytvorená !"))},
                false};
    ProgressEnd end{progress};
    Notices notices;
    if (extra && !OffspringSelection::extraFound(farm, *extra))
        notices.append(Notice::warning(createTitle(),
                                       u("Prasnica %1 nemá odstavený vrh z %2 !")
                                           .arg(extra->sow, DateText::dotted(extra->farrowed))));
    // One statement: all rows or none.
    const int rows = OffspringSelection::insertRows(farm, extra);
    report(progress, 1, 1);
    if (rows == 0) {
        notices.append(Notice::error(createTitle(), u("Nie sú odstavené prasnice !")));
        return {notices, false};
    }
    notices.append(
        Notice::information(createTitle(), u("Dávka potomstva na selekciu je vytvorená !")));
    return {notices, true};
}

BatchOutcome OffspringBatch::check(const FarmKeys& farm, const Progress& progress) {
    if (m_table.count() == 0)
        return {{Notice::error(m_texts.checkTitle, m_texts.empty)}, false};
    ProgressEnd end{progress};
    Transaction transaction;
    const OffspringCheck::Marks marks = OffspringCheck::mark(m_table, farm);
    transaction.commit();
    if (marks.duplicates > 0)
        return {{Notice::error(u("Kontrola dávky"), u("Dávka obsahuje duplicitné ušné čísla !"))},
                false};
    if (marks.faulty > 0)
        return {{Notice::error(u("Kontrola dávky"), m_texts.faulty)}, false};
    return {
        {Notice::information(u("Kontrola dávky "), u("Dávka potomstva na selekciu je bez chýb !"))},
        true};
}

int OffspringBatch::selectedCount() const {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM davka_pot d WHERE ") +
                      OffspringRows::selected(QStringLiteral("d")))
        .toInt();
}

BatchOutcome OffspringBatch::apply(const FarmKeys& farm, const Progress& progress) {
    if (m_table.count() == 0)
        return {{Notice::error(m_texts.checkTitle, m_texts.empty)}, false};
    ProgressEnd end{progress};
    Transaction transaction;
    // The check's marks stay when the batch is refused: they show the rows at fault.
    if (OffspringCheck::mark(m_table, farm).faulty > 0) {
        transaction.commit();
        return {{Notice::error(m_texts.applyTitle, m_texts.faulty)}, false};
    }
    if (selectedCount() == 0) {
        transaction.commit();
        return {{Notice::error(m_texts.checkTitle, m_texts.empty)}, false};
    }
    OffspringApply::writeLitters(farm);
    OffspringApply::writePiglets(farm);
    OffspringDocuments::write(farm, progress);
    transaction.commit();
    return {{Notice::information(m_texts.applyTitle, m_texts.applied)}, true};
}

QString OffspringBatch::describe(const BatchRow& row) const {
    return QStringLiteral("%1 chov %2 vrh %3 ušné číslo %4")
        .arg(row.text(QStringLiteral("Prasnica_farma")), row.text(QStringLiteral("Chovatel_chov")),
             DateText::dotted(row.date(QStringLiteral("Datum_oprasenia"))), row.text(earCol));
}

QSqlQuery OffspringBatch::litters(const QString& farm) {
    return Sql::execScrollable(
        QStringLiteral(
            "SELECT s.Prasnica_farma AS prasnica, s.Chovatel_chov AS chov, "
            "s.Datum_oprasenia AS vrh, o.poradie_vrhu AS por, o.datum_odstavu AS odstav, "
            "o.pocet_dochov AS DO FROM (SELECT DISTINCT Chovatel_chov, Prasnica_farma, "
            "Datum_oprasenia FROM davka_pot) s "
            "LEFT JOIN tprasopr o ON o.cislo_farmy = ? AND o.chovatel_chov = s.Chovatel_chov "
            "AND o.prasnica_farma = s.Prasnica_farma AND o.datum_oprasenia = s.Datum_oprasenia "
            "ORDER BY s.Prasnica_farma, s.Datum_oprasenia, s.Chovatel_chov"),
        {farm});
}

QStringList OffspringBatch::columns() {
    return {earCol, categoryCol, teatsCol};
}

CellCheck OffspringBatch::cell(const QString& column, const QVariant& typed) {
    const QString text = typed.toString().trimmed();
    // A cell left as the batch was created is no entry.
    if (column.compare(earCol, Qt::CaseInsensitive) == 0) {
        if (text == unfilledEar ||
            (digitsOnly(text) && text.size() <= Width::EarNumber && text.toLongLong() > 0))
            return {padLeftZeros(text, Width::EarNumber), std::nullopt};
        return {unfilledEar, u("Nekorektne uvedené ušné číslo !")};
    }
    if (column.compare(categoryCol, Qt::CaseInsensitive) == 0) {
        static const QStringList categories{"3", "4", "6", "7", "9"};
        if (text == unfilledCategory || categories.contains(text))
            return {text, std::nullopt};
        return {unfilledCategory, u("Nekorektne uvedená kategória - 3,4,6,7,9 !")};
    }
    if (column.compare(teatsCol, Qt::CaseInsensitive) == 0) {
        if (text.isEmpty())
            return {QStringLiteral("00"), std::nullopt};
        if (digitsOnly(text) && text.size() <= 2)
            return {padLeftZeros(text, 2), std::nullopt};
        return {typed, u("Nekorektne uvedený počet cecok !")};
    }
    return {typed, std::nullopt};
}

std::optional<QString> OffspringBatch::extraSow(const QString& typed) {
    const QString text = typed.trimmed();
    if (!digitsOnly(text) || text.size() > Width::Sow)
        return std::nullopt;
    return padLeftZeros(text, Width::Sow);
}

} // namespace herd
