#include <gtest/gtest.h>

#include "core/players/BinoCommandLine.h"
#include "core/players/LaunchScript.h"
#include "platform/PathStyle.h"

namespace {
// A native full path from a '\' form, so the cases read the same on both systems.
std::string Native(const std::string& itemForm) {
  return platform::ToNativeSeparators(itemForm);
}
}  // namespace

TEST(LaunchScript, PathReplacesOnlyTheLastExtension) {
  const auto bat = ScriptKind::Bat;
  EXPECT_EQ(LaunchScriptPath(Native(R"(\v\movie.avi)"), bat), Native(R"(\v\movie.bat)"));
  EXPECT_EQ(LaunchScriptPath(Native(R"(\v\a.b.avi)"), bat), Native(R"(\v\a.b.bat)"));
  EXPECT_EQ(LaunchScriptPath(Native(R"(\v\clip)"), bat), Native(R"(\v\clip.bat)"));
  EXPECT_EQ(LaunchScriptPath(Native(R"(\v\clip.part1.avi)"), ScriptKind::Vbs),
            Native(R"(\v\clip.part1.vbs)"));
  // A dot in a folder name is not the file's extension.
  EXPECT_EQ(LaunchScriptPath(Native(R"(\v.d\clip)"), bat), Native(R"(\v.d\clip.bat)"));
  EXPECT_EQ(LaunchScriptPath(Native(R"(\v\.hidden)"), bat), Native(R"(\v\.bat)"));
  EXPECT_EQ(LaunchScriptPath(Native(R"(\v\clip.)"), bat), Native(R"(\v\clip.bat)"));
  EXPECT_EQ(VideoFileName(Native(R"(\v.d\clip R.avi)")), "clip R.avi");
  EXPECT_EQ(VideoFileName("clip.avi"), "clip.avi");
  EXPECT_EQ(ReplaceExtension("clip", ".srt"), "clip.srt");
  EXPECT_EQ(ReplaceExtension("a.b.avi", ".srt"), "a.b.srt");
}

TEST(LaunchScript, ColonInALinuxFileNameIsPartOfTheName) {
  if (platform::FolderNamesIgnoreCase()) GTEST_SKIP() << "a ':' cannot stand in a Windows name";
  EXPECT_EQ(VideoFileName("/v/take:2.avi"), "take:2.avi");
  EXPECT_EQ(LaunchScriptPath("/v/x.y:z", ScriptKind::Bat), "/v/x.bat");
}

TEST(LaunchScript, KindFromTheFileTypesGroup) {
  EXPECT_EQ(ScriptKindFromIndex(0), ScriptKind::Bat);
  EXPECT_EQ(ScriptKindFromIndex(1), ScriptKind::Vbs);
  // No item selected (only a settings file can do that) still gives a whole VBS script.
  EXPECT_EQ(ScriptKindFromIndex(-1), ScriptKind::Vbs);
  EXPECT_EQ(QuoteMark(ScriptKind::Bat), "\"");
  EXPECT_EQ(QuoteMark(ScriptKind::Vbs), "\"\"");
}

TEST(LaunchScript, PercentIsDoubledOnlyInBatNames) {
  EXPECT_EQ(ScriptFileName("100%.avi", ScriptKind::Bat), "100%%.avi");
  EXPECT_EQ(ScriptFileName("%PATH%.avi", ScriptKind::Bat), "%%PATH%%.avi");
  EXPECT_EQ(ScriptFileName("100%.avi", ScriptKind::Vbs), "100%.avi");
  EXPECT_EQ(ScriptFileName("", ScriptKind::Bat), "");
}

TEST(LaunchScript, BatAndVbsBytesOfTheDesignExample) {
  BinoOptions design;
  design.location = R"(D:\Players\player.exe)";
  const std::string bat =
      LaunchScriptText(BuildBinoCommandLine(design, "movie.avi", "", "\""), ScriptKind::Bat);
  EXPECT_EQ(bat,
            "\"D:\\Players\\player.exe\" -n -c -f -i left-right -o left-right \"movie.avi\"\r\n");
  const std::string vbs =
      LaunchScriptText(BuildBinoCommandLine(design, "movie.avi", "", "\"\""), ScriptKind::Vbs);
  EXPECT_EQ(vbs,
            "Dim return\r\n"
            "Set WSHShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
            "return=WshShell.Run(\"\"\"D:\\Players\\player.exe\"\" -n -c -f -i left-right -o "
            "left-right \"\"movie.avi\"\"\", 1, true)\r\n");
  // Bytes pass unchanged: no byte-order mark, no conversion of 8-bit names.
  EXPECT_EQ(LaunchScriptText("\xe9\xff", ScriptKind::Bat), "\xe9\xff\r\n");
}
