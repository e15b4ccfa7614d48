#include "showlist/DragMove.h"

#include <algorithm>

#include "platform/AppError.h"

std::ptrdiff_t DragMoveDistance(std::size_t count, const std::vector<std::size_t>& selected,
                                std::ptrdiff_t pressPosition, std::ptrdiff_t dropPosition) {
  if (selected.empty() || pressPosition < 0 || dropPosition < 0) return 0;
  const auto first = static_cast<std::ptrdiff_t>(selected.front());
  const auto last = static_cast<std::ptrdiff_t>(selected.back());
  const auto lastPosition = static_cast<std::ptrdiff_t>(count) - 1;
  std::ptrdiff_t distance = dropPosition - pressPosition;
  if (first + distance < 0)
    distance = -first;
  else if (last + distance > lastPosition)
    distance = lastPosition - last;
  return distance;
}

void MoveSelectedItems(std::vector<std::string>& items, const std::vector<std::size_t>& selected,
                       std::ptrdiff_t distance) {
  if (selected.empty() || distance == 0) return;
  const auto size = static_cast<std::ptrdiff_t>(items.size());
  const auto first = static_cast<std::ptrdiff_t>(selected.front());
  const auto last = static_cast<std::ptrdiff_t>(selected.back());
  if (last >= size) throw AppError(ListIndexOutOfBoundsText(last));
  if (first + distance < 0) throw AppError(ListIndexOutOfBoundsText(first + distance));
  if (last + distance >= size) throw AppError(ListIndexOutOfBoundsText(last + distance));

  // Only the span from the lowest old or new place to the highest one changes.
  const std::ptrdiff_t low = std::min(first, first + distance);
  const std::ptrdiff_t high = std::max(last, last + distance);
  std::vector<std::string> moved;
  std::vector<std::string> others;
  moved.reserve(selected.size());
  others.reserve(static_cast<std::size_t>(high - low + 1) - selected.size());
  std::size_t next = 0;
  for (std::ptrdiff_t from = low; from <= high; ++from) {
    auto& item = items[static_cast<std::size_t>(from)];
    if (next < selected.size() && static_cast<std::ptrdiff_t>(selected[next]) == from) {
      moved.push_back(std::move(item));
      ++next;
    } else {
      others.push_back(std::move(item));
    }
  }
  if (next != selected.size()) throw AppError(ListIndexOutOfBoundsText(selected[next]));

  std::size_t movedAt = 0;
  std::size_t othersAt = 0;
  for (std::ptrdiff_t to = low; to <= high; ++to) {
    auto& slot = items[static_cast<std::size_t>(to)];
    if (movedAt < moved.size() && static_cast<std::ptrdiff_t>(selected[movedAt]) + distance == to)
      slot = std::move(moved[movedAt++]);
    else
      slot = std::move(others[othersAt++]);
  }
}

std::ptrdiff_t DragMove(std::vector<std::string>& items, const std::vector<std::size_t>& selected,
                        std::ptrdiff_t pressPosition, std::ptrdiff_t dropPosition) {
  const std::ptrdiff_t distance =
      DragMoveDistance(items.size(), selected, pressPosition, dropPosition);
  MoveSelectedItems(items, selected, distance);
  return distance;
}
