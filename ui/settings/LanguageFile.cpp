#include "ui/settings/LanguageFile.h"

#include <QCheckBox>
#include <QPushButton>

#include "core/settings/LanguageTexts.h"
#include "core/settings/ProfileFile.h"
#include "core/showlist/ItemPath.h"
#include "ui/controls/Memo.h"
#include "ui/controls/StoredText.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

std::string LanguageFileName() {
  return ProgramFileName(Form_Main->services().exePath, ".LNG");
}

// The show list window's title or caption for each "Setup" text, with the property holding it.
std::pair<QObject*, const char*> SetupTarget(SetupText which) {
  switch (which) {
    case SetupText::Window:
      return {Form_Setup, "windowTitle"};
    case SetupText::Select:
      return {Form_Setup->selectFilesButton, "text"};
    case SetupText::Clear:
      return {Form_Setup->clearButton, "text"};
    case SetupText::ClearAll:
      return {Form_Setup->clearAllButton, "text"};
    case SetupText::Load:
      return {Form_Setup->loadListButton, "text"};
    case SetupText::Save:
      return {Form_Setup->saveListButton, "text"};
    case SetupText::Continuous:
      return {Form_Setup->continuousBox, "text"};
    case SetupText::Loop:
      return {Form_Setup->loopBox, "text"};
  }
  return {nullptr, nullptr};
}

}  // namespace

void LoadLanguage() {
  const ProfileFile profile(LanguageFileName());
  const LanguageValues values = LoadLanguageTexts(profile);
  for (std::size_t i = 0; i < kHelpLineCount; ++i)
    Form_Main->helpLeft->SetLine(static_cast<int>(i), values.help[i]);
  // The right display is a copy of the left one.
  for (int i = 0; i < static_cast<int>(kHelpLineCount); ++i)
    Form_Main->helpRight->SetLine(i, Form_Main->helpLeft->Line(i));
  for (std::size_t i = 0; i < kSetupTextCount; ++i) {
    const auto [control, property] = SetupTarget(static_cast<SetupText>(i));
    ShowStoredText(control, property, values.setup[i]);
  }
}

void SaveLanguage() {
  LanguageValues values;
  for (std::size_t i = 0; i < kHelpLineCount; ++i)
    values.help[i] = Form_Main->helpLeft->Line(static_cast<int>(i));
  for (std::size_t i = 0; i < kSetupTextCount; ++i) {
    const auto [control, property] = SetupTarget(static_cast<SetupText>(i));
    values.setup[i] = StoredText(control, property);
  }
  ProfileFile profile(LanguageFileName());
  SaveLanguageTexts(profile, values);
  profile.Flush();
}
