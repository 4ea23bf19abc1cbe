#pragma once

#include <QAbstractItemModel>
#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace mainwindow {

/// Calls f for every node of the parcel tree in tree order: a parcel node, then its children, then
/// the next parcel. f returns false to stop the walk.
template <typename F>
void ForEachNode(const QTreeWidget *tree, F &&f)
{
    const int n = tree->topLevelItemCount();
    for (int i = 0; i < n; ++i) {
        QTreeWidgetItem *parcel = tree->topLevelItem(i);
        if (!f(parcel))
            return;
        const int m = parcel->childCount();
        for (int j = 0; j < m; ++j)
            if (!f(parcel->child(j)))
                return;
    }
}

/// Changes the texts, pictures and check boxes of many nodes without the view hearing of each one
/// (a view told of tens of thousands of single changes spends seconds finding each node); it
/// repaints once when this ends. No node may be added or removed meanwhile, and the tree's itemChanged is not sent.
class BulkNodeChanges {
public:
    explicit BulkNodeChanges(QTreeWidget *tree) : m_tree(tree), m_wasBlocked(tree->model()->blockSignals(true)) {}
    ~BulkNodeChanges()
    {
        m_tree->model()->blockSignals(m_wasBlocked);
        m_tree->viewport()->update();
    }
    BulkNodeChanges(const BulkNodeChanges &) = delete;
    BulkNodeChanges &operator=(const BulkNodeChanges &) = delete;

private:
    QTreeWidget *m_tree;
    bool m_wasBlocked;
};

} // namespace mainwindow
