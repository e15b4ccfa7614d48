#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The head of one HTTP/1.x request, as the web remote's server reads it from its socket.
struct HttpHead {
  std::string method, target, version;                       // "GET", "/api/state?x=1", "HTTP/1.1"
  std::vector<std::pair<std::string, std::string>> headers;  // names lower-cased, values trimmed
  size_t length = 0;  // bytes of the head, through the blank line
  // The first value of the header named `lowerName`, "" if none.
  std::string_view Header(std::string_view lowerName) const;
};

enum class HeadStatus { Incomplete, Complete, Bad, TooLarge };
inline constexpr size_t kMaxHeadBytes = 8192;
inline constexpr size_t kMaxHeaders = 50;

// Reads the head from `bytes`, all that the connection has received so far; `out` is filled when
// Complete. Strict, since only our own page and scripts talk to it: "METHOD SP target SP
// HTTP/1.x" with an upper-case method and an origin-form target, "name: value" header lines, CR
// LF or bare LF line ends, no folded lines, one Host. A line found bad makes Bad at once, before
// the head is complete; Incomplete only while fewer than kMaxHeadBytes have come, TooLarge
// after. The server answers Bad with 400 and TooLarge with 431.
HeadStatus ParseHttpHead(std::string_view bytes, HttpHead& out);
