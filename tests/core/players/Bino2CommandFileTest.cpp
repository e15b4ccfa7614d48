#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TempDir.h"
#include "base/AppError.h"
#include "core/players/Bino2CommandFile.h"
#include "core/players/WriteLaunchScripts.h"
#include "platform/TextEncoding.h"

using testing::HasSubstr;

namespace {

BinoOptions Design() {
  BinoOptions options;
  options.location = R"(D:\Players\bino.exe)";
  return options;
}

// The lines of a command file without their CR LF ends; fails on a line that lacks one.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "line without CR LF: " << text.substr(start);
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace

TEST(Bino2CommandFile, DesignValuesPlayTheVideoWaitForItsEndAndQuit) {
  EXPECT_EQ(Bino2CommandFileText(Design(), "clip.avi"),
            "set-output-mode left-right\r\n"
            "set-fullscreen on\r\n"
            "open --input left-right clip.avi\r\n"
            "set-swap-eyes off\r\n"
            "wait stop\r\n"
            "quit\r\n");
}

TEST(Bino2CommandFile, WindowChoicesBecomeBino2Commands) {
  BinoOptions options = Design();
  options.swap = true;
  options.fullScreen = false;
  options.videoInput = 3;
  options.videoOutput = 0;
  EXPECT_EQ(Lines(Bino2CommandFileText(options, "a.avi")),
            (std::vector<std::string>{"set-output-mode left", "set-fullscreen off",
                                      "open --input top-bottom-half a.avi", "set-swap-eyes on",
                                      "wait stop", "quit"}));
  // Groups without a chosen item add nothing, as on Bino 1's command line.
  options.videoInput = -1;
  options.videoOutput = -1;
  EXPECT_EQ(Lines(Bino2CommandFileText(options, "a.avi")),
            (std::vector<std::string>{"set-fullscreen off", "open a.avi", "set-swap-eyes on",
                                      "wait stop", "quit"}));
}

TEST(Bino2CommandFile, EveryOutputAndMostInputsHaveABino2Name) {
  const std::vector<std::string> outputs = {"left",
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
  ASSERT_EQ(outputs.size(), kBinoVideoOutputs.size());
  for (int i = 0; i < static_cast<int>(outputs.size()); ++i)
    EXPECT_EQ(Bino2OutputMode(i), outputs[static_cast<size_t>(i)]) << "output item " << i;
  EXPECT_EQ(Bino2OutputMode(16), "");
  // Separate streams and row-interleaved input are gone from Bino 2.
  for (int i = 0; i < static_cast<int>(kBinoVideoInputs.size()); ++i) {
    const bool gone = i == 1 || i == 10 || i == 11;
    EXPECT_EQ(Bino2InputMode(i).empty(), gone) << "input item " << i;
    if (!gone) {
      // Where Bino 2 has the mode, it kept Bino 1's name.
      EXPECT_EQ(" -i " + std::string(Bino2InputMode(i)),
                kBinoVideoInputs[static_cast<size_t>(i)].text);
    }
  }
}

TEST(Bino2CommandFile, ChoicesWithoutABino2EquivalentAreRefusedByName) {
  EXPECT_EQ(Bino2Refusal(Design()), "");
  BinoOptions options = Design();
  options.videoInput = 1;
  EXPECT_THAT(Bino2Refusal(options), HasSubstr("\"separate left-right (left first)\""));
  options.videoInput = 11;
  EXPECT_THAT(Bino2Refusal(options), HasSubstr("\"odd-even rows (left in odd rows)\""));

  options = Design();
  options.fullScreenItem = 3;
  EXPECT_THAT(Bino2Refusal(options), HasSubstr("\"Flip right vertically\""));
  options.fullScreen = false;  // without full screen the flip is not used, as for Bino 1
  EXPECT_EQ(Bino2Refusal(options), "");

  options = Design();
  options.crossTalk = true;
  EXPECT_THAT(Bino2Refusal(options), HasSubstr("crosstalk"));
  options = Design();
  options.subtitles = true;
  EXPECT_THAT(Bino2Refusal(options), HasSubstr("\"Add subtitles\""));

  // Bino 2 starts without a GUI-less or centred mode, which changes nothing on the screen.
  options = Design();
  options.noGui = false;
  options.center = false;
  EXPECT_EQ(Bino2Refusal(options), "");
}

TEST(Bino2CommandFile, NamesReachBinoWholeAsOneWord) {
  EXPECT_EQ(Bino2FileUrl("clip.avi"), "clip.avi");
  EXPECT_EQ(Bino2FileUrl("my clip 100%.avi"), "my%20clip%20100%25.avi");
  // UTF-8 bytes, and everything a URL reader could take for a scheme, query or fragment.
  EXPECT_EQ(Bino2FileUrl("caf\xC3\xA9 #1?+:&.avi"), "caf%C3%A9%20%231%3F%2B%3A%26.avi");
  EXPECT_EQ(Bino2FileUrl("tab\there"), "tab%09here");
  // Bino reads a word that begins with '-' as an option of "open".
  EXPECT_EQ(Bino2FileUrl("-x-y.avi"), "%2Dx-y.avi");
  const std::string line = Lines(Bino2CommandFileText(Design(), "a b.avi"))[2];
  EXPECT_EQ(line, "open --input left-right a%20b.avi");
}

TEST(Bino2CommandFile, CommandLineNamesTheCommandFileWithTheVersionsOption) {
  const BinoOptions options = Design();
  EXPECT_EQ(BuildBino2CommandLine(options, BinoVersion::Bino2ReadCommands, "clip.bino", "\""),
            R"("D:\Players\bino.exe" --read-commands "clip.bino")");
  EXPECT_EQ(BuildBino2CommandLine(options, BinoVersion::Bino2ControlFile, "clip.bino", "\"\""),
            R"(""D:\Players\bino.exe"" --control-file ""clip.bino"")");
  BinoOptions quad = options;
  quad.videoOutput = 15;
  EXPECT_EQ(BuildBino2CommandLine(quad, BinoVersion::Bino2ReadCommands, "c.bino", "\""),
            R"("D:\Players\bino.exe" --stereo --read-commands "c.bino")");
  EXPECT_EQ(Bino2CommandFileName("a.b.avi"), "a.b.bino");
  EXPECT_EQ(Bino2CommandFileName("clip"), "clip.bino");
}

TEST(Bino2CommandFile, VersionChoiceDefaultsToBino1) {
  EXPECT_EQ(BinoVersionFromIndex(0), BinoVersion::Bino1);
  EXPECT_EQ(BinoVersionFromIndex(1), BinoVersion::Bino2ReadCommands);
  EXPECT_EQ(BinoVersionFromIndex(2), BinoVersion::Bino2ControlFile);
  EXPECT_EQ(BinoVersionFromIndex(-1), BinoVersion::Bino1);
  EXPECT_FALSE(IsBino2(BinoVersionFromIndex(7)));
}

TEST(Bino2CommandFile, CompanionLiesBesideTheVideo) {
  TempDir dir;
  const std::string video = dir.file("show clip.avi");
  const CompanionFile file = Bino2CommandFile(Design(), video);
  EXPECT_EQ(file.path, dir.file("show clip.bino"));
  EXPECT_THAT(file.text, HasSubstr("open --input left-right show%20clip.avi\r\n"));
}

TEST(TextEncoding, RecognisesWellFormedUtf8Only) {
  EXPECT_TRUE(platform::IsUtf8("plain"));
  EXPECT_TRUE(platform::IsUtf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xA5"));
  EXPECT_FALSE(platform::IsUtf8("caf\xE9"));           // a Latin-1 byte
  EXPECT_FALSE(platform::IsUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(platform::IsUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(platform::IsUtf8("\xE2\x82"));          // cut short
  EXPECT_FALSE(platform::IsUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

TEST(TextEncoding, SystemNamesGoToUtf8AndBack) {
  // "café": one byte per letter in a Western ANSI code page, two for é in UTF-8.
  const std::string utf8 = "caf\xC3\xA9 clip.avi";
  const auto native = platform::Utf8ToNativeName(utf8);
  ASSERT_TRUE(native.has_value());
  EXPECT_EQ(platform::NativeNameToUtf8(*native), utf8);
  EXPECT_EQ(platform::NativeNameToUtf8("plain.avi"), "plain.avi");
  EXPECT_EQ(platform::NativeNameToUtf8(""), "");
  // A name that is no UTF-8 is refused rather than garbled.
  EXPECT_FALSE(platform::Utf8ToNativeName("caf\xE9").has_value());
}
