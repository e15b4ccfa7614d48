#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number a profile value stands for: a decimal integer with an optional sign, or
// hexadecimal after "$", "0x" or "0X"; nothing for any other text and for numbers outside the
// 32-bit signed range.
std::optional<int32_t> ParseProfileNumber(std::string_view text);

// A flag read: any number other than 0 is true; a text that is no number gives `def`.
bool ParseProfileFlag(std::string_view text, bool def);

// Flags are stored as "1" and "0", numbers as signed decimals.
std::string FormatProfileFlag(bool value);
std::string FormatProfileNumber(int32_t value);
