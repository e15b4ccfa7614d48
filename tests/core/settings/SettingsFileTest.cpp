#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "TempDir.h"
#include "base/AppError.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsKeys.h"

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

class SettingsFileTest : public ::testing::Test {
 protected:
  Settings Load(const std::string& content) {
    dir.write("show.INI", content);
    return LoadSettings(file);
  }
  // The file a save of `settings` over `before` (no file for nullptr) leaves.
  std::string Saved(const Settings& settings, const char* before = nullptr) {
    if (before) dir.write("show.INI", before);
    SaveSettings(file, settings);
    return dir.read("show.INI");
  }

  TempDir dir;
  const std::string file = dir.file("show.INI");
};

}  // namespace

TEST(SettingsKeys, DistinctKeysAndFieldsReadAndWrittenAlike) {
  std::set<std::string> names;
  for (const SettingKey& key : SettingsKeys()) {
    std::string name = std::string(key.section) + "|" + key.key;
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
      return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    names.insert(name);
    // Member pointers have no order: each field is compared with the others.
    for (const SettingKey& other : SettingsKeys())
      EXPECT_TRUE(&other == &key || other.field != key.field) << key.key << " / " << other.key;
  }
  EXPECT_EQ(names.size(), kSettingCount);
  // LoadSettings reads the same keys SaveSettings writes, each once.
  std::set<Setting> read(SettingsReadOrder().begin(), SettingsReadOrder().end());
  EXPECT_EQ(read.size(), kSettingCount);
}

TEST_F(SettingsFileTest, NoFileGivesTheDefaultsAndTheFirstSaveLaysThemOutInTableOrder) {
  const Settings settings = LoadSettings(file);
  EXPECT_EQ(settings, Settings());
  EXPECT_EQ(dir.listing(), "");
  EXPECT_EQ(Saved(settings), kDefaultFile);
  // Saving again over the file changes nothing.
  EXPECT_EQ(Saved(LoadSettings(file)), kDefaultFile);
}

TEST_F(SettingsFileTest, SetupSectionInAnyCaseIsOneSection) {
  const char* const before =
      "[SETUP parameters]\r\nContinuous=1\r\nLoop=1\r\nVideoPlayer=1\r\n[Floating]\r\nValue=2\r\n";
  const Settings settings = Load(before);
  EXPECT_TRUE(settings.continuousMode);
  EXPECT_TRUE(settings.loopAll);
  EXPECT_EQ(settings.chosenPlayer, 1);
  const std::string text = Saved(settings, before);
  EXPECT_EQ(text.find("[SETUP parameters]\r\nContinuous=1\r\nLoop=1\r\nVideoPlayer=1\r\n"), 0u);
  EXPECT_EQ(text.find("[Setup"), std::string::npos);
  EXPECT_EQ(text.find("[setup"), std::string::npos);
  // Sections missing from the file follow it, in table order.
  EXPECT_NE(text.find("[Floating]\r\nValue=2\r\n\r\n[Ini Parameters]\r\n"), std::string::npos);
  EXPECT_LT(text.find("[Bino]"), text.find("[SPlayer]"));
}

TEST_F(SettingsFileTest, FlagsAndNumbersFollowTheNumberRule) {
  EXPECT_TRUE(Load("[Ini Parameters]\r\nFile Info=yes\r\n").infoVisible);
  EXPECT_TRUE(Load("[Ini Parameters]\r\nFile Info=2\r\n").infoVisible);
  EXPECT_FALSE(Load("[Ini Parameters]\r\nFile Info=0x0\r\n").infoVisible);
  EXPECT_FALSE(Load("[Ini Parameters]\r\nFile Info=\"0\"\r\n").infoVisible);
  EXPECT_EQ(Load("[Bino]\r\nVideoInput=0x0A\r\n").binoVideoInput, 10);
  // Out-of-range indexes reach the controls as they are; the radio group applies its rules.
  EXPECT_EQ(Load("[Bino]\r\nVideoInput=99\r\n").binoVideoInput, 99);
  EXPECT_EQ(Load("[Bino]\r\nVideoInput=-5\r\n").binoVideoInput, -5);
  EXPECT_EQ(Load("[Bino]\r\nVideoInput=abc\r\n").binoVideoInput, 6);
  EXPECT_EQ(Load("[Bino]\r\nVideoInput=\r\n").binoVideoInput, 6);
  // Same key name, other section: a key of its own.
  const Settings both = Load("[SPlayer]\r\nVideoInput=2\r\n[Bino]\r\nVideoInput=3\r\n");
  EXPECT_EQ(both.splayerVideoInput, 2);
  EXPECT_EQ(both.binoVideoInput, 3);
}

