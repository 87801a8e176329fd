#pragma once

#include "farms/TreeNode.h"

#include <QStringList>

namespace herd {

// A tree as text, one node a line: two blanks of indent per level, the node
// text as it is (trailing blanks included) and its image number in brackets.
QStringList treeLines(const QList<TreeNode>& roots);

} // namespace herd
