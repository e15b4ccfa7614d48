#include <QCheckBox>
#include <QPushButton>
#include <utility>

#include "core/settings/LanguageTexts.h"
#include "core/settings/Settings.h"
#include "ui/controls/RadioGroup.h"
#include "ui/qt/QStringBytes.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

// The control showing each "Setup" text, with the property holding it.
std::pair<QObject*, const char*> ListWindowTextTarget(ShowListWindow& window,
                                                      ListWindowText which) {
  switch (which) {
    case ListWindowText::Window:
      return {&window, "windowTitle"};
    case ListWindowText::Select:
      return {window.selectFilesButton, "text"};
    case ListWindowText::Clear:
      return {window.clearButton, "text"};
    case ListWindowText::ClearAll:
      return {window.clearAllButton, "text"};
    case ListWindowText::Load:
      return {window.loadListButton, "text"};
    case ListWindowText::Save:
      return {window.saveListButton, "text"};
    case ListWindowText::Continuous:
      return {window.continuousBox, "text"};
    case ListWindowText::Loop:
      return {window.loopBox, "text"};
  }
  return {nullptr, nullptr};
}

}  // namespace

void ShowListWindow::Bind(Settings& settings) {
  // The play options go straight to the settings, where the show reads them.
  bindings_.Bind(continuousBox, settings.continuousMode);
  bindings_.Bind(loopBox, settings.loopAll);
  bindings_.Bind(playerGroup, settings.chosenPlayer);
}

void ShowListWindow::ShowSettings() {
  bindings_.Fill();
}

void ShowListWindow::ShowTexts(const LanguageValues& texts) {
  for (std::size_t i = 0; i < kListWindowTextCount; ++i) {
    const auto [control, property] = ListWindowTextTarget(*this, static_cast<ListWindowText>(i));
    control->setProperty(property, FromBytes(texts.listWindow[i]));
  }
}
