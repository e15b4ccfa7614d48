#include "core/showlist/RemoveAtPositions.h"

#include "base/AppError.h"

void RemoveAtPositions(std::vector<std::string>& items, const std::vector<std::size_t>& selected) {
  if (selected.empty()) return;
  for (std::size_t i = 0; i < selected.size(); ++i)
    if (selected[i] >= items.size() || (i > 0 && selected[i] <= selected[i - 1]))
      throw AppError(ListIndexOutOfBoundsText(static_cast<long long>(selected[i])));

  std::size_t write = selected.front();
  std::size_t next = 0;
  for (std::size_t read = selected.front(); read < items.size(); ++read) {
    if (next < selected.size() && selected[next] == read) {
      ++next;
      continue;
    }
    if (write != read) items[write] = std::move(items[read]);
    ++write;
  }
  items.resize(write);
}
