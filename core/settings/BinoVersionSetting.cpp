#include "core/settings/BinoVersionSetting.h"

#include "core/settings/ProfileFile.h"

namespace {

constexpr const char* kSection = "Bino";
constexpr const char* kKey = "BinoVersion";

}  // namespace

int32_t LoadBinoVersion(const ProfileFile& profile) {
  return profile.ReadNumber(kSection, kKey, 0);
}

void SaveBinoVersion(ProfileFile& profile, int32_t itemIndex) {
  // No stored value holds a line break, so this default tells a missing key from any value.
  const bool present = profile.ReadString(kSection, kKey, "\n") != "\n";
  if (itemIndex != 0 || present) profile.WriteNumber(kSection, kKey, itemIndex);
}
