#include "core/check/ShowCheckReport.h"

namespace {

constexpr char kHex[] = "0123456789abcdef";

std::string Hex2(unsigned char byte) {
  return {kHex[byte >> 4], kHex[byte & 15]};
}

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at `at` (shortest form, no surrogates, at most
// U+10FFFF), or 0 when the byte there starts none.
size_t Utf8SequenceLength(std::string_view bytes, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(at);
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (size_t i = 2; i < length; ++i)
    if (!IsContinuation(byte(at + i))) return 0;
  return length;
}

std::string Printable(const std::string& bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F)
      text += "\\x" + Hex2(byte);
    else
      text += c;
  }
  return text;
}

std::string Counted(size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

size_t CountOf(const std::vector<CheckFinding>& findings, CheckSeverity severity) {
  size_t count = 0;
  for (const auto& finding : findings)
    if (finding.severity == severity) ++count;
  return count;
}

}  // namespace

std::string JsonString(std::string_view bytes) {
  std::string json = "\"";
  for (size_t i = 0; i < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte >= 0x80) {
      if (const size_t length = Utf8SequenceLength(bytes, i)) {
        json.append(bytes.substr(i, length));
        i += length;
      } else {
        json += "\\u00" + Hex2(byte);
        ++i;
      }
      continue;
    }
    switch (byte) {
      case '"':
        json += "\\\"";
        break;
      case '\\':
        json += "\\\\";
        break;
      case '\b':
        json += "\\b";
        break;
      case '\f':
        json += "\\f";
        break;
      case '\n':
        json += "\\n";
        break;
      case '\r':
        json += "\\r";
        break;
      case '\t':
        json += "\\t";
        break;
      default:
        if (byte < 0x20 || byte == 0x7F)
          json += "\\u00" + Hex2(byte);
        else
          json += static_cast<char>(byte);
    }
    ++i;
  }
  return json + "\"";
}

std::string FormatCheckText(const std::vector<CheckFinding>& findings, size_t itemCount,
                            const std::string& listFile) {
  std::string text;
  for (const auto& finding : findings)
    text += std::to_string(finding.position) + ": " + Printable(finding.item) + ": " +
            Printable(finding.detail) + "\n";
  const size_t errors = CountOf(findings, CheckSeverity::Error);
  const size_t infos = CountOf(findings, CheckSeverity::Info);
  text +=
      "Checked " + Counted(itemCount, "item", "items") + " of \"" + Printable(listFile) + "\": ";
  if (errors == 0 && infos == 0) return text + "nothing would fail.\n";
  text += errors == 0 ? std::string("nothing would fail") : Counted(errors, "error", "errors");
  if (infos > 0) text += ", " + Counted(infos, "note", "notes");
  return text + ".\n";
}

std::string FormatCheckJson(const std::vector<CheckFinding>& findings, size_t itemCount,
                            const std::string& listFile) {
  const size_t errors = CountOf(findings, CheckSeverity::Error);
  std::string json = "{\n";
  json += "  \"list\": " + JsonString(listFile) + ",\n";
  json += "  \"items\": " + std::to_string(itemCount) + ",\n";
  json += std::string("  \"ok\": ") + (errors == 0 ? "true" : "false") + ",\n";
  json += "  \"counts\": {\"error\": " + std::to_string(errors) +
          ", \"info\": " + std::to_string(CountOf(findings, CheckSeverity::Info)) + "},\n";
  json += "  \"findings\": [";
  for (size_t i = 0; i < findings.size(); ++i) {
    const CheckFinding& finding = findings[i];
    json += i == 0 ? "\n" : ",\n";
    json += "    {\"position\": " + std::to_string(finding.position) +
            ", \"item\": " + JsonString(finding.item) + ", \"kind\": \"" +
            CheckKindName(finding.kind) + "\", \"severity\": \"" +
            CheckSeverityName(finding.severity) + "\", \"detail\": " + JsonString(finding.detail) +
            "}";
  }
  json += findings.empty() ? "]\n" : "\n  ]\n";
  return json + "}\n";
}

std::string FormatCheckJsonError(const std::string& listFile, const std::string& error) {
  return "{\n  \"list\": " + JsonString(listFile) + ",\n  \"error\": " + JsonString(error) +
         "\n}\n";
}
