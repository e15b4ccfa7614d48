#include "base/PathParts.h"

namespace {
constexpr const char* kSeparators = "\\/:";
}

std::string FolderPart(const std::string& path) {
  const auto cut = path.find_last_of(kSeparators);
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string NamePart(const std::string& path) {
  const auto cut = path.find_last_of(kSeparators);
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ChangeExtension(const std::string& path, const std::string& extension) {
  const auto nameStart = path.find_last_of(kSeparators);
  const auto dot = path.find_last_of('.');
  const bool hasExtension =
      dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
  return (hasExtension ? path.substr(0, dot) : path) + extension;
}

std::string ProgramFileName(const std::string& exePath, const std::string& extension) {
  return ChangeExtension(exePath, extension);
}
