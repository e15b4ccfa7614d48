// Launch scripts written by the players' windows, checked at once by the show check: the check
// must read each script in the code page it was written in, or it reports the video missing.
// Runs on Linux and, in the Windows core lane, with Wine's real code pages.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "core/check/ShowCheck.h"
#include "core/players/Bino2CommandFile.h"
#include "core/players/BinoCommandLine.h"
#include "core/players/SPlayerCommandLine.h"
#include "core/players/WriteLaunchScripts.h"
#include "platform/BatchText.h"
#include "platform/FileSystem.h"
#include "platform/TextEncoding.h"

namespace fs = std::filesystem;

namespace {

enum class Player { Bino, Bino2, SPlayer };

const char* PlayerName(Player player) {
  switch (player) {
    case Player::Bino:
      return "Bino";
    case Player::Bino2:
      return "Bino 2";
    case Player::SPlayer:
      return "Stereoscopic Player";
  }
  return "?";
}

// The run a player window makes for `location`, as its "Select Video File(s)" does.
LaunchScriptRun PlayerRun(Player player, const std::string& location, int scriptKind) {
  LaunchScriptRun run;
  run.scriptKind = scriptKind;
  BinoOptions bino;
  bino.location = location;
  SPlayerOptions splayer;
  splayer.location = location;
  switch (player) {
    case Player::Bino:
      run.buildCommandLine = [bino](const std::string& l, const std::string& r,
                                    const std::string& q) {
        return BuildBinoCommandLine(bino, l, r, q);
      };
      break;
    case Player::Bino2:
      run.buildCommandLine = [bino](const std::string& l, const std::string&,
                                    const std::string& q) {
        return BuildBino2CommandLine(bino, BinoVersion::Bino2ReadCommands, Bino2CommandFileName(l),
                                     q);
      };
      run.companion = [bino](const std::string& left) { return Bino2CommandFile(bino, left); };
      break;
    case Player::SPlayer:
      run.buildCommandLine = [splayer](const std::string& l, const std::string& r,
                                       const std::string& q) {
        return BuildSPlayerCommandLine(splayer, l, r, q);
      };
      break;
  }
  return run;
}

}  // namespace

TEST(ScriptRoundTrip, BatchTextReadsBackAsWritten) {
  const auto name = platform::Utf8ToNativeName("\"Mon \xc3\x89t\xc3\xa9 3D.avi\"");
  ASSERT_TRUE(name);
  EXPECT_EQ(platform::FromBatchFileText(platform::ToBatchFileText(*name, "x.bat")), *name);
  EXPECT_EQ(platform::FromBatchFileText(""), "");
}

TEST(ScriptRoundTrip, EveryPlayerAndFormatPassesTheCheckWithANonAsciiName) {
  // "Mon Été 3D.avi" in this system's own 8-bit form (the ANSI code page on Windows).
  const auto video = platform::Utf8ToNativeName("Mon \xc3\x89t\xc3\xa9 3D.avi");
  ASSERT_TRUE(video);
  for (const Player player : {Player::Bino, Player::Bino2, Player::SPlayer}) {
    for (const int scriptKind : {0, 1}) {
      SCOPED_TRACE(std::string(PlayerName(player)) + (scriptKind == 0 ? ", .bat" : ", .vbs"));
      TempDir dir;
      const std::string location = dir.file("player.exe");
      dir.write("player.exe", "x");
      fs::permissions(dir.path() / "player.exe", fs::perms::owner_all);
      const std::string videoPath = dir.file("") + *video;
      platform::WriteFileAtomically(videoPath, "x");

      LaunchScriptRun run = PlayerRun(player, location, scriptKind);
      run.exePath = dir.file("quadrel");
      run.addToList = true;
      std::vector<std::string> items;
      run.appendToList = [&items](const std::string& item) { items.push_back(item); };
      WriteChosenLaunchScripts(run, {videoPath}, {});
      ASSERT_EQ(items.size(), 1u);

      std::vector<std::string> found;
      for (const CheckFinding& finding : CheckShowList(run.exePath, items, NativeCheckSystem()))
        found.push_back(std::string(CheckKindName(finding.kind)) + ": " + finding.detail);
      EXPECT_EQ(found, std::vector<std::string>{});
    }
  }
}
