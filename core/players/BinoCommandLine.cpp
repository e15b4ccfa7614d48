#include "core/players/BinoCommandLine.h"

#include "core/players/Bino2CommandFile.h"
#include "core/players/LaunchScript.h"

const std::array<OptionItem, 5> kBinoFullScreenOptions{{
    {"Full screen", " -f"},
    {"Flip left vertically", " --fullscreen-flip-left"},
    {"Flip left horizontally", " --fullscreen-flop-left"},
    {"Flip right vertically", " --fullscreen-flip-right"},
    {"Flip right horizontally", " --fullscreen-flop-right"},
}};

const std::array<OptionItem, 12> kBinoVideoInputs{{
    {"mono", " -i mono"},
    {"separate left-right (left first)", " -i separate-left-right"},
    {"top-bottom (left on top)", " -i top-bottom"},
    {"top-bottom half height (left on top)", " -i top-bottom-half"},
    {"bottom-top (right on top)", " -i bottom-top"},
    {"bottom-top half height (right on top)", " -i bottom-top-half"},
    {"left-right", " -i left-right"},
    {"left-right half width", " -i left-right-half"},
    {"right-left", " -i right-left"},
    {"right-left half width", " -i right-left-half"},
    {"even-odd rows (left in even rows)", " -i even-odd-rows"},
    {"odd-even rows (left in odd rows)", " -i odd-even-rows"},
}};

const std::array<OptionItem, 16> kBinoVideoOutputs{{
    {"monoscopic left", " -o mono-left"},
    {"monoscopic right", " -o mono-right"},
    {"top-bottom (left on top)", " -o top-bottom"},
    {"top-bottom half height (left on top)", " -o top-bottom-half"},
    {"left-right", " -o left-right"},
    {"left-right with half width", " -o left-right-half"},
    {"even-odd rows (left in even rows)", " -o even-odd-rows"},
    {"even-odd columns (left in even columns)", " -o even-odd-columns"},
    {"checkerboard pattern", " -o checkerboard"},
    {"HDMI with frame packing", " -o hdmi-frame-pack"},
    {"Red-cyan monochrome", " -o red-cyan-monochrome"},
    {"Red-cyan half colour", " -o red-cyan-half-color"},
    {"Red-cyan using Dubois method", " -o red-cyan-dubois"},
    {"Red-green monochrome", " -o red-green-monochrome"},
    {"Red-blue monochrome", " -o red-blue-monochrome"},
    {"Open GL quad buffer stereo", " -o stereo"},
}};

const std::array<std::string_view, 12> kBinoSubtitleEncodings{
    "default",    "UTF-8",  "UTF-16", "UTF-16BE",     "UTF-16LE",     "ISO-8859-1",
    "ISO-8859-2", "EUC-JP", "EUC-KR", "windows-1250", "windows-1251", "windows-1252"};

const std::array<std::string_view, 10> kBinoSubtitleFonts{
    "default", "ARCENA",      "Arial",       "ArialBlack",    "ArialUnicodeMS",
    "Cambria", "ComicSansMS", "Courier New", "CenturyGothic", "TimesNewRoman"};

const std::array<std::string_view, 9> kBinoSubtitleColours{
    "default", "000000", "FFFFFF", "FF0000", "00FF00", "0000FF", "FFFF00", "FF00FF", "00FFFF"};

std::string BuildBinoCommandLine(const BinoOptions& options, const std::string& leftName,
                                 const std::string& rightName, const std::string& quote) {
  std::string line = quote + options.location + quote;
  if (options.noGui) line += " -n";
  if (options.center) line += " -c";
  if (options.swap) line += " -S";
  if (options.fullScreen) line += OptionText(kBinoFullScreenOptions, options.fullScreenItem);
  if (options.crossTalk) {
    line += " --ghostbust=" + options.ghostBusting;
    line +=
        " --crosstalk=" + options.crossTalkR + "," + options.crossTalkG + "," + options.crossTalkB;
  }
  line += OptionText(kBinoVideoInputs, options.videoInput);
  line += OptionText(kBinoVideoOutputs, options.videoOutput);
  line += " " + quote + leftName + quote;
  if (options.videoInput == kSeparateLeftRightInput) line += " " + quote + rightName + quote;
  if (options.subtitles) {
    line += " " + quote + ReplaceExtension(leftName, ".srt") + quote + " --subtitle=1";
    if (options.subEncoding.chosen > 0) line += " --subtitle-encoding=" + options.subEncoding.text;
    if (options.subFont.chosen > 0) line += " --subtitle-font=" + options.subFont.text;
    if (options.subColour.chosen > 0) line += " --subtitle-color=" + options.subColour.text;
    line += " --subtitle-size=" + options.subSize;
    if (options.subParallax != "0") line += " --parallax=" + options.subParallax;
  }
  return line;
}

namespace {

bool HasExtension(const std::string& name) {
  const auto nameStart = name.find_last_of("\\/:");
  const auto dot = name.find_last_of('.');
  return dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
}

// The item of `table` whose text is `text`, or -1.
int ItemOf(std::span<const OptionItem> table, std::string_view text) {
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i].text == text) return static_cast<int>(i);
  return -1;
}

// The value of "--name=value" when `arg` is that option.
std::optional<std::string> OptionValue(const std::string& arg, std::string_view name) {
  const std::string prefix = "--" + std::string(name) + "=";
  if (arg.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  return arg.substr(prefix.size());
}

}  // namespace

BinoCommandLineRead ReadBinoCommandLine(const std::vector<std::string>& args) {
  BinoCommandLineRead read;
  if (args.empty()) return read;
  read.location = args[0];
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (IsBino2CommandFileOption(arg)) {
      ++i;
      continue;
    }
    if (arg.empty()) continue;
    if (arg[0] != '-') {
      if (HasExtension(arg)) read.files.push_back(arg);
      continue;
    }
    if (arg == "-n") read.noGui = true;
    if (arg == "-c") read.center = true;
    if (arg == "-S") read.swap = true;
    if (const int item = ItemOf(kBinoFullScreenOptions, " " + arg); item >= 0)
      read.fullScreenItem = item;
    if ((arg == "-i" || arg == "-o") && i + 1 < args.size()) {
      const std::string text = " " + arg + " " + args[i + 1];
      if (arg == "-i") read.videoInput = ItemOf(kBinoVideoInputs, text);
      if (arg == "-o") read.videoOutput = ItemOf(kBinoVideoOutputs, text);
    }
    if (auto value = OptionValue(arg, "ghostbust")) read.ghostBusting = std::move(value);
    if (auto value = OptionValue(arg, "crosstalk")) read.crossTalk = std::move(value);
    for (const char* name : {"subtitle-encoding", "subtitle-font", "subtitle-color",
                             "subtitle-size", "parallax", "subtitle"})
      if (auto value = OptionValue(arg, name)) {
        read.subtitleOptions.emplace_back(name, std::move(*value));
        break;
      }
  }
  return read;
}
