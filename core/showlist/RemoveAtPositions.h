#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Removes the items at `selected` (ascending, distinct positions inside the list) in one pass;
// the other items keep their order. Throws "List index out of bounds" for a position that is
// not inside the list or not ascending, before anything is removed.
void RemoveAtPositions(std::vector<std::string>& items, const std::vector<std::size_t>& selected);
