// The floating value grammar on any text: an accepted text matches the grammar and converts to
// exactly the value strtod gives for it; a refused text is outside the grammar or beyond the
// range of a 64-bit floating-point number.
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"
#include "core/show/FloatingNumber.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Spaces, a sign, digits with at most one separator (at least one digit), an exponent, spaces.
bool MatchesGrammar(const std::string& text, char separator) {
  size_t i = 0, end = text.size();
  while (i < end && text[i] == ' ') ++i;
  while (end > i && text[end - 1] == ' ') --end;
  if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0, separators = 0;
  for (; i < end; ++i) {
    if (IsDigit(text[i])) {
      ++digits;
    } else if (text[i] == separator && separators == 0) {
      ++separators;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == end || !IsDigit(text[i])) return false;
    while (i < end && IsDigit(text[i])) ++i;
  }
  return i == end;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the locale's separator; the rest is the text.
  const char separator = (data[0] & 1) ? ',' : '.';
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto parsed = ParseFloatingNumber(text, separator);
  const bool grammar = MatchesGrammar(text, separator);
  if (!grammar) {
    FUZZ_CHECK(!parsed, "a text outside the grammar is refused");
    return 0;
  }

  // strtod reads '.' in the C locale: give it the same number with that separator.
  std::string forStrtod = text;
  for (char& c : forStrtod)
    if (c == separator) c = '.';
  const char* begin = forStrtod.c_str();
  while (*begin == ' ') ++begin;
  char* stop = nullptr;
  errno = 0;
  const double expected = std::strtod(begin, &stop);
  const bool overflow = errno == ERANGE && std::isinf(expected);
  size_t rest = static_cast<size_t>(stop - forStrtod.c_str());
  while (rest < forStrtod.size() && forStrtod[rest] == ' ') ++rest;
  FUZZ_CHECK(rest == forStrtod.size(), "strtod reads the whole of a text of the grammar");
  if (overflow) {
    FUZZ_CHECK(!parsed, "a value beyond the range is refused");
    return 0;
  }
  FUZZ_CHECK(parsed.has_value(), "a text of the grammar within the range is accepted");
  FUZZ_CHECK(std::bit_cast<uint64_t>(*parsed) == std::bit_cast<uint64_t>(expected),
             "the value is the one strtod gives, to the bit");
  return 0;
}
