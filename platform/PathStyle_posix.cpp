#include <algorithm>

#include "platform/PathStyle.h"

namespace platform {

std::string ToItemSeparators(const std::string& nativePath) {
  std::string result = nativePath;
  std::replace(result.begin(), result.end(), '/', '\\');
  return result;
}

std::string ToNativeSeparators(const std::string& itemPath) {
  std::string result = itemPath;
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

bool FolderNamesIgnoreCase() {
  return false;
}

bool ProgramsCarryExtensions() {
  return false;
}
PathRules NativePathRules() {
  return PathRules::Posix;
}

}  // namespace platform
