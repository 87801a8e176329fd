#include "farms/ModuleTreeBuilder.h"

#include "db/Sql.h"
#include "db/SqlError.h"

namespace herd {

namespace {

QList<TreeNode> fixedChildren(std::initializer_list<const char*> texts) {
    QList<TreeNode> children;
    for (const char* text : texts)
        children.append({QString::fromUtf8(text), TreeImage::Group, {}});
    return children;
}

// The farm's root nodes: one per farm value found (only the farm is asked for).
QStringList farmValues(const QString& table, const QString& farm) {
    // The table name comes from the two fixed callers below.
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT DISTINCT cislo_farmy FROM ") + table +
                                QStringLiteral(" WHERE cislo_farmy = ? ORDER BY cislo_farmy"),
                            {farm});
    QStringList farms;
    while (q.next())
        farms.append(q.value(0).toString());
    return farms;
}

// Binds a NULL for a NULL group value, so "<=>" finds the rows it came from.
QVariant groupValue(const QVariant& v) {
    return v.isNull() ? QVariant(QMetaType::fromType<QString>()) : v;
}

} // namespace

ModuleTrees ModuleTreeBuilder::build(const QString& farm) {
    ModuleTrees trees;
    using Builder = void (*)(const QString&, QList<TreeNode>&);
    const std::pair<ModuleTrees::Tree, Builder> order[] = {
        {ModuleTrees::Osipane, &categoryTree},      {ModuleTrees::Ustajnenia, &housingTree},
        {ModuleTrees::VrhListok, &litterSheetTree}, {ModuleTrees::MerVU, &measurementTree},
        {ModuleTrees::Bonit, &bonitationTree},
    };
    for (const auto& [tree, builder] : order) {
        try {
            builder(farm, trees.roots[tree]);
        } catch (const SqlError& e) {
            trees.errors.append(Notice::error(QStringLiteral("Aktuálna farma"),
                                              QStringLiteral("Chyba: ") + e.text()));
        }
    }
    return trees;
}

void ModuleTreeBuilder::categoryTree(const QString& farm, QList<TreeNode>& roots) {
    roots.clear();
    for (const QString& farmValue : farmValues(QStringLiteral("tanimal"), farm)) {
        roots.append({farmValue, TreeImage::Farm, {}});
        TreeNode& root = roots.last();
        QSqlQuery groups = Sql::exec(QStringLiteral("SELECT DISTINCT strom_ktg FROM tanimal "
                                                    "WHERE cislo_farmy = ? ORDER BY strom_ktg"),
                                     {farmValue});
        while (groups.next()) {
            const QVariant kateg = groups.value(0);
            root.children.append({categoryText(kateg.toString()), TreeImage::Group, {}});
            TreeNode& group = root.children.last();
            // Placeholders ('00') are sections, not animals.
            QSqlQuery animals = Sql::exec(
                QStringLiteral("SELECT jedinec, strom_ktg FROM tanimal WHERE cislo_farmy = ? "
                               "AND COALESCE(kod_akcie, '') <> '00' AND strom_ktg <=> ? "
                               "ORDER BY jedinec"),
                {farmValue, groupValue(kateg)});
            while (animals.next())
                group.children.append({animalText(animals.value(0).toString()),
                                       animalImage(animals.value(1).toString()),
                                       {}});
        }
    }
}

