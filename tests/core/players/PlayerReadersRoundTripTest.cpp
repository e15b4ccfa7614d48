// Each player format's writer against its reader: what a window's choices write into a launch
// script (or a Bino 2 command file) is read back as written, through the script reader, for
// both script kinds and for names that need quoting or escaping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/players/Bino2CommandFile.h"
#include "core/players/BinoCommandLine.h"
#include "core/players/LaunchScript.h"
#include "core/players/LaunchScriptReader.h"
#include "core/players/SPlayerCommandLine.h"

namespace {

using Names = std::vector<std::string>;

constexpr ScriptKind kKinds[] = {ScriptKind::Bat, ScriptKind::Vbs};

// Names a script has to carry whole: blanks, the command interpreter's special characters,
// percent signs (doubled in a .bat), non-ASCII bytes.
const Names kAwkwardNames = {"movie.avi",          "my movie 3D.avi",    "50% off 100%%.avi",
                             "a&b (1) ^x^.mkv",    "caf\xc3\xa9 3D.mp4", "semi;colon,comma.avi",
                             "it's [x] {y} !.avi", "dots.in.name.wmv"};

// The arguments the script reader makes of `commandLine` written as a script of `kind`.
std::vector<std::string> ScriptArgs(const std::string& commandLine, ScriptKind kind) {
  const VariableLookup none = [](const std::string&) { return std::optional<std::string>(); };
  const std::string text = LaunchScriptText(commandLine, kind);
  const auto commands = kind == ScriptKind::Bat ? ParseBatScript(text, "C:\\v\\x.bat", none)
                                                : ParseVbsScript(text, "C:\\v\\x.vbs", none);
  EXPECT_EQ(commands.size(), 1u);
  return commands.at(0).args;
}

BinoCommandLineRead BinoRoundTrip(const BinoOptions& options, const std::string& left,
                                  const std::string& right, ScriptKind kind) {
  return ReadBinoCommandLine(
      ScriptArgs(BuildBinoCommandLine(options, ScriptFileName(left, kind),
                                      ScriptFileName(right, kind), QuoteMark(kind)),
                 kind));
}

SPlayerCommandLineRead SPlayerRoundTrip(const SPlayerOptions& options, const std::string& left,
                                        const std::string& right, ScriptKind kind) {
  return ReadSPlayerCommandLine(
      ScriptArgs(BuildSPlayerCommandLine(options, ScriptFileName(left, kind),
                                         ScriptFileName(right, kind), QuoteMark(kind)),
                 kind));
}

}  // namespace

TEST(BinoReaderRoundTrip, EveryChoiceIsReadBackAsWritten) {
  for (const ScriptKind kind : kKinds) {
    BinoOptions o;
    o.location = R"(C:\Program Files (x86)\Bino\bino.exe)";
    for (int input = 0; input < static_cast<int>(kBinoVideoInputs.size()); ++input) {
      for (int output = 0; output < static_cast<int>(kBinoVideoOutputs.size()); ++output) {
        o.videoInput = input;
        o.videoOutput = output;
        const auto read = BinoRoundTrip(o, "left.avi", "right.avi", kind);
        EXPECT_EQ(read.location, o.location);
        EXPECT_EQ(read.videoInput, input);
        EXPECT_EQ(read.videoOutput, output);
        const Names written =
            input == kSeparateLeftRightInput ? Names{"left.avi", "right.avi"} : Names{"left.avi"};
        EXPECT_EQ(read.files, written);
      }
    }
    for (int item = 0; item < static_cast<int>(kBinoFullScreenOptions.size()); ++item) {
      o.fullScreenItem = item;
      EXPECT_EQ(BinoRoundTrip(o, "v.avi", "", kind).fullScreenItem, item);
    }
    o.fullScreen = false;
    EXPECT_EQ(BinoRoundTrip(o, "v.avi", "", kind).fullScreenItem, -1);

    for (const bool on : {false, true}) {
      o.noGui = on;
      o.center = !on;
      o.swap = on;
      const auto read = BinoRoundTrip(o, "v.avi", "", kind);
      EXPECT_EQ(read.noGui, on);
      EXPECT_EQ(read.center, !on);
      EXPECT_EQ(read.swap, on);
    }

    o.crossTalk = true;
    o.ghostBusting = "0.25";
    o.crossTalkR = "0.1";
    o.crossTalkG = "0.2";
    o.crossTalkB = "0.3";
    auto read = BinoRoundTrip(o, "v.avi", "", kind);
    EXPECT_EQ(read.ghostBusting, "0.25");
    EXPECT_EQ(read.crossTalk, "0.1,0.2,0.3");
    o.crossTalk = false;
    read = BinoRoundTrip(o, "v.avi", "", kind);
    EXPECT_FALSE(read.ghostBusting);
    EXPECT_FALSE(read.crossTalk);
  }
}

