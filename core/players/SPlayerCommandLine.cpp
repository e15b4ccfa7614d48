#include "core/players/SPlayerCommandLine.h"

#include <initializer_list>

#include "base/AsciiCase.h"

const std::array<OptionItem, 5> kSPlayerFullScreenOptions{{
    {"Full screen", ""},
    {"Flip left vertically", " -flv"},
    {"Flip left horizontally", " -flh"},
    {"Flip right vertically", " -frv"},
    {"Flip right horizontally", " -frh"},
}};

const std::array<OptionItem, 17> kSPlayerVideoInputs{{
    {"mono", " -il:mono"},
    {"separate left-right (left first)", ""},
    {"top-bottom (left on top)", " -il:OverUnderLT"},
    {"top-bottom half height (left on top)", " -il:OverUnderLT -ihh"},
    {"bottom-top (right on top)", " -il:OverUnderRT"},
    {"bottom-top half height (right on top)", " -il:OverUnderRT -ihh"},
    {"left-right", " -il:SideBySideLF"},
    {"left-right half width", " -il:SideBySideLF -ihw"},
    {"right-left", " -il:SideBySideRF"},
    {"right-left half width", " -il:SideBySideRF -ihw"},
    {"even-odd rows (left in even rows)", " -il:InterlacedRF"},
    {"odd-even rows (left in odd rows)", " -il:InterlacedLF"},
    {"frame sequential (left first)", " -il:FrameSequentialLF"},
    {"frame sequential (right first)", " -il:FrameSequentialRF"},
    {"5 tiles", " -il:5Tiles"},
    {"Multistream L-R", " -il:MultiStreamLR"},
    {"Sensio", " -il:Sensio"},
}};

const std::array<OptionItem, 23> kSPlayerVideoOutputs{{
    {"monoscopic left", " -ol:MonoL"},
    {"monoscopic right", " -ol:MonoR"},
    {"top-bottom (left on top)", " -ol:OverUnderLT"},
    {"top-bottom half height (left on top)", " -ol:OverUnderLT -ohh"},
    {"top-bottom (right on top)", " -ol:OverUnderRT"},
    {"top-bottom half height (right on top)", " -ol:OverUnderRT -ohh"},
    {"left-right", " -ol:SideBySideLF"},
    {"left-right with half width", " -ol:SideBySideLF -ohw"},
    {"right-left", " -ol:SideBySideRF"},
    {"right-left with half width", " -ol:SideBySideRF -ohw"},
    {"even-odd rows (left in even rows)", " -ol:InterlacedRT"},
    {"even-odd columns (left in even columns)", " -ol:InterlacedLF"},
    {"checkerboard pattern", " -ol:CheckerboardLF"},
    {"Dual screen output", " -ol:Dual"},
    {"Open GL", " -ol:OpenGL"},
    {"NVIDIA stereo driver", " -ol:NVIDIA"},
    {"Software page flipping", " -ol:SoftPageflip"},
    {"Sharp 3D diaplay", " -ol:Sharp"},
    {"Tridelity SL Series 3D display", " -ol:TridelitySL"},
    {"Red-cyan monochrome", " -ol:GrayAnaRC"},
    {"Red-cyan half colour", " -ol:HColAnaRC"},
    {"Red-cyan optimal anaglyph", " -ol:OptAnaRC"},
    {"Yellow-Blue monochrome", " -ol:GrayAnaYB"},
}};

std::string BuildSPlayerCommandLine(const SPlayerOptions& options, const std::string& leftName,
                                    const std::string& rightName, const std::string& quote) {
  std::string line = quote + options.location + quote;
  if (options.videoInput == kSeparateLeftRightInput)
    line += " -left:" + quote + leftName + quote + " -right:" + quote + rightName + quote;
  else
    line += " -file:" + quote + leftName + quote;
  line += OptionText(kSPlayerVideoInputs, options.videoInput);
  line += " -fp -play -nl -termkey -termend";
  if (options.fullScreen) {
    line += " -fss";
    line += OptionText(kSPlayerFullScreenOptions, options.fullScreenItem);
  }
  line += OptionText(kSPlayerVideoOutputs, options.videoOutput);
  line += options.deinterlace ? " -di:1" : " -di:0";
  // Compared as texts: "0", empty and one blank mean no shift; "00" or "0.0" are handed over.
  if (options.parallax != "0" && !options.parallax.empty() && options.parallax != " ")
    line += " -ph:" + options.parallax;
  return line;
}

namespace {

// The item of `table` whose text is `text`, or -1.
int ItemOf(std::span<const OptionItem> table, std::string_view text) {
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i].text == text) return static_cast<int>(i);
  return -1;
}

bool StartsWith(const std::string& text, std::string_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// The option text of an item that may take a half-size flag after it (" -il:X -ihh").
std::string WithHalfSize(const std::vector<std::string>& args, size_t& i,
                         std::initializer_list<std::string_view> halfFlags) {
  std::string text = " " + args[i];
  if (i + 1 < args.size())
    for (const std::string_view flag : halfFlags)
      if (args[i + 1] == flag) text += " " + args[++i];
  return text;
}

}  // namespace

SPlayerCommandLineRead ReadSPlayerCommandLine(const std::vector<std::string>& args) {
  SPlayerCommandLineRead read;
  if (args.empty()) return read;
  read.location = args[0];
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::string lower = AsciiLowered(arg);
    bool file = false;
    for (const std::string_view prefix : {"-file:", "-left:", "-right:"}) {
      if (!StartsWith(lower, prefix)) continue;
      file = true;
      if (arg.size() > prefix.size()) read.files.push_back(arg.substr(prefix.size()));
    }
    if (file) continue;
    if (StartsWith(arg, "-il:"))
      read.videoInput = ItemOf(kSPlayerVideoInputs, WithHalfSize(args, i, {"-ihh", "-ihw"}));
    else if (StartsWith(arg, "-ol:"))
      read.videoOutput = ItemOf(kSPlayerVideoOutputs, WithHalfSize(args, i, {"-ohh", "-ohw"}));
    else if (arg == "-fss")
      read.fullScreenItem = 0;
    else if (read.fullScreenItem >= 0 && ItemOf(kSPlayerFullScreenOptions, " " + arg) > 0)
      read.fullScreenItem = ItemOf(kSPlayerFullScreenOptions, " " + arg);
    else if (arg == "-di:0" || arg == "-di:1")
      read.deinterlace = arg == "-di:1";
    else if (StartsWith(arg, "-ph:"))
      read.parallax = arg.substr(4);
  }
  // The separate left-right input writes no -il: option; its two files say it.
  if (read.videoInput < 0 && args.size() > 2 && StartsWith(AsciiLowered(args[1]), "-left:"))
    read.videoInput = kSeparateLeftRightInput;
  return read;
}
