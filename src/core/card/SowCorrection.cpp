#include "card/SowCorrection.h"

#include "batch/CellRule.h"
#include "card/CardField.h"
#include "card/EnrolmentBatch.h"
#include "card/EnrolmentFields.h"
#include "card/SowCulling.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "db/Transaction.h"
#include "litter/RecomputeLitterBreed.h"
#include "register/BasicDataDocument.h"

#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>

namespace herd {

namespace {

// The correctable columns with their stored width and, for a code, the code
// table that must know it.
struct Column {
    const char* name;
    int width;
    const char* lookup = nullptr; // "table.key"
};
const Column correctable[] = {
    {"Prasnica_vKU", 1},
    {"Datum_narodenia", 0},
    {"Cecky", 2},
    {"Kod_kategorie", 1, "ckategos.Kod_kategorie"},
    {"Plemeno_KU", 8, "czplem.Plemeno_KU"},
    {"Kod_genofond", 1, "cgenofond.Kod_genofond"},
    {"Kod_krajiny_NUM", 2, "ckrajiny.Kod_krajiny_NUM"},
    {"Linia_otca", 4},
    {"Register_otca", 5},
    {"Povod_kraj", 2},
    {"Povod_okres", 2},
    {"Povod_zavod", 3},
    {"Povod_chov", 2},
    {"Povod_matka", 5},
    {"Povod_uscislo", 7},
    {"Linia_otcaMatky", 4},
    {"Register_otcaMatky", 5},
    {"Farma_povodu", 14},
};

// The message a refused field shows: the enrolment card's, but the dam's
// number is her register number here.
QString messageOf(const QString& column) {
    if (column == QLatin1String("Povod_matka"))
        return QString::fromUtf8("Nekorektne uvedená matka - kr. číslo !");
    if (column == QLatin1String("Kod_krajiny_NUM"))
        return SowCorrection::badCountry();
    if (column == QLatin1String("Farma_povodu"))
        return QString::fromUtf8("Nekorektne uvedená farma pôvodu !");
    return EnrolmentFields::message(column);
}

QString text(const QVariantMap& values, const char* column) {
    return values.value(QString::fromLatin1(column)).toString();
}

// The working value of a column for the document: the corrected value when
// the column was corrected, else its reset value.
QString working(const QVariantMap& changed, const char* column, const QString& reset) {
    const QString name = QString::fromLatin1(column);
    return changed.contains(name) ? changed.value(name).toString() : reset;
}

} // namespace

const QStringList& SowCorrection::columns() {
    static const QStringList names = [] {
        QStringList out;
        for (const Column& c : correctable)
            out.append(QString::fromLatin1(c.name));
        return out;
    }();
    return names;
}

QSqlQuery SowCorrection::candidates(const QString& farm, bool culled) {
    return Sql::execScrollable(
        QStringLiteral("SELECT prasnica_krcislo, prasnica_farma, chovatel_chov, datum_narodenia, "
                       "datum_vyradenia FROM tpraspev WHERE cislo_farmy = ? AND "
                       "datum_vyradenia IS ") +
            (culled ? QStringLiteral("NOT NULL") : QStringLiteral("NULL")) +
            QStringLiteral(" ORDER BY chovatel_chov, prasnica_farma"),
        {farm});
}

QSqlQuery SowCorrection::row(const QString& farm, const QString& herd, const QString& sow) {
    return Sql::exec(
        QStringLiteral("SELECT prasnica_krcislo AS Prasnica_KrCislo, chovatel_chov "
                       "AS Chovatel_Chov, prasnica_farma AS Prasnica_farma, "
                       "datum_vyradenia AS Datum_vyradenia, kod_vyrKU AS Kod_vyrKU, ") +
            columns().join(QStringLiteral(", ")) +
            QStringLiteral(" FROM tpraspev WHERE cislo_farmy = ? AND "
                           "chovatel_chov = ? AND prasnica_farma = ?"),
        {farm, herd, sow});
}

Notice SowCorrection::correct(const FarmKeys& farm, const QString& herd, const QString& sow,
                              const QVariantMap& changes) {
    if (changes.isEmpty())
        return Notice::error(title(), nothingToCorrect());
    QString unknown;
    const std::optional<QVariantMap> typed = CardField::byColumn(changes, columns(), unknown);
    if (!typed)
        return Notice::error(title(), unknownField() + unknown);
    QVariantMap changed = *typed;
    try {
        Transaction transaction;
        const QVariantList key{farm.farm, herd, sow};
        const QString where =
            QStringLiteral(" WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ?");
        QStringList selected;
        for (const Column& c : correctable)
            selected.append(QString::fromLatin1(c.name));
        QSqlQuery row =
            Sql::exec(QStringLiteral("SELECT prasnica_krcislo, datum_vyradenia, ") +
                          selected.join(QStringLiteral(", ")) + QStringLiteral(" FROM tpraspev") +
                          where + QStringLiteral(" FOR UPDATE"),
                      key);
        if (!row.next())
            return Notice::error(title(), SowCulling::unknownSow());
        if (!row.value(1).isNull())
            return Notice::error(title(), SowCulling::alreadyCulled());
        const QString registerNumber = row.value(0).toString();

        // The card as it stands after the correction, for the checks that
        // weigh other fields (performance control, import).
        QVariantMap card;
        for (int i = 0; i < selected.size(); ++i)
            card.insert(selected.at(i), row.value(i + 2));
        card.insert(QStringLiteral("Chovatel_Chov"), herd);
        card.insert(QStringLiteral("Prasnica_KrCislo"), registerNumber);
        for (auto it = changed.begin(); it != changed.end(); ++it)
            card.insert(it.key(), it.value());

        for (const Column& c : correctable) {
            const QString name = QString::fromLatin1(c.name);
            if (!changed.contains(name))
                continue;
            auto refuse = [&] { return Notice::error(checkTitle(), messageOf(name)); };
            if (c.width == 0) { // the birth date
                if (!changed.value(name).toDate().isValid())
                    return refuse();
                continue;
            }
            QString value = changed.value(name).toString();
            // The enrolment's cell rules: codes of digits, free text without
            // control characters, each within its width.
            if (const CellRule* rule = CellRules::find(EnrolmentBatch::cellRules(), name);
                rule && !CellRules::check(*rule, value).good())
                return refuse();
            if (name != QLatin1String("Farma_povodu")) {
                const FieldOutcome out = EnrolmentFields::leave(name, card, herd);
                if (out.error)
                    return refuse();
                if (out.set.contains(name))
                    value = out.set.value(name).toString();
            }
            if (value.size() > c.width)
                return refuse();
            if (c.lookup &&
                !(name == QLatin1String("Kod_krajiny_NUM") && value == QLatin1String("00"))) {
                const QStringList lookup = QString::fromLatin1(c.lookup).split(QLatin1Char('.'));
                if (!Sql::value(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?")
                                    .arg(lookup.at(0), lookup.at(1)),
                                {value})
                         .isValid())
                    return refuse();
            }
            changed.insert(name, value);
            card.insert(name, value);
        }

        QVariantList values;
        const QString sets = CardField::assignments(changed, values);
        Sql::exec(QStringLiteral("UPDATE tpraspev SET ") + sets + where, values + key);

        const QString category = changed.value(QStringLiteral("Kod_kategorie")).toString();
        if (!category.isEmpty())
            // The category tree shows sows apart from the younger categories.
            Sql::exec(QStringLiteral("UPDATE tanimal SET kod_kategorie = ?, strom_ktg = ? "
                                     "WHERE cislo_farmy = ? AND chovatel_chov = ? "
                                     "AND jedinec = ? AND sekcia_kluc = ''"),
                      {category,
                       category == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("3"),
                       farm.farm, herd, registerNumber});

        if (text(card, "Prasnica_vKU") == QLatin1String("1")) {
            // The document carries the corrected values; the others keep
            // their reset values, as on the card.
            BasicData d;
            d.farm = farm.farm;
            d.keeper = farm.codes;
            d.chov = herd;
            d.registerNumber = registerNumber;
            d.sireLine = working(changed, "Linia_otca", QStringLiteral("0000"));
            d.sireRegister = working(changed, "Register_otca", QStringLiteral("00000"));
            d.damFarm = {working(changed, "Povod_kraj", QStringLiteral("00")),
                         working(changed, "Povod_okres", QStringLiteral("00")),
                         working(changed, "Povod_zavod", QStringLiteral("000"))};
            d.damChov = working(changed, "Povod_chov", QStringLiteral("00"));
            d.damNumber = working(changed, "Povod_matka", QStringLiteral("00000"));
            d.earNumber = working(changed, "Povod_uscislo", QStringLiteral("0000000"));
            d.birth = changed.value(QStringLiteral("Datum_narodenia")).toDate();
            d.breed = working(changed, "Plemeno_KU", QStringLiteral("00000000"));
            d.country = working(changed, "Kod_krajiny_NUM", QStringLiteral("00"));
            d.teats = working(changed, "Cecky", QStringLiteral("00"));
            d.genePool = working(changed, "Kod_genofond", QStringLiteral("0"));
            BasicDataDocument::writeCorrection(d);
        }
        if (changed.contains(QStringLiteral("Plemeno_KU")))
            RecomputeLitterBreed::forSow(farm.farm, herd, sow);
        transaction.commit();
        return Notice::information(title(), done());
    } catch (const SqlError& e) {
        return Notice::error(title(), failed() + e.text());
    }
}

} // namespace herd
