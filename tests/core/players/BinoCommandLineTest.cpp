#include <gtest/gtest.h>

#include "core/players/BinoCommandLine.h"

namespace {
const std::string Q = "\"";

BinoOptions Design() {
  BinoOptions o;
  o.location = R"(D:\Players\player.exe)";
  return o;
}

std::string Line(const BinoOptions& o, const std::string& left = "movie.avi",
                 const std::string& right = "") {
  return BuildBinoCommandLine(o, left, right, Q);
}

bool Holds(const std::string& line, const std::string& part) {
  return line.find(part) != std::string::npos;
}
}  // namespace

TEST(BinoCommandLine, ExamplesOfTheWindow) {
  BinoOptions o = Design();
  o.videoInput = 1;
  o.videoOutput = 10;
  o.fullScreenItem = 3;
  o.crossTalk = true;
  o.ghostBusting = "0.5";
  o.crossTalkR = "0.1";
  o.crossTalkG = "0.2";
  o.crossTalkB = "0.3";
  EXPECT_EQ(Line(o, "clipL.avi", "clipR.avi"),
            R"("D:\Players\player.exe" -n -c --fullscreen-flip-right --ghostbust=0.5 )"
            R"(--crosstalk=0.1,0.2,0.3 -i separate-left-right -o red-cyan-monochrome )"
            R"("clipL.avi" "clipR.avi")");

  BinoOptions s = Design();
  s.subtitles = true;
  s.subEncoding = {1, "UTF-8"};
  s.subFont = {2, "Arial"};
  s.subColour = {2, "FFFFFF"};
  s.subParallax = "5";
  EXPECT_EQ(Line(s), R"("D:\Players\player.exe" -n -c -f -i left-right -o left-right )"
                     R"("movie.avi" "movie.srt" --subtitle=1 --subtitle-encoding=UTF-8 )"
                     R"(--subtitle-font=Arial --subtitle-color=FFFFFF --subtitle-size=12 )"
                     R"(--parallax=5)");
}

TEST(BinoCommandLine, EveryOptionOfTheMainGroupAndLocation) {
  BinoOptions o = Design();
  o.location.clear();
  o.noGui = false;
  o.center = false;
  o.swap = true;
  o.fullScreen = false;
  EXPECT_EQ(Line(o), R"("" -S -i left-right -o left-right "movie.avi")");
  o.location = "  odd \"path";  // typed text goes in as it stands
  EXPECT_EQ(Line(o).substr(0, 14), "\"  odd \"path\" ");
}

TEST(BinoCommandLine, FullScreenOptions) {
  BinoOptions o = Design();
  o.fullScreen = false;
  o.fullScreenItem = 3;
  EXPECT_FALSE(Holds(Line(o), " -f"));
  EXPECT_FALSE(Holds(Line(o), "--fullscreen"));
  o.fullScreen = true;
  o.fullScreenItem = 2;
  EXPECT_TRUE(Holds(Line(o), " -c --fullscreen-flop-left -i"));
  EXPECT_FALSE(Holds(Line(o), " -f "));
  const char* expected[] = {" -c -f -i", " -c --fullscreen-flip-left -i",
                            " -c --fullscreen-flop-left -i", " -c --fullscreen-flip-right -i",
                            " -c --fullscreen-flop-right -i"};
  for (int i = 0; i < 5; ++i) {
    o.fullScreenItem = i;
    EXPECT_TRUE(Holds(Line(o), expected[i])) << i;
  }
  o.fullScreenItem = -1;  // no item selected adds nothing
  EXPECT_TRUE(Holds(Line(o), " -c -i left-right"));
}

TEST(BinoCommandLine, Crosstalk) {
  BinoOptions o = Design();
  o.crossTalkR = "9";
  o.ghostBusting = "9";
  EXPECT_FALSE(Holds(Line(o), "--ghostbust"));
  EXPECT_FALSE(Holds(Line(o), "--crosstalk"));
  o.crossTalk = true;
  o.crossTalkR = o.crossTalkG = o.crossTalkB = o.ghostBusting = "";
  EXPECT_TRUE(Holds(Line(o), " -f --ghostbust= --crosstalk=,, -i left-right"));
}

TEST(BinoCommandLine, InputAndOutputTables) {
  BinoOptions o = Design();
  o.fullScreen = o.noGui = o.center = false;
  o.videoInput = 11;
  o.videoOutput = 15;
  EXPECT_EQ(Line(o), R"("D:\Players\player.exe" -i odd-even-rows -o stereo "movie.avi")");
  o.videoInput = 0;
  o.videoOutput = 0;
  EXPECT_EQ(Line(o), R"("D:\Players\player.exe" -i mono -o mono-left "movie.avi")");
  o.videoInput = -1;
  o.videoOutput = -1;
  EXPECT_EQ(Line(o, "movie.avi", "ignored.avi"), R"("D:\Players\player.exe" "movie.avi")");
  EXPECT_EQ(kBinoVideoInputs[1].caption, "separate left-right (left first)");
  EXPECT_EQ(kBinoVideoOutputs[11].text, " -o red-cyan-half-color");
}

TEST(BinoCommandLine, Subtitles) {
  BinoOptions o = Design();
  o.subtitles = true;
  o.subFont = {7, "Courier New"};
  o.subSize = "";
  EXPECT_TRUE(Holds(Line(o), " --subtitle-font=Courier New --subtitle-size="));
  EXPECT_TRUE(Line(o).ends_with(" --subtitle-size="));

  // Typing into a box without choosing from its list writes nothing for it.
  o.subEncoding = {-1, "UTF-8"};
  o.subFont = {-1, "Arial"};
  o.subColour = {-1, "FF0000"};
  o.subSize = "12";
  EXPECT_TRUE(Holds(Line(o), R"("movie.srt" --subtitle=1 --subtitle-size=12)"));
  // Position 0 is "default" and writes nothing either; a chosen entry writes the shown text.
  o.subEncoding = {0, "default"};
  o.subColour = {3, "typed"};
  EXPECT_TRUE(Holds(Line(o), R"(--subtitle=1 --subtitle-color=typed --subtitle-size=12)"));

  const std::pair<const char*, const char*> parallax[] = {{"0", ""},
                                                          {"0.0", " --parallax=0.0"},
                                                          {"00", " --parallax=00"},
                                                          {" 0", " --parallax= 0"},
                                                          {"", " --parallax="}};
  for (const auto& [text, tail] : parallax) {
    o.subParallax = text;
    EXPECT_TRUE(Line(o).ends_with(std::string("--subtitle-size=12") + tail)) << '"' << text << '"';
  }

  o.subParallax = "0";
  o.videoInput = 1;
  EXPECT_TRUE(Holds(Line(o, "clipL.avi", "clipR.avi"),
                    R"( "clipL.avi" "clipR.avi" "clipL.srt" --subtitle=1)"));
  EXPECT_TRUE(Holds(Line(o, "clip.part1.avi", "x"), R"("clip.part1.srt")"));
  EXPECT_TRUE(Holds(Line(o, "clip", "x"), R"("clip.srt")"));
  EXPECT_TRUE(Holds(BuildBinoCommandLine(o, "a.avi", "b.avi", "\"\""),
                    R"( ""a.avi"" ""b.avi"" ""a.srt"" --subtitle=1)"));

  o.subtitles = false;
  EXPECT_FALSE(Holds(Line(o, "clipL.avi", "clipR.avi"), "srt"));
}
