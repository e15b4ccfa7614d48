#include "TempDir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = fs::temp_directory_path() /
          ("quadrel-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  fs::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::string TempDir::file(const std::string& name) const {
  return (path_ / name).string();
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(path_ / name, std::ios::binary);
  out << bytes;
}

std::string TempDir::read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

std::string TempDir::listing() const {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(path_))
    names.insert(entry.path().filename().string());
  std::string out;
  for (const auto& n : names) out += (out.empty() ? "" : " ") + n;
  return out;
}
