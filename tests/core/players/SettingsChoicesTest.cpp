#include <gtest/gtest.h>

#include "core/players/Bino2CommandFile.h"
#include "core/players/BinoCommandLine.h"
#include "core/players/SPlayerCommandLine.h"
#include "core/players/SettingsChoices.h"
#include "core/settings/Settings.h"

// Indexes end where their control would put them: a radio group at its last item or none, a
// drop-down box at none; indexes within range and every other value stay.
TEST(SettingsChoices, IndexesOutOfRangeFollowTheirControlsRules) {
  Settings s;
  s.chosenPlayer = 3;
  s.binoFullScreenOption = -7;
  s.binoVideoInput = 99;
  s.binoVideoOutput = -1;
  s.binoScriptKind = 2;
  s.binoVersion = 5;
  s.binoSubtitleEncoding = 12;
  s.binoSubtitleFont = -3;
  s.splayerFullScreenOption = 5;
  s.splayerVideoInput = 17;
  s.splayerVideoOutput = -2;
  s.splayerScriptKind = 1000;
  s.binoLocation = "x";
  KeepChoicesInRange(s);

  Settings expected;
  expected.chosenPlayer = 2;
  expected.binoFullScreenOption = -1;
  expected.binoVideoInput = static_cast<int32_t>(kBinoVideoInputs.size()) - 1;
  expected.binoVideoOutput = -1;
  expected.binoScriptKind = 1;
  expected.binoVersion = static_cast<int32_t>(kBinoVersionCaptions.size()) - 1;
  expected.binoSubtitleEncoding = -1;
  expected.binoSubtitleFont = -1;
  expected.splayerFullScreenOption = static_cast<int32_t>(kSPlayerFullScreenOptions.size()) - 1;
  expected.splayerVideoInput = static_cast<int32_t>(kSPlayerVideoInputs.size()) - 1;
  expected.splayerVideoOutput = -1;
  expected.splayerScriptKind = 1;
  expected.binoLocation = "x";
  EXPECT_EQ(s, expected);

  Settings inRange;
  inRange.binoSubtitleEncoding = static_cast<int32_t>(kBinoSubtitleEncodings.size()) - 1;
  inRange.splayerVideoOutput = static_cast<int32_t>(kSPlayerVideoOutputs.size()) - 1;
  const Settings before = inRange;
  KeepChoicesInRange(inRange);
  EXPECT_EQ(inRange, before);
  Settings defaults;
  KeepChoicesInRange(defaults);
  EXPECT_EQ(defaults, Settings());
}
