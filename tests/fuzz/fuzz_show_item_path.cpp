// Show item paths for any program folder and file: the item, joined to the program's folder as
// the presenter joins it to start the item, names the same file as the path it was made from,
// under the Windows rules (drives, shares, folder names without letter case) and under the
// rules of this system (POSIX: one root, names with letter case, any byte but '/' and NUL).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/show/ItemLaunch.h"
#include "core/showlist/MakeShowItemPath.h"

namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerCopy(std::string text) {
  for (char& c : text) c = Lower(c);
  return text;
}

// A folder or file name: mostly from a few letters, so that folders of the program and of the
// file often agree or differ only in letter case; sometimes any bytes the system allows.
std::string MakeName(FuzzedDataProvider& input, const std::string& forbidden) {
  std::string name;
  if (input.ConsumeBool()) {
    static const char kLetters[] = {'a', 'A', 'b', 'B', '.', ' ', '\xE9', '\xC9', ':', '~'};
    const size_t length = input.ConsumeIntegralInRange<size_t>(1, 3);
    for (size_t i = 0; i < length; ++i) name += input.PickValueInArray(kLetters);
  } else {
    name = input.ConsumeRandomLengthString(12);
  }
  std::string clean;
  for (char c : name)
    if (c != '\0' && forbidden.find(c) == std::string::npos) clean += c;
  if (clean.empty() || clean == "." || clean == "..") clean = "n";
  return clean;
}

// Folder names of the file: some of the program's (perhaps in other letter case), then more.
std::vector<std::string> FileFolders(FuzzedDataProvider& input,
                                     const std::vector<std::string>& programFolders,
                                     const std::string& forbidden, bool changeCase) {
  std::vector<std::string> folders;
  const size_t shared = input.ConsumeIntegralInRange<size_t>(0, programFolders.size());
  for (size_t i = 0; i < shared; ++i) {
    std::string name = programFolders[i];
    if (changeCase && input.ConsumeBool()) {
      for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    folders.push_back(name);
  }
  const size_t more = input.ConsumeIntegralInRange<size_t>(0, 3);
  for (size_t i = 0; i < more; ++i) folders.push_back(MakeName(input, forbidden));
  return folders;
}

std::string Join(const std::vector<std::string>& names, char separator) {
  std::string path;
  for (const auto& name : names) path += name + separator;
  return path;
}

// A path with its ".." steps resolved; "!" when a step would leave the root.
std::vector<std::string> Resolve(const std::string& path, size_t rootLength, char separator) {
  std::vector<std::string> names;
  size_t start = rootLength;
  while (start <= path.size()) {
    size_t end = path.find(separator, start);
    if (end == std::string::npos) end = path.size();
    const std::string name = path.substr(start, end - start);
    if (name == "..") {
      if (names.empty()) return {"!"};
      names.pop_back();
    } else if (!name.empty()) {
      names.push_back(name);
    }
    start = end + 1;
  }
  return names;
}

// "X:" or "\\server\share" at the start of a full Windows path.
std::string WindowsRoot(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
  if (path.rfind("\\\\", 0) != 0) return {};
  const size_t server = path.find('\\', 2);
  const size_t share = server == std::string::npos ? server : path.find('\\', server + 1);
  return path.substr(0, share);
}

void CheckWindows(FuzzedDataProvider& input) {
  static const char* const kRoots[] = {
      "C:", "c:", "D:", R"(\\srv\films)", R"(\\SRV\Films)", R"(\\other\films)"};
  const std::string forbidden = "\\/:";
  const std::string exeRoot = input.PickValueInArray(kRoots);
  std::vector<std::string> exeFolders(input.ConsumeIntegralInRange<size_t>(0, 4));
  for (auto& name : exeFolders) name = MakeName(input, forbidden);
  const std::string exe = exeRoot + "\\" + Join(exeFolders, '\\') + "show.exe";

  const std::string fileRoot = input.ConsumeBool() ? exeRoot : input.PickValueInArray(kRoots);
  const auto fileFolders = FileFolders(input, exeFolders, forbidden, true);
  const std::string name = MakeName(input, forbidden);
  const std::string file = fileRoot + "\\" + Join(fileFolders, '\\') + name;

  const std::string item = MakeShowItemPath(exe, file);
  const std::string started = ComposeItemLaunch(exe, item, platform::PathRules::Windows).file;
  const std::string startedRoot = WindowsRoot(started);
  FUZZ_CHECK(LowerCopy(startedRoot) == LowerCopy(fileRoot), "the item starts on the file's drive");
  const auto got = Resolve(started, startedRoot.size(), '\\');
  const auto want = Resolve(file, fileRoot.size(), '\\');
  FUZZ_CHECK(got.size() == want.size(), "the item names the file's folder depth");
  for (size_t i = 0; i + 1 < want.size(); ++i)
    FUZZ_CHECK(LowerCopy(got[i]) == LowerCopy(want[i]), "the item names the file's folders");
  FUZZ_CHECK(got.back() == want.back(), "the item names the file by its own name");
}

void CheckPosix(FuzzedDataProvider& input) {
  const std::string forbidden = "/\\";
  std::vector<std::string> exeFolders(input.ConsumeIntegralInRange<size_t>(0, 4));
  for (auto& name : exeFolders) name = MakeName(input, forbidden);
  const std::string exe = "/" + Join(exeFolders, '/') + "quadrel";
  const auto fileFolders = FileFolders(input, exeFolders, forbidden, false);
  const std::string file = "/" + Join(fileFolders, '/') + MakeName(input, forbidden);

  const std::string item = MakeNativeShowItemPath(exe, file);
  const std::string started = NativeItemLaunch(exe, item).file;
  if (Resolve(started, 0, '/') != Resolve(file, 0, '/'))
    std::fprintf(stderr, "program %s\nfile    %s\nitem    %s\nstarted %s\n", exe.c_str(),
                 file.c_str(), item.c_str(), started.c_str());
  FUZZ_CHECK(Resolve(started, 0, '/') == Resolve(file, 0, '/'),
             "the item started names the file it was made from");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool())
    CheckWindows(input);
  else
    CheckPosix(input);
  return 0;
}
