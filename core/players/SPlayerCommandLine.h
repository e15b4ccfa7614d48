#pragma once
#include <array>
#include <string>

#include "core/players/OptionTable.h"

// "Additional full screen options"; each text follows " -fss" while "Full screen" is ticked.
extern const std::array<OptionItem, 5> kSPlayerFullScreenOptions;
// "Video input options"; item 1 names its two videos with -left: and -right: instead.
extern const std::array<OptionItem, 17> kSPlayerVideoInputs;
// "Video output options".
extern const std::array<OptionItem, 23> kSPlayerVideoOutputs;

// The options of the Stereoscopic Player settings window; the member values are the window's
// design values.
struct SPlayerOptions {
  std::string location;
  bool fullScreen = true;
  int fullScreenItem = 0;
  int videoInput = 6;
  int videoOutput = 6;
  bool deinterlace = false;
  std::string parallax = "0";
};

// The Stereoscopic Player command line for one script; arguments as for BuildBinoCommandLine.
std::string BuildSPlayerCommandLine(const SPlayerOptions& options, const std::string& leftName,
                                    const std::string& rightName, const std::string& quote);
