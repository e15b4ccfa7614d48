#include "ui/settings/LanguageFile.h"

#include <QCheckBox>
#include <QPushButton>
#include "ui/App.h"

#include "core/settings/LanguageTexts.h"
#include "core/settings/ProfileFile.h"
#include "core/showlist/ItemPath.h"
#include "ui/controls/Memo.h"
#include "ui/controls/StoredText.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

// Transitional: the application whose windows are read and written.
App* gApp = nullptr;

std::string LanguageFileName() {
  return ProgramFileName(gApp->ExePath(), ".LNG");
}

// The show list window's title or caption for each "Setup" text, with the property holding it.
std::pair<QObject*, const char*> SetupTarget(SetupText which) {
  switch (which) {
    case SetupText::Window:
      return {&gApp->ListWindow(), "windowTitle"};
    case SetupText::Select:
      return {gApp->ListWindow().selectFilesButton, "text"};
    case SetupText::Clear:
      return {gApp->ListWindow().clearButton, "text"};
    case SetupText::ClearAll:
      return {gApp->ListWindow().clearAllButton, "text"};
    case SetupText::Load:
      return {gApp->ListWindow().loadListButton, "text"};
    case SetupText::Save:
      return {gApp->ListWindow().saveListButton, "text"};
    case SetupText::Continuous:
      return {gApp->ListWindow().continuousBox, "text"};
    case SetupText::Loop:
      return {gApp->ListWindow().loopBox, "text"};
  }
  return {nullptr, nullptr};
}

}  // namespace

void LoadLanguage(App& app) {
  gApp = &app;
  const ProfileFile profile(LanguageFileName());
  const LanguageValues values = LoadLanguageTexts(profile);
  for (std::size_t i = 0; i < kHelpLineCount; ++i)
    gApp->Show().helpLeft->SetLine(static_cast<int>(i), values.help[i]);
  // The right display is a copy of the left one.
  for (int i = 0; i < static_cast<int>(kHelpLineCount); ++i)
    gApp->Show().helpRight->SetLine(i, gApp->Show().helpLeft->Line(i));
  for (std::size_t i = 0; i < kSetupTextCount; ++i) {
    const auto [control, property] = SetupTarget(static_cast<SetupText>(i));
    ShowStoredText(control, property, values.setup[i]);
  }
}

void SaveLanguage(App& app) {
  gApp = &app;
  LanguageValues values;
  for (std::size_t i = 0; i < kHelpLineCount; ++i)
    values.help[i] = gApp->Show().helpLeft->Line(static_cast<int>(i));
  for (std::size_t i = 0; i < kSetupTextCount; ++i) {
    const auto [control, property] = SetupTarget(static_cast<SetupText>(i));
    values.setup[i] = StoredText(control, property);
  }
  ProfileFile profile(LanguageFileName());
  SaveLanguageTexts(profile, values);
  profile.Flush();
}
