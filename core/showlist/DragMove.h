#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Selected positions are ascending, distinct and inside the list; a position of -1 means the
// point was on no item.

// How far a drag-move shifts the selection: the drop position minus the press position, limited
// so that the first selected item stops at the top and the last one at the bottom. 0 when the
// press or the drop is on no item or nothing is selected.
std::ptrdiff_t DragMoveDistance(std::size_t count, const std::vector<std::size_t>& selected,
                                std::ptrdiff_t pressPosition, std::ptrdiff_t dropPosition);

// Puts every item at `selected` `distance` positions further on; the selected items keep their
// order and gaps, the others keep their order and fill the remaining positions. One pass over
// the part of the list that changes, with room for the selected items only. Throws "List index out
// of bounds" when a selected item would leave the list.
void MoveSelectedItems(std::vector<std::string>& items, const std::vector<std::size_t>& selected,
                       std::ptrdiff_t distance);

// Where the item at `position` stands after MoveSelectedItems(items, selected, distance).
std::size_t MovedPosition(const std::vector<std::size_t>& selected, std::ptrdiff_t distance,
                          std::size_t position);

// The drop of a drag-move: moves the selection by DragMoveDistance and returns that distance.
std::ptrdiff_t DragMove(std::vector<std::string>& items, const std::vector<std::size_t>& selected,
                        std::ptrdiff_t pressPosition, std::ptrdiff_t dropPosition);
