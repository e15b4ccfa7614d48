#include "core/players/Bino2CommandFile.h"

#include "base/AppError.h"
#include "base/AsciiCase.h"
#include "base/SplitTextLines.h"
#include "core/players/LaunchScript.h"
#include "platform/TextEncoding.h"

namespace {

// By the item index of the window's input and output groups (Bino 1's order).
constexpr std::array<std::string_view, 12> kInputModes{"mono",       "",
                                                       "top-bottom", "top-bottom-half",
                                                       "bottom-top", "bottom-top-half",
                                                       "left-right", "left-right-half",
                                                       "right-left", "right-left-half",
                                                       "",           ""};

constexpr std::array<std::string_view, 16> kOutputModes{"left",
                                                        "right",
                                                        "top-bottom",
                                                        "top-bottom-half",
                                                        "left-right",
                                                        "left-right-half",
                                                        "even-odd-rows",
                                                        "even-odd-columns",
                                                        "checkerboard",
                                                        "hdmi-frame-pack",
                                                        "red-cyan-monochrome",
                                                        "red-cyan-half-color",
                                                        "red-cyan-dubois",
                                                        "red-green-monochrome",
                                                        "red-blue-monochrome",
                                                        "stereo"};

constexpr int kQuadBufferOutput = 15;

template <size_t N>
std::string_view ModeOf(const std::array<std::string_view, N>& modes, int item) {
  if (item < 0 || static_cast<size_t>(item) >= N) return {};
  return modes[static_cast<size_t>(item)];
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

}  // namespace

const std::array<std::string_view, 3> kBinoVersionCaptions{
    "Bino 1", "Bino 2.0 to 2.7 (--read-commands)", "Bino 2.8 or later (--control-file)"};

BinoVersion BinoVersionFromIndex(int itemIndex) {
  switch (itemIndex) {
    case 1:
      return BinoVersion::Bino2ReadCommands;
    case 2:
      return BinoVersion::Bino2ControlFile;
    default:
      return BinoVersion::Bino1;
  }
}

bool IsBino2(BinoVersion version) {
  return version != BinoVersion::Bino1;
}

std::string_view Bino2InputMode(int inputItem) {
  return ModeOf(kInputModes, inputItem);
}

std::string_view Bino2OutputMode(int outputItem) {
  return ModeOf(kOutputModes, outputItem);
}

std::string Bino2Refusal(const BinoOptions& options) {
  const int input = options.videoInput;
  if (input >= 0 && static_cast<size_t>(input) < kBinoVideoInputs.size() &&
      Bino2InputMode(input).empty())
    return "Bino 2 cannot read the video input " +
           Quoted(kBinoVideoInputs[static_cast<size_t>(input)].caption) +
           ". Choose another video input, or Bino 1";
  const int flip = options.fullScreenItem;
  if (options.fullScreen && flip > 0 && static_cast<size_t>(flip) < kBinoFullScreenOptions.size())
    return "Bino 2 has no full screen flips, and " +
           Quoted(kBinoFullScreenOptions[static_cast<size_t>(flip)].caption) +
           " is chosen. Choose Bino 1 and the additional option \"Full screen\", or untick "
           "\"Full screen\"";
  if (options.crossTalk)
    return "Bino 2 has no crosstalk correction or ghostbusting, and \"Enable crosstalk "
           "correction\" is ticked. Choose Bino 1 to untick it";
  if (options.subtitles)
    return "Bino 2 cannot add a subtitle file, and \"Add subtitles\" is ticked. Choose Bino 1 "
           "to untick it";
  return {};
}

std::string Bino2CommandFileName(const std::string& videoName) {
  return ReplaceExtension(videoName, ".bino");
}

std::string Bino2FileUrl(const std::string& utf8Name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url;
  url.reserve(utf8Name.size());
  for (const char c : utf8Name) {
    const auto byte = static_cast<unsigned char>(c);
    // A leading '-' would make the name an option of "open".
    const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                       (byte >= '0' && byte <= '9') || (byte == '-' && !url.empty()) ||
                       byte == '.' || byte == '_' || byte == '~';
    if (plain) {
      url += c;
    } else {
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 0x0F];
    }
  }
  return url;
}

