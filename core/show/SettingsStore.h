#pragma once

// Where the settings and language texts come from at the show window's first activation and
// where they go at its close. The application implements it: it owns the windows they fill.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Reads both files and shows their values; missing files and keys give the defaults.
  virtual void Load() = 0;
  // Writes both files from what the windows hold now. Throws AppError when a file cannot be
  // written; that file then stays as it was.
  virtual void Save() = 0;
};
