#pragma once
#include "core/host/FileDialogs.h"

#include <QStringList>

// File dialogs through Qt; on Linux Qt's own dialog, which needs no desktop services.
class QtFileDialogs : public host::FileDialogs {
 public:
  std::vector<std::string> Choose(const host::FileDialogRequest& request) override;
};

// "Desc|*.a;*.b|..." as Qt name filters. Patterns are listed again at the end so descriptions
// that hold commas or parentheses of their own still filter correctly.
QStringList QtNameFilters(const std::string& filter, bool addAllFiles);
