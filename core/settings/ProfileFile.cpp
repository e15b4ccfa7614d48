#include "core/settings/ProfileFile.h"

#include "base/AppError.h"
#include "base/AsciiCase.h"
#include "core/settings/ProfileValue.h"
#include "platform/FileSystem.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The section name of a header line ("[name]", text after the first ']' ignored), or nothing.
bool SectionName(std::string_view trimmed, std::string_view& name) {
  if (trimmed.empty() || trimmed.front() != '[') return false;
  const auto close = trimmed.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(trimmed.substr(1, close - 1));
  return true;
}

// The key name of a value line ("key=value"); comments and lines without "=" have none.
bool KeyName(std::string_view trimmed, std::string_view& name) {
  if (trimmed.empty() || trimmed.front() == ';') return false;
  const auto eq = trimmed.find('=');
  if (eq == std::string_view::npos) return false;
  name = Trim(trimmed.substr(0, eq));
  return !name.empty();
}

std::string_view LineEndBytes(int end) {
  switch (end) {
    case 1:
      return "\n";
    case 2:
      return "\r\n";
    case 3:
      return "\r";
    default:
      return "";
  }
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {
  if (!platform::IsRegularFile(path_)) return;
  std::string content;
  try {
    content = platform::ReadWholeFile(path_);
  } catch (const AppError&) {
    unreadable_ = true;
    return;
  }
  Parse(content);
}

ProfileFile::ProfileFile(std::string path, std::string_view content) : path_(std::move(path)) {
  Parse(content);
}

void ProfileFile::Parse(std::string_view content) {
  std::size_t pos = 0;
  while (pos < content.size()) {
    const auto cut = content.find_first_of("\r\n", pos);
    Line line;
    if (cut == std::string_view::npos) {
      line.text.assign(content.substr(pos));
      pos = content.size();
    } else {
      line.text.assign(content.substr(pos, cut - pos));
      if (content[cut] == '\n') {
        line.end = LineEnd::Lf;
        pos = cut + 1;
      } else if (cut + 1 < content.size() && content[cut + 1] == '\n') {
        line.end = LineEnd::CrLf;
        pos = cut + 2;
      } else {
        line.end = LineEnd::Cr;
        pos = cut + 1;
      }
    }
    lines_.push_back(std::move(line));
  }

  // Only the first section of a name counts, and in it the first key of a name; later
  // duplicates stay in the file untouched.
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t current = kNone;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view text = lines_[i].text;
    // Editors may put a UTF-8 mark before the first line; it stays in the file but must not
    // hide the first section.
    if (i == 0 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty()) continue;
    std::string_view name;
    if (SectionName(trimmed, name)) {
      const auto [it, inserted] = sectionIndex_.emplace(AsciiLowered(name), sections_.size());
      current = kNone;
      if (inserted) {
        current = it->second;
        Section section;
        section.name.assign(name);
        section.fromFile = true;
        section.insertAfter = i;
        sections_.push_back(std::move(section));
      }
      continue;
    }
    if (current == kNone) continue;
    Section& section = sections_[current];
    section.insertAfter = i;
    if (KeyName(trimmed, name)) section.keys.emplace(AsciiLowered(name), KeyRef{false, i});
  }
}

const ProfileFile::Section* ProfileFile::FindSection(std::string_view section) const {
  const auto it = sectionIndex_.find(AsciiLowered(Trim(section)));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const std::string* ProfileFile::FindLine(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return nullptr;
  const auto it = found->keys.find(AsciiLowered(Trim(key)));
  if (it == found->keys.end()) return nullptr;
  return it->second.added ? &found->added[it->second.index] : &lines_[it->second.index].text;
}

std::optional<std::string> ProfileFile::ReadValue(std::string_view section,
                                                  std::string_view key) const {
  const std::string* line = FindLine(section, key);
  if (!line) return std::nullopt;
  std::string_view value = *line;
  value = Trim(value.substr(value.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, kMaxValueLength));
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
  auto value = ReadValue(section, key);
  return value ? std::move(*value) : std::string(def);
}

bool ProfileFile::ReadFlag(std::string_view section, std::string_view key, bool def) const {
  const auto value = ReadValue(section, key);
  return value ? ParseProfileFlag(*value, def) : def;
}

int32_t ProfileFile::ReadNumber(std::string_view section, std::string_view key, int32_t def) const {
  const auto value = ReadValue(section, key);
  return value ? ParseProfileNumber(*value).value_or(def) : def;
}

void ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  std::string clean(value);
  for (char& c : clean) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  const std::string sectionKey = AsciiLowered(Trim(section));
  auto found = sectionIndex_.find(sectionKey);
  if (found == sectionIndex_.end()) {
    Section created;
    created.name.assign(section);
    sections_.push_back(std::move(created));
    found = sectionIndex_.emplace(sectionKey, sections_.size() - 1).first;
  }
  Section& target = sections_[found->second];
  const std::string keyName = AsciiLowered(Trim(key));
  const auto it = target.keys.find(keyName);
  if (it == target.keys.end()) {
    target.added.push_back(std::string(key) + "=" + clean);
    target.keys.emplace(keyName, KeyRef{true, target.added.size() - 1});
  } else {
    std::string& line =
        it->second.added ? target.added[it->second.index] : lines_[it->second.index].text;
    std::string_view name;
    KeyName(Trim(line), name);  // a key line: the name is there as found
    line = std::string(name) + "=" + clean;
  }
  dirty_ = true;
}

void ProfileFile::WriteFlag(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, FormatProfileFlag(value));
}

void ProfileFile::WriteNumber(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, FormatProfileNumber(value));
}

std::string ProfileFile::Text() const {
  std::string out;
  bool lastEnded = true;   // the text so far ends with a line end (or is empty)
  bool lastBlank = false;  // the last line written holds only blanks
  auto addLine = [&](std::string_view text, std::string_view end) {
    if (!lastEnded) out += "\r\n";
    out += text;
    out += end;
    lastEnded = !end.empty();
    lastBlank = Trim(text).empty();
  };

  std::size_t next = 0;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    addLine(lines_[i].text, LineEndBytes(static_cast<int>(lines_[i].end)));
    while (next < sections_.size() && sections_[next].fromFile &&
           sections_[next].insertAfter == i) {
      for (const auto& added : sections_[next].added) addLine(added, "\r\n");
      ++next;
    }
  }
  for (; next < sections_.size(); ++next) {
    const Section& section = sections_[next];
    if (section.fromFile) continue;  // cannot happen: file sections come first, in line order
    if (!out.empty() && !lastBlank) addLine("", "\r\n");
    addLine("[" + section.name + "]", "\r\n");
    for (const auto& added : section.added) addLine(added, "\r\n");
  }
  return out;
}

void ProfileFile::Flush() {
  if (!dirty_) return;
  if (unreadable_) throw AppError(UnableToWriteText(path_));
  platform::WriteFileAtomically(path_, Text(), platform::SaveErrors::UnableToWrite);
  dirty_ = false;
}
