#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "TempDir.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsValues.h"

using S = Setting;

namespace {

// The file a first save of the defaults creates.
const char* const kDefaultFile =
    "[Ini Parameters]\r\nFile Info=1\r\nHelp Info=1\r\nMono Info Screen=1\r\n"
    "\r\n[Setup Parameters]\r\nContinuous=0\r\nLoop=0\r\nVideoPlayer=0\r\n"
    "\r\n[Bino]\r\nBinoLocation=\r\nFullScreenCheck=1\r\nFullScreen=0\r\nNoGUI=1\r\nCenter=1\r\n"
    "Swap=0\r\nVideoInput=6\r\nVideoOutput=4\r\nCrossTalkEnable=0\r\nCrossTalkR=0\r\n"
    "CrossTalkG=0\r\nCrossTalkB=0\r\nGhostbusting=0\r\nAddToList=1\r\nSubtitles=0\r\n"
    "BatOrVbs=1\r\nSub_Encoding=0\r\nSub_Font=0\r\nSub_Font_Size=12\r\nSub_Font_Parallax=0\r\n"
    "\r\n[SPlayer]\r\nSPlayerLocation=\r\nFullScreenCheck=1\r\nFullScreen=0\r\nVideoInput=6\r\n"
    "VideoOutput=6\r\nAddToList=1\r\nBatOrVbs=1\r\nDeinterlace=0\r\nParallax=0\r\n"
    "\r\n[Floating]\r\nValue=0\r\n";

SettingsValues Load(const std::string& content) {
  return LoadSettingsValues(ProfileFile("x.INI", content));
}

}  // namespace

TEST(SettingsKeys, ThirtySixDistinctKeysReadAndWrittenAlike) {
  std::set<std::string> names;
  for (const SettingKey& key : SettingsKeys()) {
    std::string name = std::string(key.section) + "|" + key.key;
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
      return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 36u);
  // LoadSettings reads the same keys SaveSettings writes, each once.
  std::set<Setting> read(SettingsReadOrder().begin(), SettingsReadOrder().end());
  EXPECT_EQ(read.size(), 36u);
}

TEST(SettingsValues, NoFileGivesTheTableDefaults) {
  TempDir dir;
  const SettingsValues values = LoadSettingsValues(ProfileFile(dir.file("show.INI")));
  EXPECT_EQ(values, SettingsValues());
  EXPECT_TRUE(values.Flag(S::InfoVisible));
  EXPECT_TRUE(values.Flag(S::HelpVisible));
  EXPECT_TRUE(values.Flag(S::MonoInfo));
  EXPECT_FALSE(values.Flag(S::ContinuousMode));
  EXPECT_FALSE(values.Flag(S::LoopAll));
  EXPECT_EQ(values.Number(S::ChosenPlayer), 0);
  EXPECT_EQ(values.Number(S::BinoScriptKind), 1);
  EXPECT_EQ(values.Number(S::SPlayerScriptKind), 1);
  EXPECT_TRUE(values.Flag(S::BinoAddToList));
  EXPECT_TRUE(values.Flag(S::SPlayerAddToList));
  EXPECT_EQ(values.Number(S::BinoVideoInput), 6);
  EXPECT_EQ(values.Number(S::BinoVideoOutput), 4);
  EXPECT_EQ(values.Number(S::SPlayerVideoInput), 6);
  EXPECT_EQ(values.Number(S::SPlayerVideoOutput), 6);
  EXPECT_EQ(values.Text(S::BinoSubtitleSize), "12");
  EXPECT_EQ(values.Text(S::BinoLocation), "");
  EXPECT_EQ(values.Text(S::FloatingValueText), "0");
}

TEST(SettingsValues, FirstSaveLaysOutTheFileInTableOrder) {
  TempDir dir;
  const std::string path = dir.file("show.INI");
  ProfileFile profile(path);
  SaveSettingsValues(profile, SettingsValues());
  profile.Flush();
  EXPECT_EQ(dir.read("show.INI"), kDefaultFile);
  // Saving again over the file changes nothing.
  ProfileFile again(path);
  SaveSettingsValues(again, LoadSettingsValues(again));
  EXPECT_EQ(again.Text(), kDefaultFile);
}

