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

  QLabel* captionLabel;
  QLineEdit* valueEdit;

  // A key typed into valueEdit; Enter (13) takes the value, the others are ordinary editing.
  void ValueKeyPress(int key);
  // Runs for Enter with the value typed, inside the window's error guard.
  std::function<void(const std::string& value)> onValueEntered;

 private:
  Services& services_;
};
