#pragma once
#include <string>

#include "core/settings/LanguageTexts.h"
#include "core/settings/Settings.h"

// What the files beside the program hold (<name>.INI and <name>.LNG), kept while it runs. The
// settings are the one copy every window binds to; the texts are kept as read and written back
// as they are. Until the files are read the windows show their texts of before the reading.
struct ProgramValues {
  Settings settings;
  LanguageValues texts = TextsBeforeReading();
};

// Reads both files beside `exePath`; missing files and keys give the defaults and the built-in
// texts. Indexes come as read (see KeepChoicesInRange).
ProgramValues ReadProgramFiles(const std::string& exePath);

// Writes the settings, then the texts. Throws AppError "Unable to write to <file>" for the first
// file that fails; that file stays as it was and the language file is not touched after a
// failed settings write.
void WriteProgramFiles(const std::string& exePath, const ProgramValues& values);