TEST(SettingsValues, SetupSectionInAnyCaseIsOneSection) {
  const std::string file =
      "[SETUP parameters]\r\nContinuous=1\r\nLoop=1\r\nVideoPlayer=1\r\n[Floating]\r\nValue=2\r\n";
  ProfileFile profile("x.INI", file);
  const SettingsValues values = LoadSettingsValues(profile);
  EXPECT_TRUE(values.Flag(S::ContinuousMode));
  EXPECT_TRUE(values.Flag(S::LoopAll));
  EXPECT_EQ(values.Number(S::ChosenPlayer), 1);
  SaveSettingsValues(profile, values);
  const std::string text = profile.Text();
  EXPECT_EQ(text.find("[SETUP parameters]\r\nContinuous=1\r\nLoop=1\r\nVideoPlayer=1\r\n"), 0u);
  EXPECT_EQ(text.find("[Setup"), std::string::npos);
  EXPECT_EQ(text.find("[setup"), std::string::npos);
  // Sections missing from the file follow it, in table order.
  EXPECT_NE(text.find("[Floating]\r\nValue=2\r\n\r\n[Ini Parameters]\r\n"), std::string::npos);
  EXPECT_LT(text.find("[Bino]"), text.find("[SPlayer]"));
}

TEST(SettingsValues, FlagsAndNumbersFollowTheNumberRule) {
  EXPECT_TRUE(Load("[Ini Parameters]\r\nFile Info=yes\r\n").Flag(S::InfoVisible));
  EXPECT_TRUE(Load("[Ini Parameters]\r\nFile Info=2\r\n").Flag(S::InfoVisible));
  EXPECT_FALSE(Load("[Ini Parameters]\r\nFile Info=0x0\r\n").Flag(S::InfoVisible));
  EXPECT_FALSE(Load("[Ini Parameters]\r\nFile Info=\"0\"\r\n").Flag(S::InfoVisible));
  EXPECT_EQ(Load("[Bino]\r\nVideoInput=0x0A\r\n").Number(S::BinoVideoInput), 10);
  // Out-of-range indexes reach the controls as they are; the radio group applies its rules.
  EXPECT_EQ(Load("[Bino]\r\nVideoInput=99\r\n").Number(S::BinoVideoInput), 99);
  EXPECT_EQ(Load("[Bino]\r\nVideoInput=-5\r\n").Number(S::BinoVideoInput), -5);
  EXPECT_EQ(Load("[Bino]\r\nVideoInput=abc\r\n").Number(S::BinoVideoInput), 6);
  EXPECT_EQ(Load("[Bino]\r\nVideoInput=\r\n").Number(S::BinoVideoInput), 6);
  // Same key name, other section: a key of its own.
  const SettingsValues both = Load("[SPlayer]\r\nVideoInput=2\r\n[Bino]\r\nVideoInput=3\r\n");
  EXPECT_EQ(both.Number(S::SPlayerVideoInput), 2);
  EXPECT_EQ(both.Number(S::BinoVideoInput), 3);
}

TEST(SettingsValues, TextsComeBackAsStored) {
  const std::string longValue(3000, 'p');
  const SettingsValues values = Load(
      "[Bino]\r\nBinoLocation=\r\nSub_Font_Size= 14 \r\n[SPlayer]\r\nSPlayerLocation=" + longValue +
      "\r\n[Floating]\r\nValue=abc\r\n");
  EXPECT_EQ(values.Text(S::BinoLocation), "");
  EXPECT_EQ(values.Text(S::BinoSubtitleSize), "14");
  EXPECT_EQ(values.Text(S::SPlayerLocation), longValue.substr(0, 2047));
  EXPECT_EQ(values.Text(S::FloatingValueText), "abc");
  ProfileFile profile("x.INI", "");
  SaveSettingsValues(profile, values);
  EXPECT_NE(profile.Text().find("[Floating]\r\nValue=abc\r\n"), std::string::npos);
}

TEST(SettingsValues, EveryValueSurvivesASaveAndALoad) {
  SettingsValues values;
  int n = 0;
  for (const SettingKey& key : SettingsKeys()) {
    ++n;
    switch (key.type) {
      case SettingType::Flag:
        values.SetFlag(key.binding, key.defaultNumber == 0);
        break;
      case SettingType::Number:
        values.SetNumber(key.binding, n == 22 ? -1 : 100 + n);
        break;
      case SettingType::Text:
        values.SetText(key.binding, "C:\\Program Files\\t" + std::to_string(n) + " x");
        break;
    }
  }
  ProfileFile profile("x.INI", "");
  SaveSettingsValues(profile, values);
  const SettingsValues loaded = LoadSettingsValues(ProfileFile("x.INI", profile.Text()));
  EXPECT_EQ(loaded, values);
  EXPECT_NE(loaded, SettingsValues());
}
