#include "core/showlist/DragMove.h"

#include <algorithm>

#include "base/AppError.h"

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
  for (std::size_t i = 0; i < selected.size(); ++i)
    if (static_cast<std::ptrdiff_t>(selected[i]) >= size ||
        (i > 0 && selected[i] <= selected[i - 1]))
      throw AppError(ListIndexOutOfBoundsText(static_cast<long long>(selected[i])));
  const auto first = static_cast<std::ptrdiff_t>(selected.front());
  const auto last = static_cast<std::ptrdiff_t>(selected.back());
  if (first + distance < 0) throw AppError(ListIndexOutOfBoundsText(first + distance));
  if (last + distance >= size) throw AppError(ListIndexOutOfBoundsText(last + distance));

  // The selected items wait aside; their places are free to be written.
  std::vector<std::string> moved;
  moved.reserve(selected.size());
  for (std::size_t position : selected) moved.push_back(std::move(items[position]));
  const auto at = [&](std::ptrdiff_t position) -> std::string& {
    return items[static_cast<std::size_t>(position)];
  };
  const auto target = [&](std::size_t i) {
    return static_cast<std::ptrdiff_t>(selected[i]) + distance;
  };
  const auto k = static_cast<std::ptrdiff_t>(selected.size());

  if (distance > 0) {
    // The other items only move towards the start, so filling upwards never overwrites one
    // that is still to be read.
    std::ptrdiff_t placed = 0;   // next selected item to put back
    std::ptrdiff_t skipped = 0;  // next selected place to skip while reading
    std::ptrdiff_t read = first;
    for (std::ptrdiff_t write = first; write <= last + distance; ++write) {
      if (placed < k && target(static_cast<std::size_t>(placed)) == write) {
        at(write) = std::move(moved[static_cast<std::size_t>(placed++)]);
        continue;
      }
      while (skipped < k &&
             static_cast<std::ptrdiff_t>(selected[static_cast<std::size_t>(skipped)]) == read) {
        ++skipped;
        ++read;
      }
      if (read != write) at(write) = std::move(at(read));
      ++read;
    }
  } else {
    // The mirror image: the other items only move towards the end; fill downwards.
    std::ptrdiff_t placed = k - 1;
    std::ptrdiff_t skipped = k - 1;
    std::ptrdiff_t read = last;
    for (std::ptrdiff_t write = last; write >= first + distance; --write) {
      if (placed >= 0 && target(static_cast<std::size_t>(placed)) == write) {
        at(write) = std::move(moved[static_cast<std::size_t>(placed--)]);
        continue;
      }
      while (skipped >= 0 &&
             static_cast<std::ptrdiff_t>(selected[static_cast<std::size_t>(skipped)]) == read) {
        --skipped;
        --read;
      }
      if (read != write) at(write) = std::move(at(read));
      --read;
    }
  }
}

std::size_t MovedPosition(const std::vector<std::size_t>& selected, std::ptrdiff_t distance,
                          std::size_t position) {
  if (selected.empty() || distance == 0) return position;
  const auto below = std::lower_bound(selected.begin(), selected.end(), position);
  if (below != selected.end() && *below == position)
    return static_cast<std::size_t>(static_cast<std::ptrdiff_t>(position) + distance);
  // An unselected item keeps its rank among the unselected ones: it takes the free place of
  // that rank, the first one with `rank` free places before it. The j-th selected item lands on
  // selected[j] + distance, with j free places before it when that is greater than rank + j.
  const auto rank = static_cast<std::ptrdiff_t>(position) - (below - selected.begin());
  std::size_t low = 0;
  std::size_t high = selected.size();
  while (low < high) {
    const std::size_t mid = (low + high) / 2;
    if (static_cast<std::ptrdiff_t>(selected[mid]) + distance - static_cast<std::ptrdiff_t>(mid) >
        rank)
      high = mid;
    else
      low = mid + 1;
  }
  return static_cast<std::size_t>(rank + static_cast<std::ptrdiff_t>(low));
}

std::ptrdiff_t DragMove(std::vector<std::string>& items, const std::vector<std::size_t>& selected,
                        std::ptrdiff_t pressPosition, std::ptrdiff_t dropPosition) {
  const std::ptrdiff_t distance =
      DragMoveDistance(items.size(), selected, pressPosition, dropPosition);
  MoveSelectedItems(items, selected, distance);
  return distance;
}
