#pragma once
#include <optional>
#include <string>

namespace host {

// Message boxes shown to the operator.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A modal box with the error icon.
  virtual void ShowError(const std::string& title, const std::string& text) = 0;
  // A modal box with the warning icon: something went on, but not the whole way.
  virtual void ShowWarning(const std::string& title, const std::string& text) = 0;
  // A modal question with Yes and No; true for Yes. Closing the box answers No.
  virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;
  // The text of the box standing now (the latest, when one was opened over another); none when
  // no box stands.
  virtual std::optional<std::string> StandingMessage() const = 0;
  // Answers the box standing now as closing it would: OK, or No for a question. False when none
  // stands.
  virtual bool CloseStandingMessage() = 0;
};

}  // namespace host
