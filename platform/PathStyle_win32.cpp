#include "platform/PathStyle.h"

namespace platform {

std::string ToItemSeparators(const std::string& nativePath) {
  return nativePath;
}
std::string ToNativeSeparators(const std::string& itemPath) {
  return itemPath;
}
bool FolderNamesIgnoreCase() {
  return true;
}
bool ProgramsCarryExtensions() {
  return true;
}
PathRules NativePathRules() {
  return PathRules::Windows;
}

}  // namespace platform
