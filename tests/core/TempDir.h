#pragma once
#include <filesystem>
#include <string>

// A fresh folder for one test, removed with everything in it when the test ends.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // The native full path of `name` inside the folder.
  std::string file(const std::string& name) const;
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
  // Names of the folder's entries, sorted.
  std::string listing() const;

 private:
  std::filesystem::path path_;
};
