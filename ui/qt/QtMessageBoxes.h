#pragma once
#include "platform/MessageBoxes.h"

namespace platform {

class QtMessageBoxes : public MessageBoxes {
 public:
  void ShowError(const std::string& title, const std::string& text) override;
  void ShowWarning(const std::string& title, const std::string& text) override;
};

}  // namespace platform
