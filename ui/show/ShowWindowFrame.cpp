#include "ui/controls/Label.h"

#include "core/AppError.h"
#include "core/show/FloatingFrame.h"
#include "core/show/ShowState.h"
#include "ui/controls/Memo.h"
#include "ui/controls/Shape.h"
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
      ComputeFloatingFrame(ShowState.FloatingValueText, separator, width, height);
  if (!result.geometry) throw AppError(result.error);
  const FloatingFrameGeometry& g = *result.geometry;

  ShowState.FloatingPercent = g.percent;
  // The rectangles span the client height: they are anchored to its top and bottom.
  frameRectLeft->SetBounds(g.rectangleLeftL, 0, g.rectangleWidth, this->height());
  frameLineLeft->SetBounds(g.lineLeftL, 0, 1, g.lineHeight);
  frameRectRight->SetBounds(g.rectangleLeftR, 0, g.rectangleWidth, this->height());
  frameLineRight->SetBounds(g.lineLeftR, 0, 1, g.lineHeight);
}
