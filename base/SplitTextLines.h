#pragma once
#include <string_view>
#include <vector>

// The lines of `text` without their line ends (LF or CR LF); a final line end starts no line.
std::vector<std::string_view> SplitTextLines(std::string_view text);
