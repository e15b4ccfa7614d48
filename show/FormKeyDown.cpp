#include "show/Global_var.h"
#include "show/HandlerGuard.h"
#include "show/ShowRules.h"
#include "show/Unit_Main.h"
#include "show/VirtualKey.h"

#include <QLabel>

void TForm_Main::FormKeyDown(int key) {
  RunGuarded(services(), [&] {
    for (QLabel* label : {Label_Number_L, Label_Description_L, Label_Number_R, Label_Description_R})
      label->clear();
    ShowState.ShowIndex = BoundShowIndex(ShowState.ShowIndex, Count(), ShowState.LoopAll);
    RefreshInfoDisplay();
    if (key == 'X' || key == VK_ESCAPE_KEY) close();
    UpdateCornerMarker();
  });
}
