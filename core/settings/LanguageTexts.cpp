#include "core/settings/LanguageTexts.h"

#include "core/settings/ProfileFile.h"

namespace {

constexpr std::array<LanguageText, kHelpLineCount> kHelpLines{{
    {"Help", "H : Toggle help", "H: Toggle Help"},
    {"Load list", "L : Load File list", "L: Load File list"},
    {"Maximise screen", "M : Toggle maximise screen", "M: Toggle Maximise screen"},
    {"File info", "I : Toggle current file info", "I: Toggle current file info"},
    {"Previous", "<-, 4 : Previous file", "<-, 4: Previous file"},
    {"Next", "->, 6 : Next file", "->, 6: Next file"},
    {"First", "1 : First file", "1: First file"},
    {"End show", "0 : End of show position", "0: End of show position"},
    {"Play", "SPACE, ENT : Play file", "SPACE, ENT: Play file"},
    {"Mono text", "S : Toggle mono/stereo text", "S: Toggle mono/stereo text"},
    {"Pointer", "P : Show/hide pointer", "P: Show/hide mouse pointer"},
    {"Exit", "X, ESCAPE : Exit", "ESC, X: Exit"},
    {"Floating Window", "F: Toggle floating frame", "F: Toggle floating frame"},
    {"Floating Value", "V: Floating value", "V: Floating value"},
    {"Corner indicator", "C: Toggle corner indicator", "C: Toggle corner indicator"},
}};

constexpr std::array<LanguageText, kListWindowTextCount> kListWindow{{
    {"Window", "Quadrel File list", "File list"},
    {"Select", "Select File(s)", "Select file(s)"},
    {"Clear", "Clear", "Clear"},
    {"Clear All", "Clear All", "Clear All"},
    {"Load", "Load list", "Load list"},
    {"Save", "Save list", "Save list"},
    {"Continuous", "Continuous", "Continuous"},
    {"Loop", "Loop All", "Loop All"},
}};

}  // namespace

const std::array<LanguageText, kHelpLineCount>& HelpLineTexts() {
  return kHelpLines;
}

const std::array<LanguageText, kListWindowTextCount>& ListWindowTexts() {
  return kListWindow;
}

namespace {

// Every text from one column of the tables.
LanguageValues ColumnOfTexts(const char* LanguageText::*column) {
  LanguageValues values;
  for (std::size_t i = 0; i < kHelpLineCount; ++i) values.help[i] = kHelpLines[i].*column;
  for (std::size_t i = 0; i < kListWindowTextCount; ++i)
    values.listWindow[i] = kListWindow[i].*column;
  return values;
}

}  // namespace

LanguageValues BuiltInLanguage() {
  return ColumnOfTexts(&LanguageText::builtIn);
}

LanguageValues TextsBeforeReading() {
  return ColumnOfTexts(&LanguageText::beforeRead);
}

LanguageValues LoadLanguageTexts(const ProfileFile& profile) {
  LanguageValues values;
  for (std::size_t i = 0; i < kHelpLineCount; ++i) {
    values.help[i] = profile.ReadString(kScreenSection, kHelpLines[i].key, kHelpLines[i].builtIn);
  }
  for (std::size_t i = 0; i < kListWindowTextCount; ++i) {
    values.listWindow[i] =
        profile.ReadString(kSetupSection, kListWindow[i].key, kListWindow[i].builtIn);
  }
  return values;
}

void SaveLanguageTexts(ProfileFile& profile, const LanguageValues& values) {
  for (std::size_t i = 0; i < kHelpLineCount; ++i) {
    profile.WriteString(kScreenSection, kHelpLines[i].key, values.help[i]);
  }
  for (std::size_t i = 0; i < kListWindowTextCount; ++i) {
    profile.WriteString(kSetupSection, kListWindow[i].key, values.listWindow[i]);
  }
}
