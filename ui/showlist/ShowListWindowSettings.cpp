#include <QCheckBox>
#include <QPushButton>
#include <utility>

#include "core/settings/LanguageTexts.h"
#include "core/settings/Settings.h"
#include "ui/controls/RadioGroup.h"
#include "ui/qt/QStringBytes.h"
#include "ui/showlist/ShowListWindow.h"

std::pair<QObject*, const char*> ShowListWindow::TextTarget(ListWindowText which) {
  switch (which) {
    case ListWindowText::Window:
      return {this, "windowTitle"};
    case ListWindowText::Select:
      return {selectFilesButton_, "text"};
    case ListWindowText::Clear:
      return {clearButton_, "text"};
    case ListWindowText::ClearAll:
      return {clearAllButton_, "text"};
    case ListWindowText::Load:
      return {loadListButton_, "text"};
    case ListWindowText::Save:
      return {saveListButton_, "text"};
    case ListWindowText::Continuous:
      return {continuousBox_, "text"};
    case ListWindowText::Loop:
      return {loopBox_, "text"};
  }
  return {nullptr, nullptr};
}

void ShowListWindow::Bind(Settings& settings) {
  // The play options go straight to the settings, where the show reads them.
  bindings_.Bind(continuousBox_, settings.continuousMode);
  bindings_.Bind(loopBox_, settings.loopAll);
  bindings_.Bind(playerGroup_, settings.chosenPlayer);
}

void ShowListWindow::ShowSettings() {
  bindings_.Fill();
}

void ShowListWindow::ShowTexts(const LanguageValues& texts) {
  for (std::size_t i = 0; i < kListWindowTextCount; ++i) {
    const auto [control, property] = TextTarget(static_cast<ListWindowText>(i));
    control->setProperty(property, FromBytes(texts.listWindow[i]));
  }
}
