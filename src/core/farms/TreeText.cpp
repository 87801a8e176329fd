#include "farms/TreeText.h"

namespace herd {

namespace {
void appendLines(const QList<TreeNode>& nodes, int depth, QStringList& lines) {
    for (const TreeNode& node : nodes) {
        lines.append(QString(2 * depth, QLatin1Char(' ')) + node.text +
                     QStringLiteral(" [%1]").arg(node.image));
        appendLines(node.children, depth + 1, lines);
    }
}
} // namespace

QString ModuleTrees::title(Tree tree) {
    static const char* titles[Count] = {"Ošípané na farme", "Operatíva cez vrhový lístok",
                                        "Operatíva cez ustajnenia", "Bonitácie ošípaných",
                                        "Meranie vlastnej úžitkovosti"};
    return QString::fromUtf8(titles[tree]);
}

QStringList treeLines(const QList<TreeNode>& roots) {
    QStringList lines;
    appendLines(roots, 0, lines);
    return lines;
}

} // namespace herd
