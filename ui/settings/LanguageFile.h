#pragma once

// Reads the language file beside the executable into the 15 help lines of both help displays
// and the show list window's title and captions; a missing key gives its built-in text.
class App;
void LoadLanguage(App& app);

// Writes the texts in force (the left help display and the show list window's title and
// captions) and flushes the file. Throws AppError "Unable to write to <file>"; the file then
// stays as it was.
class App;
void SaveLanguage(App& app);
