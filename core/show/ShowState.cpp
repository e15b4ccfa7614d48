#include "core/show/ShowState.h"

TShowState ShowState;

void ResetShowState() {
  ShowState = TShowState{};
}
