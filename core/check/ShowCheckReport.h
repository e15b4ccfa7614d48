#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/check/ShowCheck.h"

// `bytes` as a JSON string literal, quotes included. Valid UTF-8 stays as it is; quotes,
// backslashes and control characters are escaped; every byte that is not part of valid UTF-8
// becomes \u00XX (the character numbered like the byte), so the result is valid JSON and UTF-8
// whatever the bytes.
std::string JsonString(std::string_view bytes);

// The report for people: one line "<position>: <item>: <detail>" per finding, control bytes of
// items shown as \xHH, then one summary line.
std::string FormatCheckText(const std::vector<CheckFinding>& findings, size_t itemCount,
                            const std::string& listFile);

// The same report as one JSON object:
// {"list", "items", "ok", "counts": {"error", "info"},
//  "findings": [{"position", "item", "kind", "severity", "detail"}, ...]}.
std::string FormatCheckJson(const std::vector<CheckFinding>& findings, size_t itemCount,
                            const std::string& listFile);

// A list that could not be read, as JSON: {"list", "error"}.
std::string FormatCheckJsonError(const std::string& listFile, const std::string& error);
