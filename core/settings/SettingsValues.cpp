#include "core/settings/SettingsValues.h"

#include "core/settings/ProfileFile.h"

namespace {
std::size_t Slot(Setting binding) {
  return static_cast<std::size_t>(binding);
}
}  // namespace

SettingsValues::SettingsValues() {
  for (const SettingKey& key : SettingsKeys()) {
    auto& slot = values_[Slot(key.binding)];
    switch (key.type) {
      case SettingType::Flag:
        slot = key.defaultNumber != 0;
        break;
      case SettingType::Number:
        slot = key.defaultNumber;
        break;
      case SettingType::Text:
        slot = std::string(key.defaultText);
        break;
    }
  }
}

bool SettingsValues::Flag(Setting binding) const {
  return std::get<bool>(values_[Slot(binding)]);
}

int32_t SettingsValues::Number(Setting binding) const {
  return std::get<int32_t>(values_[Slot(binding)]);
}

const std::string& SettingsValues::Text(Setting binding) const {
  return std::get<std::string>(values_[Slot(binding)]);
}

void SettingsValues::SetFlag(Setting binding, bool value) {
  std::get<bool>(values_[Slot(binding)]) = value;
}

void SettingsValues::SetNumber(Setting binding, int32_t value) {
  std::get<int32_t>(values_[Slot(binding)]) = value;
}

void SettingsValues::SetText(Setting binding, std::string value) {
  std::get<std::string>(values_[Slot(binding)]) = std::move(value);
}

SettingsValues LoadSettingsValues(const ProfileFile& profile) {
  SettingsValues values;
  for (const Setting binding : SettingsReadOrder()) {
    const SettingKey& key = KeyOf(binding);
    switch (key.type) {
      case SettingType::Flag:
        values.SetFlag(binding, profile.ReadFlag(key.section, key.key, key.defaultNumber != 0));
        break;
      case SettingType::Number:
        values.SetNumber(binding, profile.ReadNumber(key.section, key.key, key.defaultNumber));
        break;
      case SettingType::Text:
        values.SetText(binding, profile.ReadString(key.section, key.key, key.defaultText));
        break;
    }
  }
  return values;
}

void SaveSettingsValues(ProfileFile& profile, const SettingsValues& values) {
  for (const SettingKey& key : SettingsKeys()) {
    switch (key.type) {
      case SettingType::Flag:
        profile.WriteFlag(key.section, key.key, values.Flag(key.binding));
        break;
      case SettingType::Number:
        profile.WriteNumber(key.section, key.key, values.Number(key.binding));
        break;
      case SettingType::Text:
        profile.WriteString(key.section, key.key, values.Text(key.binding));
        break;
    }
  }
}
