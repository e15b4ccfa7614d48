#include <windows.h>

#include "platform/TextEncoding.h"

namespace platform {
namespace {

std::optional<std::string> Convert(const std::string& text, UINT from, UINT to) {
  if (text.empty()) return text;
  const int wide = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(),
                                       static_cast<int>(text.size()), nullptr, 0);
  if (wide <= 0) return std::nullopt;
  std::wstring buffer(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                      buffer.data(), wide);
  BOOL lossy = FALSE;
  // The UTF-8 code page takes no default-character arguments.
  BOOL* lossyArgument = to == CP_UTF8 ? nullptr : &lossy;
  const int bytes =
      WideCharToMultiByte(to, 0, buffer.data(), wide, nullptr, 0, nullptr, lossyArgument);
  if (bytes <= 0) return std::nullopt;
  std::string result(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(to, 0, buffer.data(), wide, result.data(), bytes, nullptr, lossyArgument);
  if (lossy) return std::nullopt;
  return result;
}

}  // namespace

std::optional<std::string> NativeNameToUtf8(const std::string& name) {
  return Convert(name, CP_ACP, CP_UTF8);
}

std::optional<std::string> Utf8ToNativeName(const std::string& name) {
  return Convert(name, CP_UTF8, CP_ACP);
}

}  // namespace platform
