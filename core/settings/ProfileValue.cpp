#include "core/settings/ProfileValue.h"

namespace {

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

// Digits only, at least one; stops as soon as the value leaves what `limit` allows, so a long
// run of digits cannot overflow.
std::optional<int64_t> ParseDigits(std::string_view digits, int base, int64_t limit) {
  if (digits.empty()) return std::nullopt;
  int64_t value = 0;
  for (const char c : digits) {
    const int d = DigitValue(c, base);
    if (d < 0) return std::nullopt;
    value = value * base + d;
    if (value > limit) return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<int32_t> ParseProfileNumber(std::string_view text) {
  constexpr int64_t kMax = INT32_MAX;
  if (text.starts_with('$')) {
    const auto value = ParseDigits(text.substr(1), 16, kMax);
    if (!value) return std::nullopt;
    return static_cast<int32_t>(*value);
  }
  if (text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X"))) {
    const auto value = ParseDigits(text.substr(2), 16, kMax);
    if (!value) return std::nullopt;
    return static_cast<int32_t>(*value);
  }
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const auto value = ParseDigits(text, 10, negative ? kMax + 1 : kMax);
  if (!value) return std::nullopt;
  return static_cast<int32_t>(negative ? -*value : *value);
}

bool ParseProfileFlag(std::string_view text, bool def) {
  const auto value = ParseProfileNumber(text);
  return value ? *value != 0 : def;
}

std::string FormatProfileFlag(bool value) {
  return value ? "1" : "0";
}

std::string FormatProfileNumber(int32_t value) {
  return std::to_string(value);
}
