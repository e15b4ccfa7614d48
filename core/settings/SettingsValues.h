#pragma once
#include <array>
#include <string>
#include <variant>

#include "core/settings/SettingsKeys.h"

class ProfileFile;

// One value per key of the settings file, typed by the key table; the UI layer moves them
// between this and the controls. Asking for a value by the wrong type is a programming error
// and throws std::bad_variant_access.
class SettingsValues {
 public:
  // The defaults of the key table.
  SettingsValues();

  bool Flag(Setting binding) const;
  int32_t Number(Setting binding) const;
  const std::string& Text(Setting binding) const;

  void SetFlag(Setting binding, bool value);
  void SetNumber(Setting binding, int32_t value);
  void SetText(Setting binding, std::string value);

  bool operator==(const SettingsValues&) const = default;

 private:
  std::array<std::variant<bool, int32_t, std::string>, kSettingCount> values_;
};

// Reads the 36 keys in the order of LoadSettings; a missing key or a flag or number that is
// no number gives the table's default.
SettingsValues LoadSettingsValues(const ProfileFile& profile);

// Writes the 36 keys in table order into `profile` (in memory; the caller flushes).
void SaveSettingsValues(ProfileFile& profile, const SettingsValues& values);
