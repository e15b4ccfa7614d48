#include "core/players/SPlayerCommandLine.h"

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
