#pragma once
#include <optional>
#include <string>

namespace platform {

// A file name in the system's 8-bit form (the ANSI code page on Windows, the file system's bytes
// elsewhere) as UTF-8, for programs that take names as URLs; nothing when it has no UTF-8 form
// (on Linux: bytes that are not UTF-8).
std::optional<std::string> NativeNameToUtf8(const std::string& name);

// The reverse: a UTF-8 name in the system's 8-bit form; nothing when the system cannot spell it.
std::optional<std::string> Utf8ToNativeName(const std::string& name);

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(const std::string& text);

}  // namespace platform
