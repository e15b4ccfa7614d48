#include "showlist/ShowListModel.h"

#include "platform/qt/TextCodec.h"

void ShowListModel::Append(std::string item) {
  const int row = Count();
  beginInsertRows(QModelIndex(), row, row);
  items_.push_back(std::move(item));
  endInsertRows();
}

void ShowListModel::Assign(std::vector<std::string> items) {
  beginResetModel();
  items_ = std::move(items);
  endResetModel();
}

int ShowListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Count();
}

QVariant ShowListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= Count()) return {};
  return FromBytes(items_[static_cast<size_t>(index.row())]);
}