std::string Bino2CommandFileText(const BinoOptions& options, const std::string& utf8VideoName) {
  std::string text;
  const auto line = [&text](std::string_view command) {
    text += command;
    text += "\r\n";
  };
  // A group with no item chosen adds nothing, as on Bino 1's command line: Bino then guesses.
  if (const auto output = Bino2OutputMode(options.videoOutput); !output.empty())
    line("set-output-mode " + std::string(output));
  line(options.fullScreen ? "set-fullscreen on" : "set-fullscreen off");
  std::string open = "open";
  if (const auto input = Bino2InputMode(options.videoInput); !input.empty())
    open += " --input " + std::string(input);
  line(open + " " + Bino2FileUrl(utf8VideoName));
  // Written both ways, so a swap Bino may remember from elsewhere never carries over.
  line(options.swap ? "set-swap-eyes on" : "set-swap-eyes off");
  line("wait stop");
  line("quit");
  return text;
}

std::string BuildBino2CommandLine(const BinoOptions& options, BinoVersion version,
                                  const std::string& commandFileName, const std::string& quote) {
  std::string line = quote + options.location + quote;
  if (options.videoOutput == kQuadBufferOutput) line += " --stereo";
  line += version == BinoVersion::Bino2ControlFile ? " --control-file " : " --read-commands ";
  line += quote + commandFileName + quote;
  return line;
}

CompanionFile Bino2CommandFile(const BinoOptions& options, const std::string& leftVideo) {
  const std::string name = VideoFileName(leftVideo);
  const std::string path =
      leftVideo.substr(0, leftVideo.size() - name.size()) + Bino2CommandFileName(name);
  const auto utf8 = platform::NativeNameToUtf8(name);
  if (!utf8)
    throw AppError(CannotCreateFileText(
        path, "The video's file name is not valid text for this system, so Bino 2 cannot open it"));
  return {path, Bino2CommandFileText(options, *utf8)};
}

namespace {

// Bino 2's options that name a command file (before 2.8, and from 2.8 on).
constexpr std::string_view kCommandFileOptions[] = {"--read-commands", "--control-file"};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The words of a command line: split at each single blank, as Bino's command reader does.
std::vector<std::string> CommandWords(std::string_view line) {
  std::vector<std::string> words;
  size_t from = 0;
  while (from <= line.size()) {
    auto blank = line.find(' ', from);
    if (blank == std::string_view::npos) blank = line.size();
    words.emplace_back(line.substr(from, blank - from));
    from = blank + 1;
  }
  return words;
}

}  // namespace

bool IsBino2CommandFileOption(std::string_view arg) {
  for (const std::string_view option : kCommandFileOptions)
    if (arg == option) return true;
  return false;
}

std::vector<std::string> Bino2CommandFileNames(const std::vector<std::string>& args) {
  std::vector<std::string> names;
  for (size_t i = 1; i < args.size(); ++i) {
    for (const std::string_view option : kCommandFileOptions) {
      const std::string given = std::string(option) + "=";
      if (args[i] == option && i + 1 < args.size())
        names.push_back(args[++i]);
      else if (args[i].compare(0, given.size(), given) == 0)
        names.push_back(args[i].substr(given.size()));
    }
  }
  return names;
}

std::optional<std::string> Bino2UrlLocalFile(std::string url) {
  if (AsciiLowered(url.substr(0, 7)) == "file://") {
    url = url.substr(7);
  } else {
    const auto colon = url.find(':');
    // One letter before the colon is a drive, two or more a scheme such as http.
    if (colon != std::string::npos && colon > 1 && url.find_first_of("/\\") > colon)
      return std::nullopt;
  }
  std::string name;
  for (size_t i = 0; i < url.size(); ++i) {
    if (url[i] == '%' && i + 2 < url.size() && HexValue(url[i + 1]) >= 0 &&
        HexValue(url[i + 2]) >= 0) {
      name += static_cast<char>(HexValue(url[i + 1]) * 16 + HexValue(url[i + 2]));
      i += 2;
    } else {
      name += url[i];
    }
  }
  return name;
}

Bino2Commands ReadBino2CommandFile(std::string_view text) {
  Bino2Commands commands;
  for (const std::string_view line : SplitTextLines(text)) {
    const std::vector<std::string> words = CommandWords(line);
    const std::string& command = words.front();
    if (command == "quit") commands.quits = true;
    if (words.size() < 2) continue;
    if (command == "set-output-mode") commands.outputMode = words[1];
    if (command == "set-fullscreen") commands.fullScreen = words[1] == "on";
    if (command == "set-swap-eyes") commands.swapEyes = words[1] == "on";
    if (command != "open") continue;
    commands.inputMode.clear();
    for (size_t i = 1; i + 2 < words.size(); ++i)
      if (words[i] == "--input") commands.inputMode = words[i + 1];
    // The URL is the last word of an "open".
    if (const auto file = Bino2UrlLocalFile(words.back())) commands.openedFiles.push_back(*file);
  }
  return commands;
}
