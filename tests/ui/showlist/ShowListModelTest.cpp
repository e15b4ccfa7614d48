#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/showlist/ShowListModel.h"

namespace {

// The rows a model has announced, kept as a view keeps them: from its insert and reset signals.
struct AnnouncedRows {
  explicit AnnouncedRows(const ShowListModel& model) {
    QObject::connect(&model, &QAbstractItemModel::rowsInserted,
                     [this](const QModelIndex&, int first, int last) { rows += last - first + 1; });
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved,
                     [this](const QModelIndex&, int first, int last) { rows -= last - first + 1; });
    QObject::connect(&model, &QAbstractItemModel::modelReset,
                     [this, &model] { rows = model.rowCount(); });
  }
  int rows = 0;
};

}  // namespace

TEST(ShowListModel, EveryModelOverOneListFollowsItAndOutlivesTheOthers) {
  ShowList list;
  ShowListModel first(list, nullptr);
  AnnouncedRows firstRows(first);
  {
    ShowListModel second(list, nullptr);
    AnnouncedRows secondRows(second);
    list.Append(std::vector<std::string>{"a", "b", "c"});
    EXPECT_EQ(firstRows.rows, 3);
    EXPECT_EQ(secondRows.rows, 3);
    list.Remove({0});
    EXPECT_EQ(firstRows.rows, 2);
    EXPECT_EQ(secondRows.rows, 2);
  }
  // The second model gone, the first one is still told.
  list.Append("d");
  EXPECT_EQ(firstRows.rows, 3);
  list.Assign({"x"});
  EXPECT_EQ(firstRows.rows, 1);

  // And the other way round: the first one gone, a later one is still told.
  auto later = std::make_unique<ShowListModel>(list, nullptr);
  AnnouncedRows laterRows(*later);
  { ShowListModel shortLived(list, nullptr); }
  list.Append("y");
  EXPECT_EQ(laterRows.rows, 1);  // announced only the one insert after it was made
  EXPECT_EQ(firstRows.rows, 2);
}
