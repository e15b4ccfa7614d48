#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "TempDir.h"
#include "core/players/ItemShell.h"
#include "platform/FileTypes.h"
#include "platform/Shell.h"

namespace fs = std::filesystem;
using testing::HasSubstr;

namespace {

// The presenter's shell: the system's own, with launch scripts run by the core.
class PresenterShell : public platform::Shell {
 public:
  platform::OpenResult Open(const std::string& file, const std::string& folder) override {
    return items_.Open(file, folder);
  }

 private:
  std::unique_ptr<platform::Shell> system_ = platform::MakeSystemShell();
  ItemShell items_{*system_};
};

std::unique_ptr<platform::Shell> MakeShell() {
  return std::make_unique<PresenterShell>();
}

// A program that logs its working folder and each argument on a line of `log`.
void WriteLogger(const TempDir& dir, const std::string& name, const std::string& log) {
  dir.write(name, "#!/bin/sh\npwd > '" + log + "'\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '" +
                      log + "'; done\n");
  ::chmod(dir.file(name).c_str(), 0755);
}

platform::OpenResult OpenAndWait(const std::string& file, const std::string& folder) {
  auto result = MakeShell()->Open(file, folder);
  if (result.process) {
    EXPECT_TRUE(result.process->WaitFor(-1));
  }
  return result;
}

bool NoChildrenLeft() {
  // Every child of ours has been reaped: waitpid has none left to report.
  for (int i = 0; i < 200; ++i) {
    if (::waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

}  // namespace

TEST(PosixItemShell, RunsProgramsDirectlyInTheirFolder) {
  TempDir dir;
  fs::create_directory(dir.path() / "clips");
  const std::string log = dir.file("log.txt");
  // Quotes, blanks, a '$' and high bytes in the name: started as it stands, never interpreted.
  const std::string name = "it's a \"$HOME\" caf\xc3\xa9.sh";
  WriteLogger(dir, "clips/" + name, log);
  const auto result = OpenAndWait(dir.file("clips/" + name), dir.file("clips") + "/");
  EXPECT_EQ(result.error, "");
  ASSERT_TRUE(result.process);
  EXPECT_EQ(dir.read("log.txt"), dir.file("clips") + "\n");  // no arguments
  EXPECT_TRUE(NoChildrenLeft());
}

TEST(PosixItemShell, WaitsInSlicesUntilTheItemEnds) {
  TempDir dir;
  dir.write("slow.sh", "#!/bin/sh\nsleep 0.4\n");
  ::chmod(dir.file("slow.sh").c_str(), 0755);
  auto result = MakeShell()->Open(dir.file("slow.sh"), dir.path().string());
  ASSERT_TRUE(result.process);
  EXPECT_FALSE(result.process->WaitFor(10));
  int slices = 0;
  while (!result.process->WaitFor(20)) ++slices;
  EXPECT_GT(slices, 0);
  EXPECT_TRUE(result.process->WaitFor(0));  // stays ended
  result.process.reset();
  EXPECT_TRUE(NoChildrenLeft());
}

TEST(PosixItemShell, RunsGeneratedLaunchScriptsWithoutAShell) {
  TempDir dir;
  fs::create_directory(dir.path() / "videos");
  const std::string log = dir.file("args.txt");
  WriteLogger(dir, "player", log);
  // The player named by a Windows-style path relative to the script's folder.
  dir.write("videos/movie.BAT",
            "\"..\\player\" -n \"movie 50%%.avi\" \"$(touch pwned)\" %QUADREL_TEST_VALUE%\r\n");
  ::setenv("QUADREL_TEST_VALUE", "a;b", 1);
  auto result = OpenAndWait(dir.file("videos/movie.BAT"), dir.file("videos"));
  EXPECT_EQ(result.error, "");
  EXPECT_TRUE(result.process);
  EXPECT_EQ(dir.read("args.txt"),
            dir.file("videos") + "\n-n\nmovie 50%.avi\n$(touch pwned)\na;b\n");
  EXPECT_FALSE(fs::exists(dir.path() / "videos" / "pwned"));

  dir.write("videos/movie.vbs",
            "Dim return\r\nSet WSHShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
            "return=WshShell.Run(\"\"\"" +
                dir.file("player") + "\"\" -n \"\"movie.avi\"\"\", 1, true)\r\n");
  result = OpenAndWait(dir.file("videos/movie.vbs"), dir.file("videos"));
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(dir.read("args.txt"), dir.file("videos") + "\n-n\nmovie.avi\n");
  EXPECT_TRUE(NoChildrenLeft());
}

TEST(PosixItemShell, ScriptsThatDoNotWaitLeaveNoZombie) {
  TempDir dir;
  WriteLogger(dir, "player", dir.file("args.txt"));
  dir.write("go.vbs", "CreateObject(\"WScript.Shell\").Run \"player x\"\r\n");
  const auto result = MakeShell()->Open(dir.file("go.vbs"), dir.path().string());
  EXPECT_EQ(result.error, "");
  EXPECT_FALSE(result.process);  // nothing to wait for
  EXPECT_TRUE(NoChildrenLeft());
  EXPECT_EQ(dir.read("args.txt"), dir.path().string() + "\nx\n");
}

TEST(PosixItemShell, ReportsWhatCannotBeOpened) {
  TempDir dir;
  auto shell = MakeShell();
  auto expectError = [&](const std::string& file, const std::string& reason) {
    const auto result = shell->Open(file, dir.path().string());
    EXPECT_FALSE(result.process) << file;
    EXPECT_THAT(result.error, HasSubstr("\"" + file + "\"")) << file;
    EXPECT_THAT(result.error, HasSubstr(reason)) << file;
  };
  expectError(dir.file("missing.avi"), "No such file");
  fs::create_directory(dir.path() / "folder.avi");
  expectError(dir.file("folder.avi"), "directory");
  dir.write("broken.bat", "player | other\r\n");
  expectError(dir.file("broken.bat"), "command interpreter");
  dir.write("noplayer.bat", "\"C:\\Players\\none.exe\" \"movie.avi\"\r\n");
  expectError(dir.file("noplayer.bat"), "C:\\Players\\none.exe");
  // A type no application is registered for (an isolated, empty desktop database).
  ::setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
  ::setenv("XDG_DATA_DIRS", dir.file("none").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", dir.file("config").c_str(), 1);
  ::setenv("XDG_CONFIG_DIRS", dir.file("none").c_str(), 1);
  dir.write("data.qdrl-unknown", std::string("\x01\x02\x03\xff", 4));
  expectError(dir.file("data.qdrl-unknown"), "No application");
  // The execute bit alone (as on mounted Windows drives) does not make a program: a file the
  // system cannot run is opened by its type, never handed to /bin/sh.
  dir.write("notes.qdrl-unknown", "touch pwned\n");
  ::chmod(dir.file("notes.qdrl-unknown").c_str(), 0755);
  expectError(dir.file("notes.qdrl-unknown"), "No application");
  EXPECT_FALSE(fs::exists(dir.path() / "pwned"));
  EXPECT_TRUE(NoChildrenLeft());
}

TEST(PosixItemShell, NamesAMissingInterpreterAndTheCheckFindsTheSame) {
  TempDir dir;
  auto shell = MakeShell();
  dir.write("gone.sh", "#! /nonexistent/quadrel-interpreter -x\nexit 0\n");
  ::chmod(dir.file("gone.sh").c_str(), 0755);
  const auto result = shell->Open(dir.file("gone.sh"), dir.path().string());
  EXPECT_FALSE(result.process);
  EXPECT_THAT(result.error,
              HasSubstr("The interpreter \"/nonexistent/quadrel-interpreter\" named in its first "
                        "line (#!) does not exist"));
  const platform::FileOpening opening = HowItemOpens(dir.file("gone.sh"));
  EXPECT_EQ(opening.problem, platform::StartProblem::MissingInterpreter);
  EXPECT_THAT(result.error, HasSubstr(opening.reason));

  // A folder standing as the interpreter cannot run either.
  dir.write("folder.sh", "#!" + dir.path().string() + "\n");
  ::chmod(dir.file("folder.sh").c_str(), 0755);
  EXPECT_THAT(shell->Open(dir.file("folder.sh"), dir.path().string()).error,
              HasSubstr("is not a program that can be run"));

  // An interpreter that is there runs the script as before.
  dir.write("fine.sh", "#!/bin/sh\nexit 0\n");
  ::chmod(dir.file("fine.sh").c_str(), 0755);
  EXPECT_EQ(HowItemOpens(dir.file("fine.sh")).problem, platform::StartProblem::None);
  EXPECT_EQ(OpenAndWait(dir.file("fine.sh"), dir.path().string()).error, "");
  EXPECT_TRUE(NoChildrenLeft());
}

TEST(PosixItemShell, ReportsHowTheItemEnded) {
  TempDir dir;
  dir.write("three.sh", "#!/bin/sh\nexit 3\n");
  dir.write("killed.sh", "#!/bin/sh\nkill -TERM $$\nsleep 5\n");
  dir.write("ok.sh", "#!/bin/sh\nexit 0\n");
  for (const char* name : {"three.sh", "killed.sh", "ok.sh"}) ::chmod(dir.file(name).c_str(), 0755);
  // A launch script ends as the last command it waited for.
  dir.write("two.bat", "\"" + dir.file("ok.sh") + "\"\r\n\"" + dir.file("three.sh") + "\"\r\n");

  const auto three = OpenAndWait(dir.file("three.sh"), dir.path().string());
  ASSERT_TRUE(three.process);
  EXPECT_EQ(three.process->ExitStatus(), 3);
  const auto killed = OpenAndWait(dir.file("killed.sh"), dir.path().string());
  ASSERT_TRUE(killed.process);
  EXPECT_EQ(killed.process->ExitStatus(), 128 + SIGTERM);
  const auto ok = OpenAndWait(dir.file("ok.sh"), dir.path().string());
  ASSERT_TRUE(ok.process);
  EXPECT_EQ(ok.process->ExitStatus(), 0);
  const auto script = OpenAndWait(dir.file("two.bat"), dir.path().string());
  EXPECT_EQ(script.error, "");
  ASSERT_TRUE(script.process);
  EXPECT_EQ(script.process->ExitStatus(), 3);
}

TEST(PosixItemShell, ACommandThatCannotStartIsReportedWhileTheNextOneRuns) {
  TempDir dir;
  // Marked executable, but no program the system can start (no "#!" line, no binary).
  dir.write("notes", "just text\n");
  dir.write("three.sh", "#!/bin/sh\nsleep 0.2\nexit 3\n");
  for (const char* name : {"notes", "three.sh"}) ::chmod(dir.file(name).c_str(), 0755);
  dir.write("two.bat", "notes\r\nthree.sh\r\n");
  const auto result = MakeShell()->Open(dir.file("two.bat"), dir.path().string());
  EXPECT_THAT(result.error, HasSubstr("\"notes\""));
  ASSERT_TRUE(result.process);  // the second command runs all the same
  EXPECT_TRUE(result.process->WaitFor(-1));
  EXPECT_EQ(result.process->ExitStatus(), 3);
  EXPECT_TRUE(NoChildrenLeft());
}
