#pragma once
#include <string>

#include "core/settings/LanguageTexts.h"

// Reads the 15 help lines and the 8 show list texts; a missing file or key gives the built-in
// text.
LanguageValues LoadLanguage(const std::string& file);

// Writes the 23 texts and flushes the file. Throws AppError "Unable to write to <file>"; the
// file then stays as it was.
void SaveLanguage(const std::string& file, const LanguageValues& values);
