#pragma once
#include <QAbstractListModel>
#include <QModelIndexList>

#include "core/showlist/ShowList.h"

// The show list as rows for the list window's view, one line per item. The view draws only the
// rows in sight, so a million items cost no widgets.
class ShowListModel : public QAbstractListModel, private ShowListObserver {
  Q_OBJECT
 public:
  ShowListModel(ShowList& list, QObject* parent);
  ~ShowListModel() override;

  ShowList& List() const { return list_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  void BeforeChange(const ShowListChange& change) override;
  void AfterChange(const ShowListChange& change) override;

  ShowList& list_;
  QModelIndexList movedFrom_;  // the persistent indexes of a move under way
};
