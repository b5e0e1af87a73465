// The nodes of the results tree over the sorted ResultList: a group node per
// rated voltage, a part node per line. Nodes are index ranges into the list,
// so building the tree costs one pass over the lines however many there are,
// and each part node leads straight to its own line (two lines may carry the
// same part number).
#pragma once

#include "core/engine/ResultList.h"
#include "ui/mainwindow/ImageListSeznam.h"

#include <QAbstractItemModel>

#include <cstddef>
#include <vector>

namespace dorvanta {

class TResultsTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Role {
        ImageIndexRole = Qt::UserRole + 1, // the node's image in imagelistSeznam
        SelectedImageIndexRole,            // its image while selected
    };

    explicit TResultsTreeModel(QObject* parent = nullptr);

    // One group per run of equal rated voltages of `list`, which is sorted;
    // the list must outlive the nodes, that is until Clear or the next Build.
    void Build(const TResultList& list);
    // No nodes: the lines they point into are about to go.
    void Clear();

    // The line of a part node; none for a group node or an invalid index.
    [[nodiscard]] const TResultLine* Line(const QModelIndex& node) const;
    [[nodiscard]] static bool IsPartNode(const QModelIndex& node);
    // The list of the nodes; none while the tree is empty.
    [[nodiscard]] const TResultList* List() const { return Lines; }

    [[nodiscard]] QModelIndex index(int row, int column,
                                    const QModelIndex& parent = {}) const override;
    [[nodiscard]] QModelIndex parent(const QModelIndex& child) const override;
    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] bool hasChildren(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& node, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& node) const override;

private:
    struct TGroup {
        QString Text;      // "6.3 V"
        int Image = 0;     // the image of its part nodes
        std::size_t First; // its first line
        std::size_t Count;
    };

    [[nodiscard]] std::size_t LineIndex(const QModelIndex& partNode) const;

    TImageListSeznam Images;
    const TResultList* Lines = nullptr;
    std::vector<TGroup> Groups;
};

} // namespace dorvanta
