#pragma once

// Reads the settings file beside the executable into ShowState and the controls of the windows,
// in the order of the key table's reads; a missing file, section or key, or a flag or number
// that is no number, gives the table's default. Item indexes go through the controls' own rules.
class App;
void LoadSettings(App& app);

// Writes the 36 keys from ShowState and the controls as they are now, in table order, and
// flushes the file. Throws AppError "Unable to write to <file>"; the file then stays as it was.
class App;
void SaveSettings(App& app);
