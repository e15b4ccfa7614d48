#pragma once
#include <span>
#include <string_view>

// One item of a player window's radio group: the caption the operator sees and the text it adds
// to the command line.
struct OptionItem {
  std::string_view caption;
  std::string_view text;
};

// The command-line text of item `index`; a group with no item selected (or an index the table
// does not have) adds nothing.
inline std::string_view OptionText(std::span<const OptionItem> table, int index) {
  if (index < 0 || static_cast<size_t>(index) >= table.size()) return {};
  return table[static_cast<size_t>(index)].text;
}

// Input item of both player windows that takes a left-eye and a right-eye file per script.
inline constexpr int kSeparateLeftRightInput = 1;
