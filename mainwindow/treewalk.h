#pragma once

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

} // namespace mainwindow
