#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/AppError.h"
#include "core/showlist/ShowList.h"

namespace {

using Items = std::vector<std::string>;

// Writes down every change as "before kind first-last" / "after kind ..." and the list's size
// at that moment, which is what a view relies on to keep its rows.
class RecordingObserver : public ShowListObserver {
 public:
  explicit RecordingObserver(const ShowList& list) : list_(list) {}
  void BeforeChange(const ShowListChange& change) override { Record("before", change); }
  void AfterChange(const ShowListChange& change) override { Record("after", change); }
  std::vector<std::string> calls;

 private:
  void Record(const char* when, const ShowListChange& change) {
    static const char* const kKinds[] = {"append", "remove", "reset", "move"};
    std::string call = std::string(when) + " " + kKinds[static_cast<int>(change.kind)];
    if (change.kind == ShowListChange::Kind::Append || change.kind == ShowListChange::Kind::Remove)
      call += " " + std::to_string(change.first) + "-" + std::to_string(change.last);
    if (change.kind == ShowListChange::Kind::Move)
      call += " by " + std::to_string(change.distance) + (change.done ? "" : " refused");
    calls.push_back(call + " size " + std::to_string(list_.Count()));
  }
  const ShowList& list_;
};

TEST(ShowList, TellsItsObserverBeforeAndAfterEachChange) {
  ShowList list;
  RecordingObserver observer(list);
  list.AddObserver(observer);

  list.Append("a");
  list.Append(Items{"b", "c", "d", "e"});
  list.Append(Items{});  // nothing to tell
  list.Remove({1, 2});   // one block: the view keeps its other rows
  list.MoveSelected({0}, 1);
  EXPECT_EQ(list.Items(), (Items{"d", "a", "e"}));
  list.Remove({0, 2});  // scattered: one reset
  list.Assign({"x"});
  EXPECT_EQ(list.Items(), Items{"x"});
  EXPECT_EQ(observer.calls,
            (std::vector<std::string>{
                "before append 0-0 size 0", "after append 0-0 size 1", "before append 1-4 size 1",
                "after append 1-4 size 5", "before remove 1-2 size 5", "after remove 1-2 size 3",
                "before move by 1 size 3", "after move by 1 size 3", "before reset size 3",
                "after reset size 1", "before reset size 1", "after reset size 1"}));
}

TEST(ShowList, RefusedChangesLeaveTheListAndEndTheViewsChange) {
  ShowList list;
  list.Assign({"a", "b", "c"});
  RecordingObserver observer(list);
  list.AddObserver(observer);

  // Out of the list: refused before anything changes, but the view is told the change ended.
  EXPECT_THROW(list.Remove({1, 7}), AppError);
  EXPECT_THROW(list.MoveSelected({2}, 1), AppError);
  EXPECT_EQ(list.Items(), (Items{"a", "b", "c"}));
  EXPECT_EQ(observer.calls, (std::vector<std::string>{"before reset size 3", "after reset size 3",
                                                      "before move by 1 size 3",
                                                      "after move by 1 refused size 3"}));

  list.MoveSelected({0, 1}, 1);
  EXPECT_EQ(list.Items(), (Items{"c", "a", "b"}));
  EXPECT_THROW(list.Item(3), std::out_of_range);

  // Without an observer, changes go on alone.
  list.RemoveObserver(observer);
  list.Remove({0});
  EXPECT_EQ(list.Items(), (Items{"a", "b"}));
}

TEST(ShowList, EveryObserverIsToldAndRemovingOneKeepsTheOthers) {
  ShowList list;
  RecordingObserver first(list);
  RecordingObserver second(list);
  RecordingObserver neverAdded(list);
  list.AddObserver(first);
  list.AddObserver(second);
  list.Append("a");
  // Removing one that was never added, or one twice, touches none of the others.
  list.RemoveObserver(neverAdded);
  list.RemoveObserver(second);
  list.RemoveObserver(second);
  list.Append("b");
  EXPECT_EQ(first.calls,
            (std::vector<std::string>{"before append 0-0 size 0", "after append 0-0 size 1",
                                      "before append 1-1 size 1", "after append 1-1 size 2"}));
  EXPECT_EQ(second.calls,
            (std::vector<std::string>{"before append 0-0 size 0", "after append 0-0 size 1"}));
  EXPECT_TRUE(neverAdded.calls.empty());
}

}  // namespace
