#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One INI file held in memory with the conventions of the settings and language files:
// section and key names match without letter case and keep the case found; a write replaces a
// value in place, appends a missing key at the end of its section and a missing section at the
// end of the file; lines it does not know stay as they are, byte for byte. Writes are collected
// and reach the disk only through Flush(), as one atomic replacement.
class ProfileFile {
 public:
  // At most this many characters come back from a read.
  static constexpr std::size_t kMaxValueLength = 2047;

  // Reads `path` once. A missing file, a folder in its place or an unreadable file reads as
  // empty, so every read gives its default.
  explicit ProfileFile(std::string path);
  // A profile over `content`, written to `path` by Flush(); for callers that have the bytes.
  ProfileFile(std::string path, std::string_view content);

  const std::string& Path() const { return path_; }

  // The value with surrounding blanks and one pair of enclosing quotes removed, cut to
  // kMaxValueLength; `def` when the section or key is missing. A key present with an empty
  // value gives the empty text.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  // Flags and numbers follow the value rules of ProfileValue.h; a missing, empty or
  // non-numeric value gives `def`.
  bool ReadFlag(std::string_view section, std::string_view key, bool def) const;
  int32_t ReadNumber(std::string_view section, std::string_view key, int32_t def) const;

  // Sets the value in memory; CR and LF in it become blanks so it stays on its line.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteFlag(std::string_view section, std::string_view key, bool value);
  void WriteNumber(std::string_view section, std::string_view key, int32_t value);

  // The bytes the next Flush() writes.
  std::string Text() const;
  // Writes the collected changes to the file at once; does nothing when nothing was written.
  // Throws AppError "Unable to write to <path>" and leaves the file on disk as it was; the
  // changes stay pending, so a later Flush() tries again.
  void Flush();
  bool HasPendingWrites() const { return dirty_; }

 private:
  enum class LineEnd : uint8_t { None, Lf, CrLf, Cr };
  struct Line {
    std::string text;  // without its line end
    LineEnd end = LineEnd::None;
  };
  // Where a key's value lives: a line of the file, or a line a write appended to its section.
  struct KeyRef {
    bool added = false;
    std::size_t index = 0;
  };
  struct Section {
    std::string name;                // as found, or as written by the write that made it
    bool fromFile = false;           // false: appended at the end of the file by a write
    std::size_t insertAfter = 0;     // last non-blank line of the section in the file
    std::vector<std::string> added;  // key lines appended by writes, in order
    std::unordered_map<std::string, KeyRef> keys;  // lower-case name -> first occurrence
  };

  void Parse(std::string_view content);
  const Section* FindSection(std::string_view section) const;
  const std::string* FindLine(std::string_view section, std::string_view key) const;
  std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;

  std::string path_;
  bool unreadable_ = false;  // a file is there but could not be read: never overwrite it
  bool dirty_ = false;
  std::vector<Line> lines_;
  std::vector<Section> sections_;  // those found in file order, then those appended
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // lower-case name -> first
};
