#include "platform/TextEncoding.h"

namespace platform {

// Linux file names are bytes, by convention UTF-8; a name that is not cannot be spelt as a URL
// that a player decodes back to the same bytes.
std::optional<std::string> NativeNameToUtf8(const std::string& name) {
  if (!IsUtf8(name)) return std::nullopt;
  return name;
}

std::optional<std::string> Utf8ToNativeName(const std::string& name) {
  if (!IsUtf8(name)) return std::nullopt;
  return name;
}

}  // namespace platform
