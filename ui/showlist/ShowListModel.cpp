#include "ui/showlist/ShowListModel.h"

#include "core/showlist/DragMove.h"
#include "ui/qt/QStringBytes.h"

ShowListModel::ShowListModel(ShowList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {
  list_.AddObserver(*this);
}

ShowListModel::~ShowListModel() {
  list_.RemoveObserver(*this);
}

void ShowListModel::BeforeChange(const ShowListChange& change) {
  using Kind = ShowListChange::Kind;
  switch (change.kind) {
    case Kind::Append:
      beginInsertRows(QModelIndex(), static_cast<int>(change.first), static_cast<int>(change.last));
      break;
    case Kind::Remove:
      beginRemoveRows(QModelIndex(), static_cast<int>(change.first), static_cast<int>(change.last));
      break;
    case Kind::Reset:
      beginResetModel();
      break;
    case Kind::Move:
      // A rearrangement of rows: views are told once, and the few persistent indexes (the
      // current item and such) follow their items. Telling of every changed row would cost a
      // call per row.
      emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
      movedFrom_ = persistentIndexList();
      break;
  }
}

void ShowListModel::AfterChange(const ShowListChange& change) {
  using Kind = ShowListChange::Kind;
  switch (change.kind) {
    case Kind::Append:
      endInsertRows();
      break;
    case Kind::Remove:
      endRemoveRows();
      break;
    case Kind::Reset:
      endResetModel();
      break;
    case Kind::Move:
      if (change.done) {
        QModelIndexList after;
        after.reserve(movedFrom_.size());
        for (const QModelIndex& old : movedFrom_)
          after.push_back(index(static_cast<int>(MovedPosition(
              *change.selected, change.distance, static_cast<std::size_t>(old.row())))));
        changePersistentIndexList(movedFrom_, after);
      }
      movedFrom_.clear();
      emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
      break;
  }
}

int ShowListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : list_.Count();
}

QVariant ShowListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= list_.Count()) return {};
  return FromBytes(list_.Item(index.row()));
}
