#include "core/settings/LanguageTexts.h"
#include "ui/controls/LinesDisplay.h"
#include "ui/show/ShowWindow.h"

void ShowWindow::ApplyTexts(const LanguageValues& texts) {
  for (std::size_t i = 0; i < kHelpLineCount; ++i)
    helpLeft->SetLine(static_cast<int>(i), texts.help[i]);
  // The right display is a copy of the left one.
  for (int i = 0; i < static_cast<int>(kHelpLineCount); ++i)
    helpRight->SetLine(i, helpLeft->Line(i));
}

void ShowWindow::CollectTexts(LanguageValues& texts) const {
  // The left display is the one in force; the right one only copies it.
  for (std::size_t i = 0; i < kHelpLineCount; ++i)
    texts.help[i] = helpLeft->Line(static_cast<int>(i));
}
