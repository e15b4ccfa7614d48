#pragma once
// The floating value window's controls, reached by the tests alone.
#include "ui/show/FloatingValueWindow.h"

struct FloatingValueWindow::TestAccess {
  explicit TestAccess(FloatingValueWindow& w)
      : window(w), captionLabel(w.captionLabel_), valueEdit(w.valueEdit_) {}
  FloatingValueWindow& window;
  QLabel* captionLabel;
  QLineEdit* valueEdit;
};

using FloatingControls = FloatingValueWindow::TestAccess;
