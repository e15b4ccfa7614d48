#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "core/show/ItemLaunch.h"
#include "platform/FileTypes.h"
#include "platform/Process.h"
#include "platform/Shell.h"

namespace fs = std::filesystem;

namespace {
std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  return text;
}
}  // namespace

TEST(Win32Shell, StartsABatchFileInItsFolderAndWaitsForIt) {
  TempDir dir;
  fs::create_directory(dir.path() / "clips");
  // The batch file records its working folder, then leaves a marker as its last act.
  dir.write("clips\\intro.bat", "@cd > where.txt\r\n@echo done> done.txt\r\n");
  const ItemLaunch launch = NativeItemLaunch(dir.file("presenter.exe"), "clips\\intro.bat");
  EXPECT_EQ(launch.folder, dir.file("clips") + "\\");

  auto result = platform::MakeSystemShell()->Open(launch.file, launch.folder);
  ASSERT_TRUE(result.process) << "ShellExecuteExA returned no process handle";
  EXPECT_TRUE(result.process->WaitFor(60000));
  result.process.reset();  // closes the handle
  EXPECT_EQ(Trimmed(dir.read("clips\\done.txt")), "done");
  // cd prints the folder without a trailing separator; letter case as the system keeps it.
  std::string expected = dir.file("clips");
  std::string where = Trimmed(dir.read("clips\\where.txt"));
  for (auto* text : {&expected, &where})
    for (char& c : *text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(where, expected);
}

TEST(Win32Shell, AMissingFileIsAFailureWithTheSystemsReason) {
  TempDir dir;
  const ItemLaunch launch = NativeItemLaunch(dir.file("presenter.exe"), "gone.bat");
  auto result = platform::MakeSystemShell()->Open(launch.file, launch.folder);
  EXPECT_FALSE(result.process);
  // The shell has told the operator; the show still learns why, for its journal.
  EXPECT_TRUE(result.shownBySystem);
  EXPECT_EQ(result.error.rfind("Cannot open file \"" + launch.file + "\". ", 0), 0u)
      << result.error;
  EXPECT_GT(result.error.size(), ("Cannot open file \"" + launch.file + "\". ").size());
}

TEST(Win32Spawn, StartsAProgramWithoutTheShellAndReportsItsExitCode) {
  TempDir dir;
  const std::string cmd =
      platform::ScriptVariable("ComSpec").value_or("C:\\windows\\system32\\cmd.exe");
  auto started = platform::SpawnProgram(cmd, {"cmd", "/c", "exit 3"}, dir.path().string());
  ASSERT_TRUE(started.process) << started.error;
  EXPECT_TRUE(started.process->WaitFor(60000));
  EXPECT_EQ(started.process->ExitStatus(), 3);

  const auto missing = platform::SpawnProgram(dir.file("none.exe"), {"none.exe"}, "");
  EXPECT_FALSE(missing.process);
  EXPECT_FALSE(missing.error.empty());
}
