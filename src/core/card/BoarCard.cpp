#include "card/BoarCard.h"

#include "batch/CellRule.h"
#include "card/CardField.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "db/Transaction.h"
#include "litter/RecomputeLitterBreed.h"
#include "register/BasicDataDocument.h"
#include "register/DocumentInsert.h"

#include <QSqlQuery>

namespace herd {

namespace {

using CardField::below;

// The card's fields: width (0 for the birth date), the check's message, and
// whether the check holds only for a home-bred boar.
struct Field {
    const char* name;
    int width;
    const char* message;
    bool pedigree = false;
    const char* lookup = nullptr; // "table.key"
};
const Field fields[] = {
    {"Datum_narodenia", 0, "Nekorektne uvedený dátum narodenia kanca !"},
    {"Cecky", 2, "Nekorektne uvedené cecky !"},
    {"Plemeno_KU", 8, "Nekorektne uvedené plemeno !", false, "czplem.Plemeno_KU"},
    {"Kod_krajiny_NUM", 2, "Nekorektne uvedený import !", false, "ckrajiny.Kod_krajiny_NUM"},
    {"Linia_otca", 4, "Nekorektne uvedená línia otca !", true},
    {"Register_otca", 5, "Nekorektne uvedený register otca !", true},
    {"Povod_kraj", 2, "Nekorektne uvedená matka - podnik !", true},
    {"Povod_okres", 2, "Nekorektne uvedená matka - okres !", true},
    {"Povod_zavod", 3, "Nekorektne uvedená matka - závod !", true},
    {"Povod_chov", 2, "Nekorektne uvedená matka - chov !", true},
    {"Povod_matka", 5, "Nekorektne uvedená matka - kr. číslo !", true},
    {"Povod_usCislo", 7, "Nekorektne uvedené ušné číslo !", true},
};
// The breeder's fields of the transfer.
const Field breederFields[] = {
    {"Chovatel_kraj", 2, "Nekorektne uvedený chovateľ - kraj !"},
    {"Chovatel_okres", 2, "Nekorektne uvedený chovateľ - okres !"},
    {"Chovatel_zavod", 3, "Nekorektne uvedený chovateľ - závod !"},
    {"Chovatel_chov", 2, "Nekorektne uvedený chovateľ - chov !"},
};

const QString boarWhere = QStringLiteral(" WHERE linia_kanca = ? AND register_kanca = ?");

// Digits only within the width, no control character: as the batches' code
// cells judge them, so that nothing the register cannot carry is stored.
bool isCode(const Field& f, const QString& typed) {
    return CellRules::check({QString::fromLatin1(f.name),
                             CellRule::Kind::Code,
                             f.width,
                             0,
                             0,
                             QString::fromUtf8(f.message),
                             {}},
                            typed)
        .good();
}

QString treeName(const QString& line, const QString& reg) {
    return line + QLatin1Char(' ') + reg;
}

// Reads and locks the boar's row; nothing when he is not registered.
// Returns whether he is culled.
std::optional<bool> lockBoar(const QString& line, const QString& reg) {
    QSqlQuery row = Sql::exec(QStringLiteral("SELECT datum_vyradenia FROM tkance") + boarWhere +
                                  QStringLiteral(" FOR UPDATE"),
                              {line, reg});
    if (!row.next())
        return std::nullopt;
    return !row.value(0).isNull();
}

// A document of the boar: his numbers, the card's reset values for the rest.
BasicData document(const QString& farm, const QString& line, const QString& reg) {
    BasicData d;
    d.farm = farm;
    d.keeper = {QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("000")};
    d.chov = QStringLiteral("00");
    d.line = line;
    d.registerNumber = reg;
    d.breed = QStringLiteral("00000000");
    d.genePool = QStringLiteral("0");
    return d;
}

QString reset(int width) {
    return QString(width, QLatin1Char('0'));
}

void writeHistory(const QString& line, const QString& reg, const QString& action,
                  const QDate& day) {
    Sql::exec(QStringLiteral("INSERT INTO tkanhist (linia_kanca, register_kanca, kod_akcie, "
                             "cveterukony_ID, datum_akcie, farma_pohybu) "
                             "VALUES (?, ?, ?, 0, ?, NULL)"),
              {line, reg, action, day});
}

} // namespace

QString BoarCard::message(const QString& column) {
    for (const Field& f : fields)
        if (column == QLatin1String(f.name))
            return QString::fromUtf8(f.message);
    for (const Field& f : breederFields)
        if (column == QLatin1String(f.name))
            return QString::fromUtf8(f.message);
    return {};
}

const QStringList& BoarCard::columns() {
    static const QStringList names = [] {
        QStringList out;
        for (const Field& f : fields)
            out.append(QString::fromLatin1(f.name));
        return out;
    }();
    return names;
}

QSqlQuery BoarCard::candidates(bool culled) {
    return Sql::execScrollable(
        QStringLiteral("SELECT linia_kanca, register_kanca, chovatel_kraj, chovatel_okres, "
                       "chovatel_zavod, chovatel_chov, datum_narodenia, datum_vyradenia "
                       "FROM tkance WHERE datum_vyradenia IS ") +
        (culled ? QStringLiteral("NOT NULL") : QStringLiteral("NULL")) +
        QStringLiteral(" ORDER BY linia_kanca, register_kanca"));
}

QSqlQuery BoarCard::row(const QString& line, const QString& reg) {
    return Sql::exec(QStringLiteral("SELECT t.linia_kanca AS Linia_kanca, t.register_kanca AS "
                                    "Register_kanca, l.nazov_linie AS Nazov_linie, "
                                    "t.chovatel_kraj AS Chovatel_kraj, t.chovatel_okres AS "
                                    "Chovatel_okres, t.chovatel_zavod AS Chovatel_zavod, "
                                    "t.chovatel_chov AS Chovatel_chov, t.datum_vyradenia AS "
                                    "Datum_vyradenia, t.kod_vyrKU AS Kod_vyrKU, t.") +
                         columns().join(QStringLiteral(", t.")) +
                         QStringLiteral(" FROM tkance AS t LEFT JOIN ctablin AS l ON "
                                        "(t.linia_kanca = l.linia_kanca) "
                                        "WHERE t.linia_kanca = ? AND t.register_kanca = ?"),
                     {line, reg});
}

Notice BoarCard::correct(const QString& farm, const QString& line, const QString& reg,
                         const QVariantMap& changes) {
    if (changes.isEmpty())
        return Notice::error(correctionTitle(), nothingToCorrect());
    QString unknown;
    const std::optional<QVariantMap> typed = CardField::byColumn(changes, columns(), unknown);
    if (!typed)
        return Notice::error(correctionTitle(), unknownField() + unknown);
    QVariantMap changed = *typed;
    try {
        Transaction transaction;
        QSqlQuery row = Sql::exec(QStringLiteral("SELECT datum_vyradenia, kod_krajiny_num "
                                                 "FROM tkance") +
                                      boarWhere + QStringLiteral(" FOR UPDATE"),
                                  {line, reg});
        if (!row.next())
            return Notice::error(correctionTitle(), unknownBoar());
        if (!row.value(0).isNull())
            return Notice::error(correctionTitle(), alreadyCulled());
        const QString country =
            changed.value(QStringLiteral("Kod_krajiny_NUM"), row.value(1).toString()).toString();
        // An imported boar's pedigree is not known here.
        const bool notImported =
            below(country, QStringLiteral("00")) || country == QLatin1String("00");

        for (const Field& f : fields) {
            const QString name = QString::fromLatin1(f.name);
            if (!changed.contains(name))
                continue;
            const Notice refusal = Notice::error(checkTitle(), QString::fromUtf8(f.message));
            if (f.width == 0) {
                if (!changed.value(name).toDate().isValid())
                    return refusal;
                continue;
            }
            if (!isCode(f, changed.value(name).toString()))
                return refusal;
            const QString value = CardField::padLeftZeros(changed.value(name).toString(), f.width);
            if (value.size() > f.width)
                return refusal;
            if ((!f.pedigree || notImported) &&
                below(value, f.lookup ? QStringLiteral("0") : reset(f.width)))
                return refusal;
            if (f.lookup &&
                !(name == QLatin1String("Kod_krajiny_NUM") && value == QLatin1String("00"))) {
                const QStringList lookup = QString::fromLatin1(f.lookup).split(QLatin1Char('.'));
                if (!Sql::value(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?")
                                    .arg(lookup.at(0), lookup.at(1)),
                                {value})
                         .isValid())
                    return refusal;
            }
            changed.insert(name, value);
        }

        QVariantList values;
        const QString sets = CardField::assignments(changed, values);
        Sql::exec(QStringLiteral("UPDATE tkance SET ") + sets + boarWhere,
                  values + QVariantList{line, reg});

        auto working = [&](const char* column, int width) {
            return changed.value(QString::fromLatin1(column), reset(width)).toString();
        };
        BasicData d = document(farm, line, reg);
        d.sireLine = working("Linia_otca", 4);
        d.sireRegister = working("Register_otca", 5);
        d.damFarm = {working("Povod_kraj", 2), working("Povod_okres", 2),
                     working("Povod_zavod", 3)};
        d.damChov = working("Povod_chov", 2);
        d.damNumber = working("Povod_matka", 5);
        d.earNumber = working("Povod_usCislo", 7);
        d.birth = changed.value(QStringLiteral("Datum_narodenia")).toDate();
        d.breed = working("Plemeno_KU", 8);
        d.country = working("Kod_krajiny_NUM", 2);
        d.teats = working("Cecky", 2);
        BasicDataDocument::writeCorrection(d);
        if (changed.contains(QStringLiteral("Plemeno_KU")))
            RecomputeLitterBreed::forBoar(line, reg);
        transaction.commit();
        return Notice::information(correctionTitle(), corrected());
    } catch (const SqlError& e) {
        return Notice::error(correctionTitle(), correctionFailed() + e.text());
    }
}

Notice BoarCard::cull(const QString& farm, const QString& line, const QString& reg,
                      const QDate& culled, const QString& reason) {
    if (reason.trimmed().isEmpty() || reason == QLatin1String("00"))
        return Notice::error(reasonTitle(), badReason());
    if (!culled.isValid())
        return Notice::error(reasonTitle(), badDate());
    try {
        Transaction transaction;
        if (!Sql::value(QStringLiteral("SELECT 1 FROM cdovvyrku WHERE Kod_vyrKU = ?"), {reason})
                 .isValid())
            return Notice::error(reasonTitle(), badReason());
        const std::optional<bool> isCulled = lockBoar(line, reg);
        if (!isCulled)
            return Notice::error(cullTitle(), unknownBoar());
        if (*isCulled)
            return Notice::error(cullTitle(), alreadyCulled());

        BasicData d = document(farm, line, reg);
        d.cullingReason = reason;
        BasicDataDocument::writeCulling(d, culled);
        Sql::exec(QStringLiteral("UPDATE tkance SET datum_vyradenia = ?, kod_vyrKU = ?, "
                                 "kod_akcie = '03', datum_akcie = ?") +
                      boarWhere,
                  {culled, reason, culled, line, reg});
        // Only an earlier culling entry of the day is replaced.
        Sql::exec(QStringLiteral("DELETE FROM tkanhist") + boarWhere +
                      QStringLiteral(" AND datum_akcie = ? AND kod_akcie = '03'"),
                  {line, reg, culled});
        writeHistory(line, reg, QStringLiteral("03"), culled);
        Sql::exec(QStringLiteral("UPDATE tanimal SET strom_ust = '0', ustajnenie = '000', "
                                 "kod_akcie = '03', datvyr = ?, datum_presunu = ?, "
                                 "datum_akcie = ?, datum_potvrdenia_presunu = ? "
                                 "WHERE jedinec = ?"),
                  {culled.startOfDay(), culled, culled, culled, treeName(line, reg)});
        transaction.commit();
        return Notice::information(cullTitle(), culledDone());
    } catch (const SqlError& e) {
        return Notice::error(cullTitle(), cullFailed() + e.text());
    }
}

Notice BoarCard::uncull(const QString& farm, const QString& line, const QString& reg) {
    try {
        Transaction transaction;
        const std::optional<bool> isCulled = lockBoar(line, reg);
        if (!isCulled)
            return Notice::error(cullTitle(), unknownBoar());
        if (!*isCulled)
            return Notice::error(cullTitle(), notCulled());
        const QDate today = Documents::serverToday();

        BasicDataDocument::writeCullingCancelled(document(farm, line, reg));
        Sql::exec(QStringLiteral("UPDATE tkance SET datum_vyradenia = NULL, kod_vyrKU = '00', "
                                 "kod_akcie = '02', datum_akcie = ?") +
                      boarWhere,
                  {today, line, reg});
        writeHistory(line, reg, QStringLiteral("02"), today);
        Sql::exec(QStringLiteral("UPDATE tanimal SET strom_ust = '6', ustajnenie = 'KAN', "
                                 "kod_akcie = '02', datvyr = NULL, datum_presunu = ?, "
                                 "datum_akcie = ?, datum_potvrdenia_presunu = ? "
                                 "WHERE jedinec = ?"),
                  {today, today, today, treeName(line, reg)});
        transaction.commit();
        return Notice::information(cullTitle(), uncullDone());
    } catch (const SqlError& e) {
        return Notice::error(cullTitle(), uncullFailed() + e.text());
    }
}

Notice BoarCard::transfer(const QString& farm, const QString& line, const QString& reg,
                          const FarmCodes& breeder, const QString& chov) {
    const QString typed[] = {breeder.kraj, breeder.okres, breeder.zavod, chov};
    QString codes[4];
    for (int i = 0; i < 4; ++i) {
        const Field& f = breederFields[i];
        codes[i] = CardField::padLeftZeros(typed[i], f.width);
        if (!isCode(f, typed[i]) || codes[i].size() != f.width || below(codes[i], reset(f.width)))
            return Notice::error(checkTitle(), QString::fromUtf8(f.message));
    }
    try {
        Transaction transaction;
        const std::optional<bool> isCulled = lockBoar(line, reg);
        if (!isCulled)
            return Notice::error(transferTitle(), unknownBoar());
        if (*isCulled)
            return Notice::error(transferTitle(), alreadyCulled());
        Sql::exec(QStringLiteral("UPDATE tkance SET chovatel_kraj = ?, chovatel_okres = ?, "
                                 "chovatel_zavod = ?, chovatel_chov = ?") +
                      boarWhere,
                  {codes[0], codes[1], codes[2], codes[3], line, reg});
        BasicData d = document(farm, line, reg);
        d.keeper = {codes[0], codes[1], codes[2]};
        d.chov = codes[3];
        BasicDataDocument::writeBoarTransfer(d);
        transaction.commit();
        return Notice::information(transferTitle(), transferred());
    } catch (const SqlError& e) {
        return Notice::error(transferTitle(), transferFailed() + e.text());
    }
}

} // namespace herd
