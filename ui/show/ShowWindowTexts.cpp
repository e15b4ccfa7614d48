#include <vector>

#include "core/settings/LanguageTexts.h"
#include "ui/controls/LinesDisplay.h"
#include "ui/show/ShowWindow.h"

void ShowWindow::ShowTexts(const LanguageValues& texts) {
  // The right display is a copy of the left one.
  const std::vector<std::string> lines(texts.help.begin(), texts.help.end());
  helpLeft_->SetLines(lines);
  helpRight_->SetLines(lines);
}
