#include "core/settings/ProgramFiles.h"

#include "base/PathParts.h"
#include "core/settings/LanguageFile.h"
#include "core/settings/SettingsFile.h"

ProgramValues ReadProgramFiles(const std::string& exePath) {
  ProgramValues values;
  values.settings = LoadSettings(ProgramFileName(exePath, ".INI"));
  values.texts = LoadLanguage(ProgramFileName(exePath, ".LNG"));
  return values;
}

void WriteProgramFiles(const std::string& exePath, const ProgramValues& values) {
  SaveSettings(ProgramFileName(exePath, ".INI"), values.settings);
  SaveLanguage(ProgramFileName(exePath, ".LNG"), values.texts);
}
