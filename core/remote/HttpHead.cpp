#include "core/remote/HttpHead.h"

#include "base/AsciiCase.h"

namespace {

bool IsTokenChar(char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool IsToken(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (!IsTokenChar(c)) return false;
  return true;
}

bool IsMethod(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (c < 'A' || c > 'Z') return false;
  return true;
}

// An origin-form target: printable ASCII, as a URI is; browsers percent-encode everything else.
bool IsTarget(std::string_view text) {
  if (text.empty() || text[0] != '/') return false;
  for (const char c : text)
    if (c <= ' ' || c >= '\x7F') return false;
  return true;
}

bool IsVersion(std::string_view text) {
  return text.size() == 8 && text.substr(0, 7) == "HTTP/1." && text[7] >= '0' && text[7] <= '9';
}

// Visible characters, blanks and tabs; bytes from 0x80 up pass as HTTP allows them, to be judged
// by whoever reads the value.
bool IsFieldValue(std::string_view text) {
  for (const char c : text)
    if ((static_cast<unsigned char>(c) < ' ' && c != '\t') || c == '\x7F') return false;
  return true;
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ParseRequestLine(std::string_view line, HttpHead& out) {
  const size_t first = line.find(' ');
  if (first == std::string_view::npos) return false;
  const size_t second = line.find(' ', first + 1);
  if (second == std::string_view::npos) return false;
  const std::string_view method = line.substr(0, first);
  const std::string_view target = line.substr(first + 1, second - first - 1);
  const std::string_view version = line.substr(second + 1);
  if (!IsMethod(method) || !IsTarget(target) || !IsVersion(version)) return false;
  out.method = method;
  out.target = target;
  out.version = version;
  return true;
}

bool ParseHeaderLine(std::string_view line, HttpHead& out) {
  const size_t colon = line.find(':');
  if (colon == std::string_view::npos) return false;
  // A name must end at its colon: "Host : x" is refused, as HTTP asks of servers.
  const std::string_view name = line.substr(0, colon);
  const std::string_view value = Trimmed(line.substr(colon + 1));
  if (!IsToken(name) || !IsFieldValue(value)) return false;
  std::string lowerName = AsciiLowered(name);
  // Two Hosts could each be read by a different party; HTTP makes it a bad request.
  if (lowerName == "host")
    for (const auto& header : out.headers)
      if (header.first == "host") return false;
  out.headers.emplace_back(std::move(lowerName), std::string(value));
  return true;
}

}  // namespace

std::string_view HttpHead::Header(std::string_view lowerName) const {
  for (const auto& [name, value] : headers)
    if (name == lowerName) return value;
  return {};
}

HeadStatus ParseHttpHead(std::string_view bytes, HttpHead& out) {
  out = HttpHead();
  const std::string_view window = bytes.substr(0, kMaxHeadBytes);
  size_t at = 0;
  bool requestLine = true;
  while (true) {
    const size_t end = window.find('\n', at);
    if (end == std::string_view::npos)
      return bytes.size() >= kMaxHeadBytes ? HeadStatus::TooLarge : HeadStatus::Incomplete;
    std::string_view line = window.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    at = end + 1;
    if (requestLine) {
      if (!ParseRequestLine(line, out)) return HeadStatus::Bad;
      requestLine = false;
      continue;
    }
    if (line.empty()) {
      out.length = at;
      return HeadStatus::Complete;
    }
    // A line beginning with a blank continues the one before: obsolete, and a smuggling risk.
    if (line[0] == ' ' || line[0] == '\t') return HeadStatus::Bad;
    if (out.headers.size() == kMaxHeaders) return HeadStatus::TooLarge;
    if (!ParseHeaderLine(line, out)) return HeadStatus::Bad;
  }
}
