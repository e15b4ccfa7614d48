#include <windows.h>

#include <string>

#include "core/AppError.h"
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

}  // namespace platform
