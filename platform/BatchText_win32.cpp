#include <windows.h>

#include <string>

#include "base/AppError.h"
#include "platform/BatchText.h"

namespace platform {

std::string ToBatchFileText(const std::string& text, const std::string& scriptPath) {
  if (text.empty()) return text;
  const int size = static_cast<int>(text.size());
  const int wideSize = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(wideSize), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), wideSize);
  // No best fit: an 'a' standing in for an 'ã' would name a file that is not there.
  BOOL lost = FALSE;
  const int oemSize = WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize,
                                          nullptr, 0, nullptr, &lost);
  std::string oem(static_cast<size_t>(oemSize), '\0');
  WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, oem.data(), oemSize,
                      nullptr, &lost);
  if (lost)
    throw AppError(CannotCreateFileText(
        scriptPath, "A name holds a character the command interpreter cannot read (code page " +
                        std::to_string(GetOEMCP()) + "); choose VBS for this file"));
  return oem;
}

std::string FromBatchFileText(const std::string& bytes) {
  if (bytes.empty()) return bytes;
  const int size = static_cast<int>(bytes.size());
  const int wideSize = MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(wideSize), L'\0');
  MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), size, wide.data(), wideSize);
  // No best fit here either: a look-alike letter would find a file the interpreter would not.
  const int ansiSize = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize,
                                           nullptr, 0, "?", nullptr);
  std::string ansi(static_cast<size_t>(ansiSize), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, ansi.data(), ansiSize,
                      "?", nullptr);
  return ansi;
}

}  // namespace platform
