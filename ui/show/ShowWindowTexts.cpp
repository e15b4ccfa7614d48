#include "core/settings/LanguageTexts.h"
#include "ui/controls/LinesDisplay.h"
#include "ui/show/ShowWindow.h"

void ShowWindow::ApplyTexts(const LanguageValues& texts) {
  for (std::size_t i = 0; i < kHelpLineCount; ++i)
    helpLeft_->SetLine(static_cast<int>(i), texts.help[i]);
  // The right display is a copy of the left one.
  for (int i = 0; i < static_cast<int>(kHelpLineCount); ++i)
    helpRight_->SetLine(i, helpLeft_->Line(i));
}

void ShowWindow::CollectTexts(LanguageValues& texts) const {
  // The left display is the one in force; the right one only copies it.
  for (std::size_t i = 0; i < kHelpLineCount; ++i)
    texts.help[i] = helpLeft_->Line(static_cast<int>(i));
}
