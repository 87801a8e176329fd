#include "shell/TreePane.h"

#include "shell/Icons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TreePane::TreePane(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("PanelStromy"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    const char* names[TreeCount] = {"TreeViewOsipane", "TreeViewVrhListok", "TreeViewUstajnenia",
                                    "TreeViewBonit", "TreeViewMerVU"};
    for (int i = 0; i < TreeCount; ++i) {
        auto* tree = new QTreeWidget(this);
        tree->setObjectName(QString::fromLatin1(names[i]));
        tree->setHeaderHidden(true);
        tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tree->setAutoExpandDelay(0);
        tree->setUniformRowHeights(true);
        tree->setIconSize(QSize(16, 16));
        // Deep nodes in the narrow pane: a small indent, and a horizontal
        // scroll bar instead of cut texts.
        tree->setIndentation(14);
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tree->header()->setStretchLastSection(false);
        tree->hide();
        layout->addWidget(tree, 1);
        m_trees[i] = tree;
        const auto which = static_cast<Tree>(i);
        connect(tree, &QTreeWidget::currentItemChanged, this, [this, which](QTreeWidgetItem* item) {
            if (item)
                emit nodeChosen(which, item);
        });
        // A click on the node that is already current (highlighted since before
        // a module switch, or after its panel was left) chooses it again;
        // a click that makes a node current has chosen it above.
        tree->viewport()->installEventFilter(this);
        connect(tree, &QTreeWidget::itemClicked, this, [this, which](QTreeWidgetItem* item) {
            if (item && item == m_currentAtPress)
                emit nodeChosen(which, item);
            m_currentAtPress = nullptr;
        });
    }

    m_searchStrip = new QWidget(this);
    m_searchStrip->setObjectName(QStringLiteral("PanelHladaj"));
    m_searchStrip->setFixedHeight(33);
    auto* strip = new QHBoxLayout(m_searchStrip);
    strip->setContentsMargins(2, 3, 2, 3);
    m_searchEdit = new QLineEdit(m_searchStrip);
    m_searchEdit->setObjectName(QStringLiteral("EditHladaj"));
    m_searchEdit->setMaxLength(11);
    m_searchButton = new QPushButton(QStringLiteral("&Hľadaj"), m_searchStrip);
    m_searchButton->setObjectName(QStringLiteral("ButtonHladaj"));
    strip->addWidget(m_searchEdit, 1);
    strip->addWidget(m_searchButton);
    layout->addStretch(0);
    layout->addWidget(m_searchStrip);
}

bool TreePane::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        m_currentAtPress = nullptr;
        for (QTreeWidget* tree : m_trees)
            if (tree->viewport() == watched)
                m_currentAtPress = tree->currentItem();
    }
    return QWidget::eventFilter(watched, event);
}

void TreePane::showTree(Tree which, bool searchStrip) {
    for (int i = 0; i < TreeCount; ++i)
        m_trees[i]->setVisible(i == which);
    m_trees[which]->expandAll();
    m_searchStrip->setVisible(searchStrip);
}

namespace {
QTreeWidgetItem* makeItem(const herd::TreeNode& node) {
    auto* item = new QTreeWidgetItem(QStringList{node.text});
    item->setIcon(0, Icons::image(node.image));
    item->setData(0, TreePane::ImageRole, node.image);
    for (const herd::TreeNode& child : node.children)
        item->addChild(makeItem(child));
    return item;
}
} // namespace

void TreePane::setNodes(Tree which, const QList<herd::TreeNode>& roots) {
    QTreeWidget* tree = m_trees[which];
    // Filling the tree chooses no node.
    const QSignalBlocker blocker(tree);
    m_currentAtPress = nullptr;
    tree->clear();
    QList<QTreeWidgetItem*> items;
    for (const herd::TreeNode& root : roots)
        items.append(makeItem(root));
    tree->addTopLevelItems(items);
    tree->expandAll();
}

int TreePane::visibleTree() const {
    for (int i = 0; i < TreeCount; ++i)
        if (!m_trees[i]->isHidden())
            return i;
    return -1;
}
