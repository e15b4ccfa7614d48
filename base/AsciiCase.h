#pragma once
#include <string>
#include <string_view>

// Letter case of the 26 ASCII letters only: file names, extensions and keys compare this way
// whatever the locale, and bytes of other code pages stay as they are.
constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string AsciiLowered(std::string_view text);
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);
