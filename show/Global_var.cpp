#include "show/Global_var.h"

TShowState ShowState;

void ResetShowState() {
  ShowState = TShowState{};
}
