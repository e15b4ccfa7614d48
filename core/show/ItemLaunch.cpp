#include "core/show/ItemLaunch.h"

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

bool IsFullPath(const std::string& path, platform::PathRules rules) {
  if (rules == platform::PathRules::Posix) return !path.empty() && IsSeparator(path[0]);
  const bool drive = path.size() >= 2 && path[1] == ':' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  const bool share = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
  return drive || share;
}

// A ':' ends a drive name on Windows but is an ordinary character of POSIX file names.
std::string FolderOf(const std::string& path, platform::PathRules rules) {
  const char* ends = rules == platform::PathRules::Windows ? "\\/:" : "\\/";
  const auto cut = path.find_last_of(ends);
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

}  // namespace

ItemLaunch ComposeItemLaunch(const std::string& exePath, const std::string& item,
                             platform::PathRules rules) {
  const std::string base = IsFullPath(item, rules) ? std::string() : FolderOf(exePath, rules);
  return {base + item, base + FolderOf(item, rules)};
}

ItemLaunch NativeItemLaunch(const std::string& exePath, const std::string& item) {
  const ItemLaunch launch =
      ComposeItemLaunch(platform::ToItemSeparators(exePath), item, platform::NativePathRules());
  return {platform::ToNativeSeparators(launch.file), platform::ToNativeSeparators(launch.folder)};
}
