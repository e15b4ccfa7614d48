#include "ui/controls/Label.h"

#include "core/AppError.h"
#include "core/show/FloatingFrame.h"
#include "core/show/ShowState.h"
#include "ui/controls/Memo.h"
#include "ui/controls/Shape.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/ShowWindow.h"

// Serves both the show window's resize and Enter in the floating value window.
void ShowWindow::LayoutFloatingFrame() {
  const int width = OuterWidth();
  const int height = OuterHeight();
  const int half = width / 2;  // an outer width is never below zero

  // The right half's texts keep the places of their left twins, even when the value fails.
  numberLabelRight->move(numberLabelLeft->x() + half, numberLabelRight->y());
  descriptionLabelRight->move(descriptionLabelLeft->x() + half, descriptionLabelRight->y());
  helpRight->move(helpLeft->x() + half, helpRight->y());

  const char separator = services().decimalSeparator ? services().decimalSeparator() : '.';
  const FloatingFrameResult result =
      ComputeFloatingFrame(state_.floatingValueText, separator, width, height);
  if (!result.geometry) throw AppError(result.error);
  const FloatingFrameGeometry& g = *result.geometry;

  state_.floatingPercent = g.percent;
  // The rectangles span the client height: they are anchored to its top and bottom.
  frameRectLeft->SetBounds(g.rectangleLeftL, 0, g.rectangleWidth, this->height());
  frameLineLeft->SetBounds(g.lineLeftL, 0, 1, g.lineHeight);
  frameRectRight->SetBounds(g.rectangleLeftR, 0, g.rectangleWidth, this->height());
  frameLineRight->SetBounds(g.lineLeftR, 0, 1, g.lineHeight);
}

void ShowWindow::FloatingValueEntered(const std::string& value) {
  state_.floatingValueText = value;
  // Hiding hands the keyboard back to the show window, whose activation hides the frame;
  // it runs now so that showing the frame below comes after it.
  floatingWindow_.hide();
  ActivateFromFloating();
  // A value that is no number ends the handler here and leaves the frame hidden.
  LayoutFloatingFrame();
  for (Shape* shape : FrameShapes()) shape->setVisible(true);
}
