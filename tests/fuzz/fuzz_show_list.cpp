// List files on any bytes: the items agree with a plain reading of the format; saving them and
// loading the file again gives the same list; the saved bytes are exactly the items, each
// followed by CR LF.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "core/showlist/ShowListFile.h"

namespace {

// The format as the operator's documentation states it, one byte at a time.
std::vector<std::string> ReadLines(std::string_view bytes) {
  std::vector<std::string> items;
  size_t i = 0;
  while (i < bytes.size() && bytes[i] != '\0') {
    std::string item;
    while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n' && bytes[i] != '\0')
      item += bytes[i++];
    items.push_back(item);
    if (i < bytes.size() && bytes[i] == '\r') ++i;
    if (i < bytes.size() && bytes[i] == '\n') ++i;
  }
  return items;
}

// One folder for the whole run, removed at exit.
const std::string& WorkFile() {
  static const std::string file = [] {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "quadrel-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    static std::string folder = pattern;
    std::atexit([] { std::filesystem::remove_all(folder); });
    return folder + "/list.shl";
  }();
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> items = ParseShowList(bytes);
  FUZZ_CHECK(items == ReadLines(bytes), "lines are cut as the format says");

  const std::string saved = FormatShowList(items);
  size_t pos = 0;
  for (const auto& item : items) {
    FUZZ_CHECK(item.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
               "an item holds no line end and no NUL");
    FUZZ_CHECK(saved.compare(pos, item.size(), item) == 0, "saved bytes hold the item");
    pos += item.size();
    FUZZ_CHECK(saved.compare(pos, 2, "\r\n") == 0, "each saved item ends with CR LF");
    pos += 2;
  }
  FUZZ_CHECK(pos == saved.size(), "nothing follows the last item");

  // Through a real file now and then: each save is flushed to disk, which costs milliseconds.
  static unsigned runs = 0;
  if (runs++ % 64 == 0) {
    SaveShowList(WorkFile(), items);
    FUZZ_CHECK(LoadShowList(WorkFile()) == items, "a saved list loads as the same list");
  }
  return 0;
}
