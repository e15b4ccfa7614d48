#pragma once
#include <string>

#include "core/settings/Settings.h"

// Reads the settings file in the order of the key table's reads; a missing file, section or key,
// or a flag or number that is no number, gives the value of Settings{}.
Settings LoadSettings(const std::string& file);

// Writes every key in table order (a key marked onlyWhenSet only when it says something) and
// flushes the file. Throws AppError "Unable to write to <file>"; the file then stays as it was.
void SaveSettings(const std::string& file, const Settings& settings);
