#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

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

// A Stereoscopic Player command line read back from its arguments (args[0] the player), as the
// show check reads a script: what the window's choices wrote, and the files it names.
struct SPlayerCommandLineRead {
  std::string location;
  std::vector<std::string> files;  // the values of -file:, -left: and -right: (any letter case)
  int videoInput = -1;             // the item of kSPlayerVideoInputs written, or -1
  int videoOutput = -1;            // the item of kSPlayerVideoOutputs written, or -1
  int fullScreenItem = -1;         // the item of kSPlayerFullScreenOptions; -1: no -fss
  std::optional<bool> deinterlace;
  std::string parallax;  // the value of -ph:, or empty
};
SPlayerCommandLineRead ReadSPlayerCommandLine(const std::vector<std::string>& args);
