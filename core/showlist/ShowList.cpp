#include "core/showlist/ShowList.h"

#include <iterator>
#include <vector>

#include "core/showlist/DragMove.h"
#include "core/showlist/RemoveAtPositions.h"

void ShowList::AddObserver(ShowListObserver& observer) {
  observers_.push_back(&observer);
}

void ShowList::RemoveObserver(const ShowListObserver& observer) {
  std::erase(observers_, &observer);
}

void ShowList::Before(const ShowListChange& change) {
  for (ShowListObserver* observer : observers_) observer->BeforeChange(change);
}

void ShowList::After(const ShowListChange& change) {
  if (change.done) ++revision_;
  for (ShowListObserver* observer : observers_) observer->AfterChange(change);
}

void ShowList::Append(std::string item) {
  const ShowListChange change{ShowListChange::Kind::Append, items_.size(), items_.size()};
  Before(change);
  items_.push_back(std::move(item));
  After(change);
}

void ShowList::Append(std::vector<std::string> items) {
  if (items.empty()) return;
  const ShowListChange change{ShowListChange::Kind::Append, items_.size(),
                              items_.size() + items.size() - 1};
  Before(change);
  items_.insert(items_.end(), std::make_move_iterator(items.begin()),
                std::make_move_iterator(items.end()));
  After(change);
}

void ShowList::Assign(std::vector<std::string> items) {
  const ShowListChange change{ShowListChange::Kind::Reset};
  Before(change);
  items_ = std::move(items);
  After(change);
}

void ShowList::Remove(const std::vector<std::size_t>& positions) {
  if (positions.empty()) return;
  const std::size_t first = positions.front();
  const std::size_t last = positions.back();
  if (last < items_.size() && last >= first && last - first + 1 == positions.size()) {
    // One block: views keep their place and their other rows.
    const ShowListChange change{ShowListChange::Kind::Remove, first, last};
    Before(change);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(first),
                 items_.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    After(change);
    return;
  }
  // Scattered positions: one pass over the list, and one reset instead of a change per block.
  const ShowListChange change{ShowListChange::Kind::Reset};
  Before(change);
  try {
    RemoveAtPositions(items_, positions);  // refuses bad positions before it changes anything
  } catch (...) {
    After(change);
    throw;
  }
  After(change);
}

void ShowList::MoveSelected(const std::vector<std::size_t>& selected, std::ptrdiff_t distance) {
  if (selected.empty() || distance == 0) return;
  ShowListChange change{ShowListChange::Kind::Move};
  change.selected = &selected;
  change.distance = distance;
  Before(change);
  try {
    MoveSelectedItems(items_, selected, distance);  // refuses bad input before it moves anything
  } catch (...) {
    change.done = false;
    After(change);
    throw;
  }
  After(change);
}
