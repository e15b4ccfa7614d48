#include "core/settings/SettingsFile.h"

#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsKeys.h"

namespace {

// A value read from the file never holds a line break: this default tells a missing key from
// any value.
constexpr const char* kMissing = "\n";

struct Reader {
  const ProfileFile& profile;
  const SettingKey& key;
  Settings& settings;
  const Settings& defaults;

  void operator()(bool Settings::*field) const {
    settings.*field = profile.ReadFlag(key.section, key.key, defaults.*field);
  }
  void operator()(int32_t Settings::*field) const {
    settings.*field = profile.ReadNumber(key.section, key.key, defaults.*field);
  }
  void operator()(std::string Settings::*field) const {
    settings.*field = profile.ReadString(key.section, key.key, defaults.*field);
  }
};

struct Writer {
  ProfileFile& profile;
  const SettingKey& key;
  const Settings& settings;

  void operator()(bool Settings::*field) const {
    profile.WriteFlag(key.section, key.key, settings.*field);
  }
  void operator()(int32_t Settings::*field) const {
    profile.WriteNumber(key.section, key.key, settings.*field);
  }
  void operator()(std::string Settings::*field) const {
    profile.WriteString(key.section, key.key, settings.*field);
  }
};

bool IsDefault(const Settings& settings, const SettingField& field) {
  static const Settings defaults;
  return std::visit([&](auto member) { return settings.*member == defaults.*member; }, field);
}

}  // namespace

Settings LoadSettings(const std::string& file) {
  const ProfileFile profile(file);
  const Settings defaults;
  Settings settings;
  for (const Setting binding : SettingsReadOrder()) {
    const SettingKey& key = KeyOf(binding);
    std::visit(Reader{profile, key, settings, defaults}, key.field);
  }
  return settings;
}

void SaveSettings(const std::string& file, const Settings& settings) {
  ProfileFile profile(file);
  for (const SettingKey& key : SettingsKeys()) {
    if (key.onlyWhenSet && IsDefault(settings, key.field) &&
        profile.ReadString(key.section, key.key, kMissing) == kMissing)
      continue;
    std::visit(Writer{profile, key, settings}, key.field);
  }
  profile.Flush();
}
