#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/players/BinoCommandLine.h"
#include "core/players/WriteLaunchScripts.h"

// Which Bino the location holds. Bino 1 takes its options on the command line; Bino 2 refuses
// those options and never ends by itself at the end of a video, so its scripts start it with a
// command file that plays the video, waits for its end and quits. The command-file option was
// renamed in 2.8.
enum class BinoVersion { Bino1 = 0, Bino2ReadCommands = 1, Bino2ControlFile = 2 };

// Captions of the "Bino version" group, by item index.
extern const std::array<std::string_view, 3> kBinoVersionCaptions;

// The version of a group item; no item chosen (or an unknown one) is Bino 1, as before the
// choice existed.
BinoVersion BinoVersionFromIndex(int itemIndex);
bool IsBino2(BinoVersion version);

// Bino 2's name for an input or output item of the Bino window, empty where Bino 2 has none.
std::string_view Bino2InputMode(int inputItem);
std::string_view Bino2OutputMode(int outputItem);

// Why Bino 2 cannot play what the window holds, as a message for the operator; empty when it
// can. A choice without a Bino 2 equivalent is refused rather than written differently.
std::string Bino2Refusal(const BinoOptions& options);

// The command file beside a video: its name with the last extension replaced by ".bino".
std::string Bino2CommandFileName(const std::string& videoName);

// A UTF-8 file name as the URL Bino 2's "open" command takes: every byte outside letters,
// digits and "-._~" percent-encoded, and a leading '-', since the command reader splits lines
// at blanks, takes a word beginning with '-' for an option and decodes the URL.
std::string Bino2FileUrl(const std::string& utf8Name);

// The command file for one video (`utf8VideoName`: its file name without folder, in UTF-8;
// the script runs Bino in the video's folder): output mode, full screen, the video opened
// with its input mode, eye swap, then wait for the end and quit. CR LF line ends.
std::string Bino2CommandFileText(const BinoOptions& options, const std::string& utf8VideoName);

// The command line of a Bino 2 script: the location in quote marks, " --stereo" for quad
// buffer output (Bino 2 needs that context from the start), then the command-file option of
// `version` and the command file's name (already in the script's form) in quote marks.
std::string BuildBino2CommandLine(const BinoOptions& options, BinoVersion version,
                                  const std::string& commandFileName, const std::string& quote);

// The command file for the script of `leftVideo` (native full path), beside it. Throws AppError
// "Cannot create file ..." when the video's name has no UTF-8 form Bino 2 could open.
CompanionFile Bino2CommandFile(const BinoOptions& options, const std::string& leftVideo);

// True for the options that name a Bino 2 command file (before 2.8, and from 2.8 on), given
// apart: the argument after one is the file.
bool IsBino2CommandFileOption(std::string_view arg);

// The command files a Bino 2 command line names (split into its arguments, args[0] the player),
// given apart or as "--option=file".
std::vector<std::string> Bino2CommandFileNames(const std::vector<std::string>& args);

// The local file a URL of the "open" command names (percent escapes decoded, a "file://" prefix
// dropped), or nothing when it names no local file (another scheme, such as http:).
std::optional<std::string> Bino2UrlLocalFile(std::string url);

// What a Bino 2 command file says, read as Bino reads it: each line is split at single blanks.
struct Bino2Commands {
  std::string outputMode;                // of the last "set-output-mode", or empty
  std::optional<bool> fullScreen;        // of the last "set-fullscreen"
  std::string inputMode;                 // the --input of the last "open", or empty
  std::vector<std::string> openedFiles;  // the local files "open" names, in order (UTF-8)
  std::optional<bool> swapEyes;          // of the last "set-swap-eyes"
  bool quits = false;                    // a "quit" command ends it
};
Bino2Commands ReadBino2CommandFile(std::string_view text);