TEST_F(SettingsFileTest, TextsComeBackAsStored) {
  const std::string longValue(3000, 'p');
  const Settings settings = Load(
      "[Bino]\r\nBinoLocation=\r\nSub_Font_Size= 14 \r\n"
      "[SPlayer]\r\nSPlayerLocation=" +
      longValue + "\r\n[Floating]\r\nValue=abc\r\n");
  EXPECT_EQ(settings.binoLocation, "");
  EXPECT_EQ(settings.binoSubtitleSize, "14");
  EXPECT_EQ(settings.splayerLocation, longValue.substr(0, 2047));
  EXPECT_EQ(settings.floatingValueText, "abc");
  EXPECT_NE(Saved(settings).find("[Floating]\r\nValue=abc\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, EveryValueSurvivesASaveAndALoad) {
  // Each key a value of its own, none the default: a key bound to the wrong field shows.
  Settings settings;
  int n = 0;
  for (const SettingKey& key : SettingsKeys()) {
    ++n;
    std::visit(
        [&](auto member) {
          using Value = std::remove_reference_t<decltype(settings.*member)>;
          if constexpr (std::is_same_v<Value, bool>)
            settings.*member = !(settings.*member);
          else if constexpr (std::is_same_v<Value, int32_t>)
            settings.*member = n == 22 ? -1 : 100 + n;
          else
            settings.*member = "C:\\Program Files\\t" + std::to_string(n) + " x";
        },
        key.field);
  }
  const Settings loaded = LoadSettings((Saved(settings), file));
  EXPECT_EQ(loaded, settings);
  EXPECT_NE(loaded, Settings());
}

TEST_F(SettingsFileTest, BinoVersionIsWrittenOnlyOnceItLeftBino1) {
  // A first run, and a file written before the choice existed, gain nothing.
  EXPECT_EQ(Saved(Settings()), kDefaultFile);
  EXPECT_EQ(Saved(Settings(), kDefaultFile), kDefaultFile);

  Settings bino2;
  bino2.binoVersion = 2;
  const std::string first = Saved(bino2);
  EXPECT_NE(first.find("Sub_Font_Parallax=0\r\nBinoVersion=2\r\n\r\n[SPlayer]"), std::string::npos);
  EXPECT_EQ(LoadSettings(file).binoVersion, 2);

  // Back to Bino 1: the key stays and says so.
  EXPECT_NE(Saved(Settings()).find("BinoVersion=0\r\n"), std::string::npos);
  EXPECT_EQ(LoadSettings(file).binoVersion, 0);

  // Missing or no number: Bino 1. No item chosen is written back as the group holds it.
  EXPECT_EQ(Load("[Bino]\r\nBinoVersion=two\r\n").binoVersion, 0);
  EXPECT_EQ(Load("[bino]\r\nbinoversion=0x1\r\n").binoVersion, 1);
  Settings none;
  none.binoVersion = -1;
  EXPECT_NE(Saved(none, "").find("BinoVersion=-1\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, VenueKeysAreWrittenOnlyOnceChangedAndThenKept) {
  Settings venue;
  venue.venueScreen = "2";
  venue.showLock = true;
  const std::string written = Saved(venue);
  EXPECT_NE(written.find("Value=0\r\n\r\n[Venue]\r\nScreen=2\r\nShowLock=1\r\n"),
            std::string::npos);
  // The resume offer keeps its default and so stays out of the file.
  EXPECT_EQ(written.find("OfferResume"), std::string::npos);
  EXPECT_EQ(LoadSettings(file), venue);

  // Back to the defaults: the keys stay and say so.
  const std::string back = Saved(Settings());
  EXPECT_NE(back.find("[Venue]\r\nScreen=window\r\nShowLock=0\r\n"), std::string::npos);
  EXPECT_TRUE(LoadSettings(file).offerResume);
  EXPECT_FALSE(Load("[Venue]\r\nOfferResume=0\r\n").offerResume);
}

TEST_F(SettingsFileTest, GoProtectionIsWrittenOnlyOnceChangedAndReadByHand) {
  EXPECT_EQ(Saved(Settings()).find("[Remote]"), std::string::npos);
  Settings remote;
  remote.goProtection = 750;
  EXPECT_NE(Saved(remote).find("[Remote]\r\nGoProtection=750\r\n"), std::string::npos);
  EXPECT_EQ(LoadSettings(file), remote);
  // Back to off: the key stays and says so.
  EXPECT_NE(Saved(Settings()).find("[Remote]\r\nGoProtection=0\r\n"), std::string::npos);
  EXPECT_EQ(Load("[remote]\r\ngoprotection=1500\r\n").goProtection, 1500);
  EXPECT_EQ(Load("[Remote]\r\nGoProtection=soon\r\n").goProtection, 0);
}

TEST_F(SettingsFileTest, RefusedWriteThrowsAndLeavesWhatStandsThere) {
  // A folder in the file's place: the engine's tests cover read-only and unreadable files.
  std::filesystem::create_directory(dir.path() / "show.INI");
  try {
    SaveSettings(file, Settings());
    ADD_FAILURE() << "no error";
  } catch (const AppError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
  }
  EXPECT_TRUE(std::filesystem::is_directory(file));
  EXPECT_EQ(dir.listing(), "show.INI");
}
