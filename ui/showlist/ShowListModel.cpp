#include "ui/showlist/ShowListModel.h"

#include <algorithm>

#include "ui/qt/TextCodec.h"
#include "core/showlist/ClearSelected.h"
#include "core/showlist/DragMove.h"

void ShowListModel::Append(std::string item) {
  const int row = Count();
  beginInsertRows(QModelIndex(), row, row);
  items_.push_back(std::move(item));
  endInsertRows();
}

void ShowListModel::Append(std::vector<std::string> items) {
  if (items.empty()) return;
  const int first = Count();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(items.size()) - 1);
  items_.insert(items_.end(), std::make_move_iterator(items.begin()),
                std::make_move_iterator(items.end()));
  endInsertRows();
}

void ShowListModel::Assign(std::vector<std::string> items) {
  beginResetModel();
  items_ = std::move(items);
  endResetModel();
}

void ShowListModel::Remove(const std::vector<std::size_t>& positions) {
  if (positions.empty()) return;
  const std::size_t first = positions.front();
  const std::size_t last = positions.back();
  if (last < items_.size() && last - first + 1 == positions.size()) {
    // One block: views keep their place and their other rows.
    beginRemoveRows(QModelIndex(), static_cast<int>(first), static_cast<int>(last));
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(first),
                 items_.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    endRemoveRows();
    return;
  }
  // Scattered positions: one pass over the list, and one reset instead of a signal per block.
  beginResetModel();
  try {
    ClearSelected(items_, positions);  // refuses bad positions before it changes anything
  } catch (...) {
    endResetModel();
    throw;
  }
  endResetModel();
}

void ShowListModel::MoveSelected(const std::vector<std::size_t>& selected,
                                 std::ptrdiff_t distance) {
  if (selected.empty() || distance == 0) return;
  // A rearrangement of rows: views are told once, and the few persistent indexes (the current
  // item and such) follow their items. Telling of every changed row would cost a call per row.
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  try {
    MoveSelectedItems(items_, selected, distance);  // refuses bad input before it moves anything
  } catch (...) {
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    throw;
  }
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& old : before)
    after.push_back(index(
        static_cast<int>(MovedPosition(selected, distance, static_cast<std::size_t>(old.row())))));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ShowListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Count();
}

QVariant ShowListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= Count()) return {};
  return FromBytes(items_[static_cast<size_t>(index.row())]);
}
