// The profile engine on any bytes: what it reads is never longer than the limit; with no write
// the file comes back byte for byte; after writes, the written text parses again to the written
// values and every other value is unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "FuzzCheck.h"
#include "core/settings/LanguageTexts.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsKeys.h"

namespace {

using Name = std::pair<std::string, std::string>;  // section, key

// The names the program itself reads and writes.
const std::vector<Name>& ProgramNames() {
  static const std::vector<Name> names = [] {
    std::vector<Name> result;
    for (const auto& key : SettingsKeys()) result.emplace_back(key.section, key.key);
    for (const auto& text : HelpLineTexts()) result.emplace_back(kScreenSection, text.key);
    for (const auto& text : ListWindowTexts()) result.emplace_back(kSetupSection, text.key);
    return result;
  }();
  return names;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string Trim(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// What a read gives back for a value written as `value`.
std::string AsRead(std::string value) {
  for (char& c : value)
    if (c == '\r' || c == '\n') c = ' ';
  value = Trim(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value.substr(0, ProfileFile::kMaxValueLength);
}

// Probes beyond the program's own names: whatever looks like a section or key in the bytes.
std::vector<Name> NamesIn(const std::string& bytes) {
  std::vector<Name> names;
  std::string section;
  size_t pos = 0;
  while (pos < bytes.size() && names.size() < 200) {
    size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = Trim(bytes.substr(pos, end - pos));
    pos = end + 1;
    if (!line.empty() && line[0] == '[' && line.find(']') != std::string::npos) {
      section = line.substr(1, line.find(']') - 1);
    } else if (line.find('=') != std::string::npos) {
      names.emplace_back(section, line.substr(0, line.find('=')));
    }
  }
  return names;
}

constexpr const char* kMissing = "\x01missing";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const uint8_t writeCount = input.ConsumeIntegralInRange<uint8_t>(0, 8);
  std::vector<std::pair<size_t, std::string>> writes;
  for (uint8_t i = 0; i < writeCount; ++i) {
    const size_t which = input.ConsumeIntegralInRange<size_t>(0, ProgramNames().size() - 1);
    writes.emplace_back(which, input.ConsumeRandomLengthString(3000));
  }
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  std::vector<Name> probes = ProgramNames();
  for (auto& name : NamesIn(bytes)) probes.push_back(std::move(name));

  ProfileFile profile("fuzz.INI", bytes);
  FUZZ_CHECK(profile.Text() == bytes, "without writes the file stays byte for byte");

  std::map<Name, std::string> before;
  for (const auto& probe : probes) {
    const std::string value = profile.ReadString(probe.first, probe.second, kMissing);
    FUZZ_CHECK(value.size() <= ProfileFile::kMaxValueLength, "reads keep the length limit");
    before.emplace(probe, value);
  }

  // Writes through the program's own names, as the settings and language files do.
  std::map<size_t, std::string> written;
  for (const auto& [which, value] : writes) {
    const Name& name = ProgramNames()[which];
    profile.WriteString(name.first, name.second, value);
    written[which] = AsRead(value);
  }

  const ProfileFile again("fuzz.INI", profile.Text());
  std::set<std::string> writtenLower;
  auto lower = [](std::string text) {
    for (char& c : text)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
  };
  for (const auto& [which, value] : written) {
    const Name& name = ProgramNames()[which];
    FUZZ_CHECK(again.ReadString(name.first, name.second, kMissing) == value,
               "a written value reads back after parsing the written file");
    writtenLower.insert(lower(Trim(name.first)) + "\n" + lower(Trim(name.second)));
  }
  for (const auto& [probe, value] : before) {
    if (writtenLower.count(lower(Trim(probe.first)) + "\n" + lower(Trim(probe.second)))) continue;
    FUZZ_CHECK(again.ReadString(probe.first, probe.second, kMissing) == value,
               "values not written stay as they were");
  }
  return 0;
}