TEST(BinoReaderRoundTrip, SubtitleFileAndItsOptions) {
  for (const ScriptKind kind : kKinds) {
    BinoOptions o;
    o.location = "bino";
    o.subtitles = true;
    o.subEncoding = {5, "ISO-8859-1"};
    o.subFont = {7, "Courier New"};  // a blank in a value written without quotes
    o.subColour = {3, "FF0000"};
    o.subSize = "14";
    o.subParallax = "-0.5";
    const auto read = BinoRoundTrip(o, "my film.avi", "", kind);
    EXPECT_EQ(read.files, (Names{"my film.avi", "my film.srt"}));
    using Option = std::pair<std::string, std::string>;
    // The font's blank splits it: Bino reads "Courier" too, so does the reader.
    EXPECT_EQ(read.subtitleOptions, (std::vector<Option>{{"subtitle", "1"},
                                                         {"subtitle-encoding", "ISO-8859-1"},
                                                         {"subtitle-font", "Courier"},
                                                         {"subtitle-color", "FF0000"},
                                                         {"subtitle-size", "14"},
                                                         {"parallax", "-0.5"}}));
    o.subEncoding.chosen = 0;  // "default" chosen: no option written, none read
    o.subParallax = "0";
    const auto plain = BinoRoundTrip(o, "v.avi", "", kind);
    EXPECT_EQ(plain.subtitleOptions.size(), 4u);
  }
}

TEST(BinoReaderRoundTrip, AwkwardNamesComeBackWhole) {
  for (const ScriptKind kind : kKinds) {
    BinoOptions o;
    o.location = R"(D:\Players 3D\bino.exe)";
    o.videoInput = kSeparateLeftRightInput;
    for (const std::string& name : kAwkwardNames) {
      const auto read = BinoRoundTrip(o, name, "R " + name, kind);
      EXPECT_EQ(read.location, o.location) << name;
      EXPECT_EQ(read.files, (Names{name, "R " + name})) << name;
    }
  }
}

TEST(SPlayerReaderRoundTrip, EveryChoiceIsReadBackAsWritten) {
  for (const ScriptKind kind : kKinds) {
    SPlayerOptions o;
    o.location = R"(C:\Program Files\Stereoscopic Player\StereoPlayer.exe)";
    for (int input = 0; input < static_cast<int>(kSPlayerVideoInputs.size()); ++input) {
      for (int output = 0; output < static_cast<int>(kSPlayerVideoOutputs.size()); ++output) {
        o.videoInput = input;
        o.videoOutput = output;
        const auto read = SPlayerRoundTrip(o, "l.avi", "r.avi", kind);
        EXPECT_EQ(read.location, o.location);
        EXPECT_EQ(read.videoInput, input) << input;
        EXPECT_EQ(read.videoOutput, output) << output;
        const Names written =
            input == kSeparateLeftRightInput ? Names{"l.avi", "r.avi"} : Names{"l.avi"};
        EXPECT_EQ(read.files, written);
      }
    }
    for (int item = 0; item < static_cast<int>(kSPlayerFullScreenOptions.size()); ++item) {
      o.fullScreenItem = item;
      EXPECT_EQ(SPlayerRoundTrip(o, "v.avi", "", kind).fullScreenItem, item);
    }
    o.fullScreen = false;
    EXPECT_EQ(SPlayerRoundTrip(o, "v.avi", "", kind).fullScreenItem, -1);
    for (const bool on : {false, true}) {
      o.deinterlace = on;
      EXPECT_EQ(SPlayerRoundTrip(o, "v.avi", "", kind).deinterlace, on);
    }
    for (const std::string parallax : {"0", "", "1.5", "-20", "00"}) {
      o.parallax = parallax;
      EXPECT_EQ(SPlayerRoundTrip(o, "v.avi", "", kind).parallax, parallax == "0" ? "" : parallax);
    }
  }
}

