#pragma once

#include "farms/TreeNode.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The left pane: the five module trees (one visible at a time) and the
// search strip below them.
class TreePane : public QWidget {
    Q_OBJECT
public:
    enum Tree { Osipane, VrhListok, Ustajnenia, Bonit, MerVU, TreeCount };

    // Data role holding a node's image index.
    static constexpr int ImageRole = Qt::UserRole + 1;

    explicit TreePane(QWidget* parent = nullptr);

    QTreeWidget* tree(Tree which) const { return m_trees[which]; }
    // Shows one tree (auto-expanded), hides the others, and shows or hides the search strip.
    void showTree(Tree which, bool searchStrip);
    // Replaces a tree's nodes (texts, images in ImageRole) and expands it.
    void setNodes(Tree which, const QList<herd::TreeNode>& roots);
    // -1 while no tree is shown.
    int visibleTree() const;

    QLineEdit* searchEdit() const { return m_searchEdit; }
    QPushButton* searchButton() const { return m_searchButton; }

signals:
    void nodeChosen(Tree tree, QTreeWidgetItem* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidgetItem* m_currentAtPress = nullptr; // the current node when the mouse went down
    QTreeWidget* m_trees[TreeCount];
    QWidget* m_searchStrip;
    QLineEdit* m_searchEdit;
    QPushButton* m_searchButton;
};
