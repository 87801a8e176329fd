#pragma once

#include "common/Notice.h"

#include <QList>
#include <QString>
#include <array>

namespace herd {

// One node of a module tree: its text (the key the node handlers compare),
// its image number and its children.
struct TreeNode {
    QString text;
    int image = 0;
    QList<TreeNode> children;
};

// Node images shared by all trees.
namespace TreeImage {
inline constexpr int Group = 0;
inline constexpr int Farm = 1;
inline constexpr int Offspring = 3;
inline constexpr int Boar = 4;
inline constexpr int Sow = 5;
inline constexpr int Section = 6;
} // namespace TreeImage

// The five module trees in the order of the main window's tree pane.
struct ModuleTrees {
    enum Tree { Osipane, VrhListok, Ustajnenia, Bonit, MerVU, Count };

    // The title of the module that shows the tree ("Ošípané na farme" …).
    static QString title(Tree tree);

    std::array<QList<TreeNode>, Count> roots;
    // "Chyba: …" of each tree that could not be built whole.
    Notices errors;
};

} // namespace herd