TEST(SPlayerReaderRoundTrip, AwkwardNamesComeBackWhole) {
  for (const ScriptKind kind : kKinds) {
    SPlayerOptions o;
    o.location = "StereoPlayer.exe";
    for (const std::string& name : kAwkwardNames) {
      o.videoInput = kSeparateLeftRightInput;
      EXPECT_EQ(SPlayerRoundTrip(o, name, "R " + name, kind).files, (Names{name, "R " + name}));
      o.videoInput = 0;
      EXPECT_EQ(SPlayerRoundTrip(o, name, "", kind).files, Names{name});
    }
  }
}

TEST(Bino2ReaderRoundTrip, CommandLineNamesItsCommandFile) {
  for (const ScriptKind kind : kKinds) {
    for (const BinoVersion version :
         {BinoVersion::Bino2ReadCommands, BinoVersion::Bino2ControlFile}) {
      BinoOptions o;
      o.location = R"(C:\Program Files\Bino\bino.exe)";
      o.videoOutput = 15;  // quad buffer: --stereo
      for (const std::string& name : kAwkwardNames) {
        const std::string file = Bino2CommandFileName(name);
        const auto args = ScriptArgs(
            BuildBino2CommandLine(o, version, ScriptFileName(file, kind), QuoteMark(kind)), kind);
        EXPECT_EQ(args.at(0), o.location);
        EXPECT_EQ(Bino2CommandFileNames(args), Names{file}) << name;
        EXPECT_TRUE(ReadBinoCommandLine(args).files.empty()) << name;  // no video of its own
      }
    }
  }
  EXPECT_EQ(Bino2CommandFileNames({"bino", "--control-file=a b.bino", "--read-commands", "c"}),
            (Names{"a b.bino", "c"}));
}

TEST(Bino2ReaderRoundTrip, CommandFileIsReadBackAsWritten) {
  BinoOptions o;
  for (int input = 0; input < static_cast<int>(kBinoVideoInputs.size()); ++input) {
    for (int output = 0; output < static_cast<int>(kBinoVideoOutputs.size()); ++output) {
      for (const bool on : {false, true}) {
        o.videoInput = input;
        o.videoOutput = output;
        o.fullScreen = on;
        o.swap = !on;
        const Bino2Commands read = ReadBino2CommandFile(Bino2CommandFileText(o, "v.mkv"));
        EXPECT_EQ(read.inputMode, Bino2InputMode(input));
        EXPECT_EQ(read.outputMode, Bino2OutputMode(output));
        EXPECT_EQ(read.fullScreen, on);
        EXPECT_EQ(read.swapEyes, !on);
        EXPECT_EQ(read.openedFiles, Names{"v.mkv"});
        EXPECT_TRUE(read.quits);
      }
    }
  }
  // Names the URL must escape: a leading '-' (an option), blanks (word ends), '%' and '+'.
  Names names = kAwkwardNames;
  for (const std::string name : {"-dash.avi", "a%20b+c.avi", "tab\there.avi", "file:x.avi"})
    names.push_back(name);
  for (const std::string& name : names)
    EXPECT_EQ(ReadBino2CommandFile(Bino2CommandFileText(o, name)).openedFiles, Names{name});
}

TEST(Bino2ReaderRoundTrip, OnlyLocalFilesAreOpenedFiles) {
  EXPECT_EQ(Bino2UrlLocalFile("file:///show/a%20b.avi"), "/show/a b.avi");
  EXPECT_EQ(Bino2UrlLocalFile("FILE://x.avi"), "x.avi");
  EXPECT_EQ(Bino2UrlLocalFile("C:%5Cv.avi"), "C:\\v.avi");  // one letter: a drive
  EXPECT_EQ(Bino2UrlLocalFile("http://host/v.avi"), std::nullopt);
  EXPECT_EQ(Bino2UrlLocalFile("100%.avi"), "100%.avi");  // a lone % stays
  const Bino2Commands read = ReadBino2CommandFile(
      "open http://host/v.avi\r\nopen --input mono local.avi\r\nwait stop\r\n");
  EXPECT_EQ(read.openedFiles, Names{"local.avi"});
  EXPECT_EQ(read.inputMode, "mono");
  EXPECT_FALSE(read.quits);
}
