#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/players/OptionTable.h"

// "Additional full screen options"; used only while "Full screen" is ticked.
extern const std::array<OptionItem, 5> kBinoFullScreenOptions;
// "Video input options".
extern const std::array<OptionItem, 12> kBinoVideoInputs;
// "Video output options".
extern const std::array<OptionItem, 16> kBinoVideoOutputs;

// Entries of the three subtitle drop-down boxes, position 0 ("default") first.
extern const std::array<std::string_view, 12> kBinoSubtitleEncodings;
extern const std::array<std::string_view, 10> kBinoSubtitleFonts;
extern const std::array<std::string_view, 9> kBinoSubtitleColours;

// An editable drop-down box as the command line sees it: the entry last chosen from its list
// (-1 for none) and the text it shows, which typing may have changed since.
struct ComboChoice {
  int chosen = -1;
  std::string text = "default";
};

// The options of the Bino settings window; the member values are the window's design values.
struct BinoOptions {
  std::string location;
  bool noGui = true;
  bool center = true;
  bool swap = false;
  bool fullScreen = true;
  int fullScreenItem = 0;
  int videoInput = 6;
  int videoOutput = 4;
  bool crossTalk = false;
  std::string crossTalkR = "0";
  std::string crossTalkG = "0";
  std::string crossTalkB = "0";
  std::string ghostBusting = "0";
  bool subtitles = false;
  ComboChoice subEncoding;
  ComboChoice subFont;
  ComboChoice subColour;
  std::string subSize = "12";
  std::string subParallax = "0";
};

// The Bino command line for one script. `leftName` and `rightName` are file names without
// folder, already in the form the script needs; `rightName` is used only with separate
// left-right input; `quote` encloses the player's path, the video and the subtitle names.
std::string BuildBinoCommandLine(const BinoOptions& options, const std::string& leftName,
                                 const std::string& rightName, const std::string& quote);

// A Bino command line (Bino 1 or 2) read back from its arguments (args[0] the player), as the
// show check reads a script: what the window's choices wrote, and the files it names.
struct BinoCommandLineRead {
  std::string location;
  bool noGui = false;
  bool center = false;
  bool swap = false;
  int fullScreenItem = -1;  // the item of kBinoFullScreenOptions written; -1: not full screen
  int videoInput = -1;      // the item of kBinoVideoInputs written, or -1
  int videoOutput = -1;     // the item of kBinoVideoOutputs written, or -1
  std::optional<std::string> ghostBusting;
  std::optional<std::string> crossTalk;  // "r,g,b" as written
  // The values of the --subtitle-... and --parallax options, by option name without "--".
  std::vector<std::pair<std::string, std::string>> subtitleOptions;
  // Videos and the subtitle file: every argument that is no option and carries an extension.
  // A Bino 2 command file (the value of its option) is none of them.
  std::vector<std::string> files;
};
BinoCommandLineRead ReadBinoCommandLine(const std::vector<std::string>& args);
