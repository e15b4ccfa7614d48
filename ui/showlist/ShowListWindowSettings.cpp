#include <QCheckBox>
#include <QPushButton>
#include <type_traits>
#include <utility>

#include "core/settings/LanguageTexts.h"
#include "core/settings/Settings.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/StoredText.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

// The control showing each "Setup" text, with the property holding it; const for a const window.
template <typename Window,
          typename Object = std::conditional_t<std::is_const_v<Window>, const QObject, QObject>>
std::pair<Object*, const char*> SetupTarget(Window& window, SetupText which) {
  switch (which) {
    case SetupText::Window:
      return {&window, "windowTitle"};
    case SetupText::Select:
      return {window.selectFilesButton, "text"};
    case SetupText::Clear:
      return {window.clearButton, "text"};
    case SetupText::ClearAll:
      return {window.clearAllButton, "text"};
    case SetupText::Load:
      return {window.loadListButton, "text"};
    case SetupText::Save:
      return {window.saveListButton, "text"};
    case SetupText::Continuous:
      return {window.continuousBox, "text"};
    case SetupText::Loop:
      return {window.loopBox, "text"};
  }
  return {nullptr, nullptr};
}

}  // namespace

void ShowListWindow::Apply(const Settings& settings) {
  // Ticking a box runs its handler, which copies the play option into the show state.
  continuousBox->setChecked(settings.continuousMode);
  loopBox->setChecked(settings.loopAll);
  playerGroup->SetItemIndex(settings.chosenPlayer);
}

void ShowListWindow::Collect(Settings& settings) const {
  // The play options are written from the show state (CollectShowSettings).
  settings.chosenPlayer = playerGroup->ItemIndex();
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
