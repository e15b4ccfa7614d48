#include "ui/controls/Label.h"

#include "core/HandlerGuard.h"
#include "core/show/ShowRules.h"
#include "core/show/ShowState.h"
#include "ui/controls/Shape.h"
#include "ui/qt/TextCodec.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/HeldInput.h"
#include "ui/show/ShowWindow.h"
#include "ui/show/VirtualKey.h"
#include "ui/showlist/ShowListWindow.h"

#include <QLineEdit>

void ShowWindow::FormKeyDown(int key) {
  // One key event runs at most one command; where it stands between the common steps matters.
  RunGuarded(services(), [&] {
    for (Label* label :
         {numberLabelLeft, descriptionLabelLeft, numberLabelRight, descriptionLabelRight})
      label->clear();
    if (key == 'H') state_.helpVisible = !state_.helpVisible;
    if (key == 'C') cornerMarker->setVisible(cornerMarker->isHidden());
    if (key == 'L') {
      ShowPointer();
      listWindow_.move(listWindow_.x(), 0);
      listWindow_.move(0, 0);
      listWindow_.exec();
    }
    if (key == 'P') {
      if (state_.pointerVisible)
        HidePointer();
      else
        ShowPointer();
    }
    if (key == '1') state_.showIndex = 0;
    if (key == 'F')
      for (Shape* shape : FrameShapes()) shape->setVisible(shape->isHidden());
    if (key == '0') state_.showIndex = Count();
    if (key == '4' || key == VK_LEFT_KEY) state_.showIndex = state_.showIndex - 1;
    if (key == '6' || key == VK_RIGHT_KEY) state_.showIndex = state_.showIndex + 1;
    if (key == 'I') state_.infoVisible = !state_.infoVisible;
    if (key == 'S') state_.monoInfo = !state_.monoInfo;
    if (key == 'M') {
      state_.maximised = !state_.maximised;
      ApplyWindowMode();
    }
    if (key == 'V') {
      floatingWindow_.valueEdit->setText(FromBytes(state_.floatingValueText));
      if (floatingWindow_.isVisible()) {
        floatingWindow_.hide();
      } else {
        floatingWindow_.show();
        floatingWindow_.activateWindow();  // the floating value window takes the keyboard
      }
    }
    if (key == 'T') ToggleEyeCheckCard();
    if (key == VK_SPACE_KEY || key == VK_RETURN_KEY) PlayStep();
    // The show list may have changed in the show list window: the count is read afresh.
    state_.showIndex = BoundShowIndex(state_.showIndex, Count(), state_.loopAll);
    RefreshInfoDisplay();
    if (key == 'X' || key == VK_ESCAPE_KEY) close();
    UpdateCornerMarker();
    if (key == 'A') StopContinuousShow();
  });
  HeldInput::Of(*this).Release();
}
