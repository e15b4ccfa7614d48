#pragma once
#include <optional>
#include <string>

// Converts the floating value text to the nearest 64-bit floating-point value, ties to even.
// Accepted: spaces, an optional sign, digits with at most one `decimalSeparator` among them (at
// least one digit), an optional exponent ("E" or "e", optional sign, digits), spaces. No
// thousands separators. Empty when the text is not such a number or its value is beyond the
// range of a 64-bit floating-point number; a value too small to represent becomes zero.
// The result does not depend on the C library or the process locale, so every system agrees.
std::optional<double> ParseFloatingNumber(const std::string& text, char decimalSeparator);
