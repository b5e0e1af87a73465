#include "ui/mainwindow/ResultsTreeModel.h"

#include "ui/desktop/LocaleTexts.h"

namespace dorvanta {
namespace {

// The internal id of a group node; a part node's is its group's row + 1.
constexpr quintptr kGroupId = 0;

} // namespace

TResultsTreeModel::TResultsTreeModel(QObject* parent) : QAbstractItemModel(parent) {
}

void TResultsTreeModel::Build(const TResultList& list) {
    beginResetModel();
    Lines = &list;
    Groups.clear();
    Real voltage = -1;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Real v = list[i].RatedVoltage();
        if (Groups.empty() || v != voltage) {
            voltage = v;
            Groups.push_back({FormatNumber(v) + QStringLiteral(" V"), VoltageImageIndex(v), i, 0});
        }
        ++Groups.back().Count;
    }
    endResetModel();
}

void TResultsTreeModel::Clear() {
    beginResetModel();
    Lines = nullptr;
    Groups.clear();
    endResetModel();
}

bool TResultsTreeModel::IsPartNode(const QModelIndex& node) {
    return node.isValid() && node.internalId() != kGroupId;
}

std::size_t TResultsTreeModel::LineIndex(const QModelIndex& partNode) const {
    return Groups[partNode.internalId() - 1].First + static_cast<std::size_t>(partNode.row());
}

const TResultLine* TResultsTreeModel::Line(const QModelIndex& node) const {
    if (!IsPartNode(node) || node.model() != this) {
        return nullptr;
    }
    return &(*Lines)[LineIndex(node)];
}

QModelIndex TResultsTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) {
        return {};
    }
    if (!parent.isValid()) {
        return createIndex(row, column, kGroupId);
    }
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex TResultsTreeModel::parent(const QModelIndex& child) const {
    if (!IsPartNode(child)) {
        return {};
    }
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kGroupId);
}

int TResultsTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) {
        return static_cast<int>(Groups.size());
    }
    if (IsPartNode(parent) || parent.column() != 0) {
        return 0;
    }
    return static_cast<int>(Groups[static_cast<std::size_t>(parent.row())].Count);
}

int TResultsTreeModel::columnCount(const QModelIndex& /*parent*/) const {
    return 1;
}

bool TResultsTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant TResultsTreeModel::data(const QModelIndex& node, int role) const {
    if (!node.isValid()) {
        return {};
    }
    const bool part = IsPartNode(node);
    const TGroup& group =
        Groups[part ? node.internalId() - 1 : static_cast<std::size_t>(node.row())];
    const int image = part ? group.Image : kGroupImageIndex;
    const int selectedImage = part ? kSelectedImageIndex : kGroupImageIndex;
    switch (role) {
    case Qt::DisplayRole:
        return part ? ToQString((*Lines)[LineIndex(node)].PartNumber()) : group.Text;
    case Qt::ToolTipRole:
        // The whole part number, even where the column is too narrow for it.
        return part ? ToQString((*Lines)[LineIndex(node)].PartNumber()) : QVariant();
    case Qt::DecorationRole:
        return Images.Icon(image, selectedImage);
    case ImageIndexRole:
        return image;
    case SelectedImageIndexRole:
        return selectedImage;
    default:
        return {};
    }
}

Qt::ItemFlags TResultsTreeModel::flags(const QModelIndex& node) const {
    if (!node.isValid()) {
        return Qt::NoItemFlags;
    }
    // Read-only: no editing of node texts.
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return IsPartNode(node) ? flags | Qt::ItemNeverHasChildren : flags;
}

} // namespace dorvanta
