#include "core/settings/LanguageFile.h"

#include "core/settings/ProfileFile.h"

LanguageValues LoadLanguage(const std::string& file) {
  return LoadLanguageTexts(ProfileFile(file));
}

void SaveLanguage(const std::string& file, const LanguageValues& values) {
  ProfileFile profile(file);
  SaveLanguageTexts(profile, values);
  profile.Flush();
}
