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
    if (key == 'H') ShowState.HelpVisible = !ShowState.HelpVisible;
    if (key == 'C') cornerMarker->setVisible(cornerMarker->isHidden());
    if (key == 'L') {
      ShowPointer();
      Form_Setup->move(Form_Setup->x(), 0);
      Form_Setup->move(0, 0);
      Form_Setup->exec();
    }
    if (key == 'P') {
      if (ShowState.PointerVisible)
        HidePointer();
      else
        ShowPointer();
    }
    if (key == '1') ShowState.ShowIndex = 0;
    if (key == 'F')
      for (Shape* shape : FrameShapes()) shape->setVisible(shape->isHidden());
    if (key == '0') ShowState.ShowIndex = Count();
    if (key == '4' || key == VK_LEFT_KEY) ShowState.ShowIndex = ShowState.ShowIndex - 1;
    if (key == '6' || key == VK_RIGHT_KEY) ShowState.ShowIndex = ShowState.ShowIndex + 1;
    if (key == 'I') ShowState.InfoVisible = !ShowState.InfoVisible;
    if (key == 'S') ShowState.MonoInfo = !ShowState.MonoInfo;
    if (key == 'M') {
      ShowState.Maximised = !ShowState.Maximised;
      ApplyWindowMode();
    }
    if (key == 'V') {
      Form1->valueEdit->setText(FromBytes(ShowState.FloatingValueText));
      if (Form1->isVisible()) {
        Form1->hide();
      } else {
        Form1->show();
        Form1->activateWindow();  // the floating value window takes the keyboard
      }
    }
    if (key == 'T') ToggleEyeCheckCard();
    if (key == VK_SPACE_KEY || key == VK_RETURN_KEY) PlayStep();
    // The show list may have changed in the show list window: the count is read afresh.
    ShowState.ShowIndex = BoundShowIndex(ShowState.ShowIndex, Count(), ShowState.LoopAll);
    RefreshInfoDisplay();
    if (key == 'X' || key == VK_ESCAPE_KEY) close();
    UpdateCornerMarker();
    if (key == 'A') StopContinuousShow();
  });
  HeldInput::Of(*this).Release();
}
