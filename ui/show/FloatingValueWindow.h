#pragma once
#include <QWidget>
#include <functional>
#include <string>

#include "core/Services.h"

class QLabel;
class QLineEdit;

// The floating value window: the operator types the floating value here and confirms it with
// Enter, which lays out and shows the floating frame on the show window.
class FloatingValueWindow : public QWidget {
  Q_OBJECT
 public:
  explicit FloatingValueWindow(Services& services);

  // Shows the value in force (its stored bytes) in the edit field.
  void ShowValue(const std::string& value);
  // Runs for Enter with the value typed, inside the window's error guard.
  std::function<void(const std::string& value)> onValueEntered;

  // The controls, for the tests alone (defined there).
  struct TestAccess;

 private:
  // Return and the keypad's Enter: the value typed is taken.
  void ValueConfirmed();

  Services& services_;
  QLabel* captionLabel_;
  QLineEdit* valueEdit_;
};
