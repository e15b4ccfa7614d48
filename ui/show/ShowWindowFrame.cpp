#include "ui/controls/Label.h"

#include "ui/controls/Memo.h"
#include "ui/controls/Shape.h"
#include "core/AppError.h"
#include "core/show/FloatingFrame.h"
#include "core/show/ShowState.h"
#include "ui/show/ShowWindow.h"

// Serves both the show window's resize and Enter in the floating value window.
void TForm_Main::LayoutFloatingFrame() {
  const int width = OuterWidth();
  const int height = OuterHeight();
  const int half = width / 2;  // an outer width is never below zero

  // The right half's texts keep the places of their left twins, even when the value fails.
  Label_Number_R->move(Label_Number_L->x() + half, Label_Number_R->y());
  Label_Description_R->move(Label_Description_L->x() + half, Label_Description_R->y());
  Memo_Help_R->move(Memo_Help_L->x() + half, Memo_Help_R->y());

  const char separator = services().decimalSeparator ? services().decimalSeparator() : '.';
  const FloatingFrameResult result =
      ComputeFloatingFrame(ShowState.FloatingValueText, separator, width, height);
  if (!result.geometry) throw AppError(result.error);
  const FloatingFrameGeometry& g = *result.geometry;

  ShowState.FloatingPercent = g.percent;
  // The rectangles span the client height: they are anchored to its top and bottom.
  Shape_RectangleL->SetBounds(g.rectangleLeftL, 0, g.rectangleWidth, this->height());
  Shape_Line_L->SetBounds(g.lineLeftL, 0, 1, g.lineHeight);
  Shape_RectangleR->SetBounds(g.rectangleLeftR, 0, g.rectangleWidth, this->height());
  Shape_Line_R->SetBounds(g.lineLeftR, 0, 1, g.lineHeight);
}
