#pragma once

// The windows are laid out for Tahoma. Where it is missing (most Linux systems) fontconfig falls
// back to a much wider face that clips captions; Liberation Sans (or Arimo, or Arial) is within a
// few pixels of it. Where Tahoma is installed it is used as it stands.
void InstallFontStandIns();
