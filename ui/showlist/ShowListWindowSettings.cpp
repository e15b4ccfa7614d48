#include <QCheckBox>
#include <QPushButton>
#include <type_traits>
#include <utility>

#include "core/settings/LanguageTexts.h"
#include "core/settings/Settings.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/StoredText.h"
#include "ui/showlist/ShowListWindow.h"

template <typename Window>
ShowListWindow::TextTarget<Window> ShowListWindow::SetupTarget(Window& window, SetupText which) {
  switch (which) {
    case SetupText::Window:
      return {&window, "windowTitle"};
    case SetupText::Select:
      return {window.selectFilesButton_, "text"};
    case SetupText::Clear:
      return {window.clearButton_, "text"};
    case SetupText::ClearAll:
      return {window.clearAllButton_, "text"};
    case SetupText::Load:
      return {window.loadListButton_, "text"};
    case SetupText::Save:
      return {window.saveListButton_, "text"};
    case SetupText::Continuous:
      return {window.continuousBox_, "text"};
    case SetupText::Loop:
      return {window.loopBox_, "text"};
  }
  return {nullptr, nullptr};
}

void ShowListWindow::Apply(const Settings& settings) {
  // Ticking a box runs its handler, which copies the play option into the show state.
  continuousBox_->setChecked(settings.continuousMode);
  loopBox_->setChecked(settings.loopAll);
  playerGroup_->SetItemIndex(settings.chosenPlayer);
}

void ShowListWindow::Collect(Settings& settings) const {
  // The play options are written from the show state (CollectShowSettings).
  settings.chosenPlayer = playerGroup_->ItemIndex();
}

void ShowListWindow::ApplyTexts(const LanguageValues& texts) {
  for (std::size_t i = 0; i < kSetupTextCount; ++i) {
    const auto [control, property] = SetupTarget(*this, static_cast<SetupText>(i));
    ShowStoredText(control, property, texts.setup[i]);
  }
}

void ShowListWindow::CollectTexts(LanguageValues& texts) const {
  for (std::size_t i = 0; i < kSetupTextCount; ++i) {
    const auto [control, property] = SetupTarget(*this, static_cast<SetupText>(i));
    texts.setup[i] = StoredText(control, property);
  }
}
