#pragma once
#include <vector>

#include "ui/show/ShowWindow.h"

class EyeCheckCard;
class Label;
class LinesDisplay;
class QTimer;
class Shape;

// The show window's controls, which it keeps to itself, as tests look at them.
class ShowWindowTestAccess {
 public:
  explicit ShowWindowTestAccess(const ShowWindow& window) : window_(window) {}

  Shape* frameRectLeft() const { return window_.frameRectLeft_; }
  Shape* frameRectRight() const { return window_.frameRectRight_; }
  Label* descriptionLabelLeft() const { return window_.descriptionLabelLeft_; }
  Label* numberLabelLeft() const { return window_.numberLabelLeft_; }
  Label* descriptionLabelRight() const { return window_.descriptionLabelRight_; }
  Label* numberLabelRight() const { return window_.numberLabelRight_; }
  Shape* frameLineRight() const { return window_.frameLineRight_; }
  Shape* frameLineLeft() const { return window_.frameLineLeft_; }
  Shape* cornerMarker() const { return window_.cornerMarker_; }
  LinesDisplay* helpLeft() const { return window_.helpLeft_; }
  LinesDisplay* helpRight() const { return window_.helpRight_; }
  EyeCheckCard* eyeCheckCard() const { return window_.eyeCheckCard_; }
  QTimer* pauseTimer() const { return window_.pauseTimer_; }
  Label* lockNoteLeft() const { return window_.lockNoteLeft_; }
  Label* lockNoteRight() const { return window_.lockNoteRight_; }
  QTimer* lockNoteTimer() const { return window_.lockNoteTimer_; }
  // The four frame shapes in the order every show and hide goes through them.
  std::vector<Shape*> FrameShapes() const { return window_.FrameShapes(); }

 private:
  const ShowWindow& window_;
};
