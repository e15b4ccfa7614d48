#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class ProfileFile;

// One text of the language file: its key, the text used when the key is missing, and the text
// the window shows before the language file has been read.
struct LanguageText {
  const char* key;
  const char* builtIn;
  const char* beforeRead;
};

inline constexpr const char* kScreenSection = "Screen";
inline constexpr const char* kSetupSection = "Setup";
inline constexpr std::size_t kHelpLineCount = 15;
inline constexpr std::size_t kListWindowTextCount = 8;

// The show list window's texts, in the order of the "Setup" section.
enum class ListWindowText : uint8_t {
  Window,      // the show list window's title
  Select,      // selectFilesButton
  Clear,       // clearButton
  ClearAll,    // clearAllButton
  Load,        // loadListButton
  Save,        // saveListButton
  Continuous,  // continuousBox
  Loop,        // loopBox
};

// The help lines 0 to 14 of the show window ("Screen").
const std::array<LanguageText, kHelpLineCount>& HelpLineTexts();
// The show list window's texts ("Setup"), indexed by ListWindowText.
const std::array<LanguageText, kListWindowTextCount>& ListWindowTexts();

// The 23 texts in force.
struct LanguageValues {
  std::array<std::string, kHelpLineCount> help;
  std::array<std::string, kListWindowTextCount> listWindow;

  const std::string& ListWindow(ListWindowText which) const {
    return listWindow[static_cast<std::size_t>(which)];
  }
  bool operator==(const LanguageValues&) const = default;
};

// The built-in texts, what a run without a language file shows.
LanguageValues BuiltInLanguage();
// What the windows show before the language file has been read.
LanguageValues TextsBeforeReading();

// Reads the 15 help lines, then the 8 show list texts; a missing key gives its built-in text.
LanguageValues LoadLanguageTexts(const ProfileFile& profile);

// Writes the 15 help lines into "Screen", then the 8 texts into "Setup", in table order (in
// memory; the caller flushes).
void SaveLanguageTexts(ProfileFile& profile, const LanguageValues& values);
