#pragma once

#include "farms/TreeNode.h"

namespace herd {

// Builds the five module trees of a farm from tanimal and tfarmy. A tree that
// fails stays as far as it was built and its error is reported; the others
// are still built.
class ModuleTreeBuilder {
public:
    static ModuleTrees build(const QString& farm);

    // The trees one by one, in the order build() makes them. Each throws SqlError.
    static void categoryTree(const QString& farm, QList<TreeNode>& roots);
    static void housingTree(const QString& farm, QList<TreeNode>& roots);
    static void litterSheetTree(const QString& farm, QList<TreeNode>& roots);
    static void measurementTree(const QString& farm, QList<TreeNode>& roots);
    static void bonitationTree(const QString& farm, QList<TreeNode>& roots);

    // Group texts by strom_ktg and strom_ust; any other value is "Výkrm".
    static QString categoryText(const QString& stromKtg);
    static QString housingText(const QString& stromUst);
    // The image of an animal node by its strom_ktg.
    static int animalImage(const QString& stromKtg);
    // "Sekcia -K01", "IndBox -B03", or ten blanks for the boar house KAN.
    static QString sectionNodeText(const QString& code);
    // An animal's node text: jedinec with its trailing blanks, ten characters.
    static QString animalText(const QString& jedinec);
};

} // namespace herd
