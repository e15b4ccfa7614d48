#include <gtest/gtest.h>

#include "core/settings/BinoVersionSetting.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsValues.h"

namespace {

// The file a run writes: the described keys, then the Bino version.
std::string Saved(const std::string& before, int version) {
  ProfileFile profile("unused.INI", before);
  SaveSettingsValues(profile, SettingsValues());
  SaveBinoVersion(profile, version);
  return profile.Text();
}

}  // namespace

TEST(BinoVersionSetting, Bino1LeavesFilesAsTheyWereWithoutTheChoice) {
  ProfileFile plain("unused.INI", "");
  SaveSettingsValues(plain, SettingsValues());
  // A first run, and a file written before the choice existed, gain nothing.
  EXPECT_EQ(Saved("", 0), plain.Text());
  EXPECT_EQ(Saved(plain.Text(), 0), plain.Text());
  EXPECT_EQ(plain.Text().find("BinoVersion"), std::string::npos);
}

TEST(BinoVersionSetting, Bino2IsKeptAfterTheOtherBinoKeysAndReadBack) {
  const std::string first = Saved("", 2);
  const auto key = first.find("BinoVersion=2\r\n");
  ASSERT_NE(key, std::string::npos);
  EXPECT_LT(first.find("Sub_Font_Parallax="), key);
  EXPECT_LT(key, first.find("[SPlayer]"));
  EXPECT_EQ(LoadBinoVersion(ProfileFile("unused.INI", first)), 2);

  // Back to Bino 1: the key stays and says so.
  const std::string back = Saved(first, 0);
  EXPECT_NE(back.find("BinoVersion=0\r\n"), std::string::npos);
  EXPECT_EQ(LoadBinoVersion(ProfileFile("unused.INI", back)), 0);
}

TEST(BinoVersionSetting, MissingOrUnreadableValuesMeanBino1) {
  EXPECT_EQ(LoadBinoVersion(ProfileFile("unused.INI", "")), 0);
  EXPECT_EQ(LoadBinoVersion(ProfileFile("unused.INI", "[Bino]\r\nBinoVersion=two\r\n")), 0);
  EXPECT_EQ(LoadBinoVersion(ProfileFile("unused.INI", "[bino]\r\nbinoversion=0x1\r\n")), 1);
  // No item chosen (a value below -1 in the file) is written back as the group holds it.
  EXPECT_NE(Saved("", -1).find("BinoVersion=-1\r\n"), std::string::npos);
}
