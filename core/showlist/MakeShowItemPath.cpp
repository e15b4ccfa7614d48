#include "core/showlist/MakeShowItemPath.h"

#include <string_view>
#include <vector>

#include "base/AsciiCase.h"
#include "base/PathParts.h"
#include "platform/PathStyle.h"

namespace {

// "C:" for a drive path, "\\server\share" for a share path, otherwise empty.
std::string_view DrivePart(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    const auto serverEnd = path.find('\\', 2);
    if (serverEnd == std::string_view::npos) return path;
    const auto shareEnd = path.find('\\', serverEnd + 1);
    return shareEnd == std::string_view::npos ? path : path.substr(0, shareEnd);
  }
  return {};
}

bool SameName(std::string_view a, std::string_view b, FolderCase folderCase) {
  return folderCase == FolderCase::Sensitive ? a == b : EqualIgnoringAsciiCase(a, b);
}

std::vector<std::string_view> FolderNames(std::string_view folder) {
  std::vector<std::string_view> names;
  if (!folder.empty() && folder.front() == '\\') folder.remove_prefix(1);
  if (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
  if (folder.empty()) return names;
  size_t start = 0;
  for (;;) {
    const auto cut = folder.find('\\', start);
    names.push_back(folder.substr(start, cut - start));
    if (cut == std::string_view::npos) break;
    start = cut + 1;
  }
  return names;
}

}  // namespace

std::string MakeShowItemPath(const std::string& exePath, const std::string& filePath,
                             FolderCase folderCase, platform::PathRules rules) {
  const bool windows = rules == platform::PathRules::Windows;
  // A POSIX file name may hold ':' ("Film: part 2.avi"): only '\' ends a folder there.
  const auto folderOf = [windows](const std::string& path) {
    if (windows) return FolderPart(path);
    const auto cut = path.find_last_of('\\');
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
  };
  const std::string fileFolder = folderOf(filePath);
  const std::string name = filePath.substr(fileFolder.size());
  const std::string exeFolder = folderOf(exePath);
  const std::string_view exeDrive = windows ? DrivePart(exePath) : std::string_view();
  const std::string_view fileDrive = windows ? DrivePart(fileFolder) : std::string_view();
  if (!SameName(exeDrive, fileDrive, FolderCase::Insensitive)) return filePath;

  const auto base = FolderNames(std::string_view(exeFolder).substr(exeDrive.size()));
  const auto target = FolderNames(std::string_view(fileFolder).substr(fileDrive.size()));
  size_t common = 0;
  while (common < base.size() && common < target.size() &&
         SameName(base[common], target[common], folderCase))
    ++common;

  std::string result;
  for (size_t i = common; i < base.size(); ++i) result += "..\\";
  for (size_t i = common; i < target.size(); ++i) {
    result += target[i];
    result += '\\';
  }
  return result + name;
}

std::string MakeNativeShowItemPath(const std::string& exePath, const std::string& filePath) {
  return MakeShowItemPath(
      platform::ToItemSeparators(exePath), platform::ToItemSeparators(filePath),
      platform::FolderNamesIgnoreCase() ? FolderCase::Insensitive : FolderCase::Sensitive,
      platform::NativePathRules());
}
