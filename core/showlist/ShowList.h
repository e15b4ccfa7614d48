#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a change to the show list is, told to its observers before and after it happens.
struct ShowListChange {
  enum class Kind {
    Append,  // items first..last are new at the end
    Remove,  // the block first..last goes
    Reset,   // the whole list is replaced or thinned out in one pass
    Move,    // `selected` moves `distance` positions; `done` is false when it was refused
  };
  Kind kind;
  std::size_t first = 0;
  std::size_t last = 0;
  const std::vector<std::size_t>* selected = nullptr;
  std::ptrdiff_t distance = 0;
  bool done = true;
};

// A view of the list (the list window's rows) that keeps its place across changes. Several may
// watch one list; each is told of every change.
class ShowListObserver {
 public:
  virtual ~ShowListObserver() = default;
  virtual void BeforeChange(const ShowListChange& change) = 0;
  // Also told when the change was refused, so a view is never left half-way.
  virtual void AfterChange(const ShowListChange& change) = 0;
};

// The show list: the stored bytes of every item, in show order. One list per program; the show
// window plays from it, the list window and the player windows change it.
class ShowList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Throws std::out_of_range outside the list.
  const std::string& Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const std::vector<std::string>& Items() const { return items_; }
  // Counts the changes: a list whose revision is unchanged holds what it held then.
  std::uint64_t Revision() const { return revision_; }

  void Append(std::string item);
  // Appends all of `items` at the end, in their order; the observers are told once.
  void Append(std::vector<std::string> items);
  // Replaces the whole list; the observers are told once.
  void Assign(std::vector<std::string> items);
  // Removes the items at `positions` (ascending, distinct) in one pass; throws "List index out
  // of bounds" for a position outside the list, before anything is removed.
  void Remove(const std::vector<std::size_t>& positions);
  // Moves the items at `selected` (ascending, distinct) by `distance` positions, as a drag-move
  // does (see MoveSelectedItems).
  void MoveSelected(const std::vector<std::size_t>& selected, std::ptrdiff_t distance);

  // Each observer is told of every change until it is removed; removing one leaves the others.
  void AddObserver(ShowListObserver& observer);
  void RemoveObserver(const ShowListObserver& observer);

 private:
  void Before(const ShowListChange& change);
  void After(const ShowListChange& change);

  std::vector<std::string> items_;
  std::vector<ShowListObserver*> observers_;
  std::uint64_t revision_ = 0;
};