void ModuleTreeBuilder::housingTree(const QString& farm, QList<TreeNode>& roots) {
    roots.clear();
    for (const QString& farmValue : farmValues(QStringLiteral("tanimal"), farm)) {
        roots.append({farmValue, TreeImage::Farm, {}});
        TreeNode& root = roots.last();
        QSqlQuery groups =
            Sql::exec(QStringLiteral("SELECT DISTINCT strom_ust FROM tanimal WHERE cislo_farmy = ? "
                                     "AND strom_ust > '0' ORDER BY strom_ust"),
                      {farmValue});
        while (groups.next()) {
            const QString kateg = groups.value(0).toString();
            root.children.append({housingText(kateg), TreeImage::Group, {}});
            TreeNode& group = root.children.last();
            QSqlQuery sections = Sql::exec(
                QStringLiteral("SELECT DISTINCT ustajnenie FROM tanimal WHERE cislo_farmy = ? "
                               "AND strom_ust = ? ORDER BY ustajnenie"),
                {farmValue, kateg});
            while (sections.next()) {
                const QVariant sekc = sections.value(0);
                group.children.append({sectionNodeText(sekc.toString()), TreeImage::Section, {}});
                TreeNode& section = group.children.last();
                // Only animals on the farm: removed ones and placeholders carry datvyr.
                QSqlQuery animals = Sql::exec(
                    QStringLiteral("SELECT jedinec, strom_ktg FROM tanimal WHERE cislo_farmy = ? "
                                   "AND datvyr IS NULL AND strom_ust = ? AND ustajnenie <=> ? "
                                   "ORDER BY jedinec"),
                    {farmValue, kateg, groupValue(sekc)});
                while (animals.next())
                    section.children.append({animalText(animals.value(0).toString()),
                                             animalImage(animals.value(1).toString()),
                                             {}});
            }
        }
    }
}

void ModuleTreeBuilder::litterSheetTree(const QString& farm, QList<TreeNode>& roots) {
    roots.clear();
    for (const QString& farmValue : farmValues(QStringLiteral("tanimal"), farm))
        roots.append(
            {farmValue, TreeImage::Farm,
             fixedChildren({"Nahlásenie pripustenia", "Nahlásenie vrhu", "Selekcia potomstva"})});
}

void ModuleTreeBuilder::measurementTree(const QString& farm, QList<TreeNode>& roots) {
    roots.clear();
    for (const QString& farmValue : farmValues(QStringLiteral("tfarmy"), farm))
        roots.append(
            {farmValue, TreeImage::Farm, fixedChildren({"Spracovanie merania", "Export dát"})});
}

void ModuleTreeBuilder::bonitationTree(const QString& farm, QList<TreeNode>& roots) {
    roots.clear();
    for (const QString& farmValue : farmValues(QStringLiteral("tfarmy"), farm))
        roots.append(
            {farmValue, TreeImage::Farm, fixedChildren({"Bonitácie prasníc", "Bonitácie kancov"})});
}

QString ModuleTreeBuilder::categoryText(const QString& stromKtg) {
    static const char* texts[] = {"Kance", "Prasnice", "Prasničky", "Plem. potomstvo",
                                  "SVJH potomstvo"};
    const int value = stromKtg.size() == 1 ? stromKtg.toInt() : 0;
    if (value >= 1 && value <= 5)
        return QString::fromUtf8(texts[value - 1]);
    return QStringLiteral("Výkrm");
}

QString ModuleTreeBuilder::housingText(const QString& stromUst) {
    static const char* texts[] = {"Karanténa", "Jalováreň", "Matečník",
                                  "Škôlka",    "Odchovňa",  "Kančín"};
    const int value = stromUst.size() == 1 ? stromUst.toInt() : 0;
    if (value >= 1 && value <= 6)
        return QString::fromUtf8(texts[value - 1]);
    return QStringLiteral("Výkrm");
}

int ModuleTreeBuilder::animalImage(const QString& stromKtg) {
    if (stromKtg == QLatin1String("1"))
        return TreeImage::Boar;
    if (stromKtg == QLatin1String("2") || stromKtg == QLatin1String("3"))
        return TreeImage::Sow;
    if (stromKtg == QLatin1String("4"))
        return TreeImage::Offspring;
    return TreeImage::Group;
}

QString ModuleTreeBuilder::sectionNodeText(const QString& code) {
    if (code == QLatin1String("KAN"))
        return QString(10, QLatin1Char(' '));
    if (code.startsWith(QLatin1Char('B')))
        return QStringLiteral("IndBox -") + code;
    return QStringLiteral("Sekcia -") + code;
}

QString ModuleTreeBuilder::animalText(const QString& jedinec) {
    // The database returns CHAR values without their trailing blanks.
    return jedinec.leftJustified(10, QLatin1Char(' '));
}

} // namespace herd
