#pragma once
#include <QAbstractListModel>
#include <cstddef>
#include <string>
#include <vector>

// The show list: the stored bytes of every item, shown one line per item. It is the list's one
// home; the list view draws only the rows in sight, so a million items cost no widgets.
class ShowListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const { return items_.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& Items() const { return items_; }
  void Append(std::string item);
  // Appends all of `items` at the end, in their order; views are told once.
  void Append(std::vector<std::string> items);
  // Replaces the whole list; views are told once.
  void Assign(std::vector<std::string> items);
  // Removes the items at `positions` (ascending, distinct) in one pass.
  void Remove(const std::vector<std::size_t>& positions);
  // Moves the items at `selected` (ascending, distinct) by `distance` positions, as a drag-move
  // does (see MoveSelectedItems).
  void MoveSelected(const std::vector<std::size_t>& selected, std::ptrdiff_t distance);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::vector<std::string> items_;
};
