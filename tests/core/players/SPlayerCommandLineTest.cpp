#include <gtest/gtest.h>

#include "core/players/SPlayerCommandLine.h"

namespace {
SPlayerOptions Design() {
  SPlayerOptions o;
  o.location = R"(D:\Players\player.exe)";
  return o;
}

std::string Line(const SPlayerOptions& o, const std::string& quote = "\"") {
  return BuildSPlayerCommandLine(o, "clipL.avi", "clipR.avi", quote);
}

bool Holds(const std::string& line, const std::string& part) {
  return line.find(part) != std::string::npos;
}
}  // namespace

TEST(SPlayerCommandLine, DesignValues) {
  EXPECT_EQ(BuildSPlayerCommandLine(Design(), "movie.avi", "", "\""),
            R"("D:\Players\player.exe" -file:"movie.avi" -il:SideBySideLF -fp -play -nl )"
            R"(-termkey -termend -fss -ol:SideBySideLF -di:0)");
  // No run-on option after the deinterlacing one.
  EXPECT_FALSE(Holds(Line(Design()), "-fp -nl"));
}

TEST(SPlayerCommandLine, SeparateLeftRightVideos) {
  SPlayerOptions o = Design();
  o.videoInput = 1;
  EXPECT_EQ(Line(o), R"("D:\Players\player.exe" -left:"clipL.avi" -right:"clipR.avi" -fp -play )"
                     R"(-nl -termkey -termend -fss -ol:SideBySideLF -di:0)");
  EXPECT_TRUE(Holds(Line(o, "\"\""), R"(-left:""clipL.avi"" -right:""clipR.avi"" -fp)"));
  EXPECT_FALSE(Holds(Line(o), "-il:"));
  EXPECT_FALSE(Holds(Line(o), "-file:"));
  o.videoInput = 0;
  EXPECT_TRUE(Holds(Line(o), R"(-file:"clipL.avi" -il:mono -fp)"));
  EXPECT_FALSE(Holds(Line(o), "clipR"));
  o.location.clear();
  EXPECT_TRUE(Line(o).starts_with(R"("" -file:)"));
}

TEST(SPlayerCommandLine, FullScreenAndFixedOptions) {
  SPlayerOptions o = Design();
  o.fullScreen = false;
  o.fullScreenItem = 4;
  EXPECT_TRUE(Holds(Line(o), " -termend -ol:"));
  EXPECT_FALSE(Holds(Line(o), "-fss"));
  o.fullScreen = true;
  const char* flips[] = {"", " -flv", " -flh", " -frv", " -frh"};
  for (int i = 0; i < 5; ++i) {
    o.fullScreenItem = i;
    EXPECT_TRUE(Holds(Line(o), std::string(" -termend -fss") + flips[i] + " -ol:")) << i;
  }
  o.fullScreenItem = -1;
  EXPECT_TRUE(Holds(Line(o), " -termend -fss -ol:"));

  // The fixed options stand in every line, whatever the rest.
  for (int input = -1; input < 17; ++input) {
    o.videoInput = input;
    o.fullScreen = input % 2 == 0;
    o.deinterlace = input % 3 == 0;
    EXPECT_TRUE(Holds(Line(o), " -fp -play -nl -termkey -termend")) << input;
  }
}

TEST(SPlayerCommandLine, TablesAndDeinterlacing) {
  SPlayerOptions o = Design();
  o.videoOutput = 11;
  EXPECT_TRUE(Holds(Line(o), " -ol:InterlacedLF -di:0"));
  o.videoOutput = 10;
  EXPECT_TRUE(Holds(Line(o), " -ol:InterlacedRT -di:0"));
  o.videoOutput = 22;
  o.deinterlace = true;
  EXPECT_TRUE(Line(o).ends_with(" -fss -ol:GrayAnaYB -di:1"));
  o.videoOutput = -1;
  EXPECT_TRUE(Line(o).ends_with(" -fss -di:1"));
  o.videoInput = 3;
  EXPECT_TRUE(Holds(Line(o), R"(-file:"clipL.avi" -il:OverUnderLT -ihh -fp)"));
  o.videoInput = 16;
  EXPECT_TRUE(Holds(Line(o), " -il:Sensio -fp"));
  EXPECT_EQ(kSPlayerVideoOutputs[17].caption, "Sharp 3D diaplay");
  EXPECT_EQ(kSPlayerVideoOutputs[11].caption, "even-odd columns (left in even columns)");
}

TEST(SPlayerCommandLine, Parallax) {
  SPlayerOptions o = Design();
  for (const char* none : {"0", "", " "}) {
    o.parallax = none;
    EXPECT_TRUE(Line(o).ends_with(" -di:0")) << '"' << none << '"';
  }
  for (const char* some : {"00", "0.0", "  ", "-0", "5"}) {
    o.parallax = some;
    EXPECT_TRUE(Line(o).ends_with(std::string(" -di:0 -ph:") + some)) << '"' << some << '"';
  }
}
