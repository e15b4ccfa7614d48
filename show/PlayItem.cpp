#include "show/Unit_Main.h"

// Starting items and the continuous show arrive with the shell.
void TForm_Main::PlayItem() {}
void TForm_Main::PlayStep() {}
void TForm_Main::Timer1Timer() {}
void TForm_Main::StopContinuousShow() {}
