#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "TempDir.h"
#include "base/AppError.h"
#include "core/players/Bino2CommandFile.h"
#include "core/players/BinoCommandLine.h"
#include "core/players/SPlayerCommandLine.h"
#include "core/players/WriteLaunchScripts.h"
#include "platform/PathStyle.h"

namespace {

using Files = std::vector<std::string>;

// A run of the Bino window at its design values, collecting the list entries it appends; the
// program lives in the temporary folder's "prog" subfolder.
struct ScriptRun {
  TempDir dir;
  BinoOptions options;
  LaunchScriptRun run;
  Files list;

  ScriptRun() {
    std::filesystem::create_directories(dir.path() / "prog");
    std::filesystem::create_directories(dir.path() / "videos");
    options.location = R"(D:\Players\player.exe)";
    run.exePath = (dir.path() / "prog" / "quadrel.exe").string();
    run.addToList = true;
    run.buildCommandLine = [this](const std::string& l, const std::string& r,
                                  const std::string& q) {
      return BuildBinoCommandLine(options, l, r, q);
    };
    run.appendToList = [this](const std::string& item) { list.push_back(item); };
  }
  std::string video(const std::string& name) const {
    return (dir.path() / "videos" / name).string();
  }
  std::string read(const std::string& name) const { return dir.read("videos/" + name); }
  // The scripts in the video folder, sorted.
  std::string listing() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path() / "videos"))
      if (e.path().extension() == ".bat" || e.path().extension() == ".vbs")
        names.insert(e.path().filename().string());
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : " ") + n;
    return out;
  }
  std::string error(const Files& left, const Files& right = {}) {
    try {
      WriteChosenLaunchScripts(run, left, right);
    } catch (const AppError& e) {
      return e.what();
    }
    return "no error";
  }
};

const std::string kDesignBat = R"("D:\Players\player.exe" -n -c -f -i left-right -o left-right )";

}  // namespace

TEST(WriteLaunchScripts, OneScriptPerVideoBesideItAndListed) {
  ScriptRun r;
  WriteChosenLaunchScripts(r.run, {r.video("movie.avi"), r.video("a.b.avi"), r.video("clip")}, {});
  EXPECT_EQ(r.read("movie.bat"), kDesignBat + "\"movie.avi\"\r\n");
  EXPECT_EQ(r.read("a.b.bat"), kDesignBat + "\"a.b.avi\"\r\n");
  EXPECT_EQ(r.read("clip.bat"), kDesignBat + "\"clip\"\r\n");
  EXPECT_EQ(r.list,
            (Files{R"(..\videos\movie.bat)", R"(..\videos\a.b.bat)", R"(..\videos\clip.bat)"}));

  // The other kind for the same videos leaves both scripts; a second run appends again.
  r.run.scriptKind = 1;
  WriteChosenLaunchScripts(r.run, {r.video("movie.avi")}, {});
  EXPECT_EQ(r.read("movie.vbs"),
            "Dim return\r\nSet WSHShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
            "return=WshShell.Run(\"\"\"D:\\Players\\player.exe\"\" -n -c -f -i left-right -o "
            "left-right \"\"movie.avi\"\"\", 1, true)\r\n");
  EXPECT_EQ(r.read("movie.bat"), kDesignBat + "\"movie.avi\"\r\n");
  EXPECT_EQ(r.list.size(), 4u);
  EXPECT_EQ(r.list.back(), R"(..\videos\movie.vbs)");

  // Without "Add file(s) to the list" the scripts are written but not listed.
  r.run.addToList = false;
  WriteChosenLaunchScripts(r.run, {r.video("new.avi")}, {});
  EXPECT_FALSE(r.read("new.vbs").empty());
  EXPECT_EQ(r.list.size(), 4u);
}

TEST(WriteLaunchScripts, ChoicesThatWouldWriteOverAFileAreRefusedWhole) {
  // Two videos that give one script: the later would silently replace the earlier.
  ScriptRun r;
  r.dir.write("videos/keep.bat", "old");
  EXPECT_EQ(r.error({r.video("a.avi"), r.video("movie.avi"), r.video("movie.mkv")}),
            "Cannot create file \"" + r.video("movie.bat") + "\". The chosen files " +
                r.video("movie.avi") + " and " + r.video("movie.mkv") +
                " would both get this launch script; nothing of this choice was written");
  EXPECT_EQ(r.listing(), "keep.bat");  // not even a.bat, chosen before the clash
  EXPECT_TRUE(r.list.empty());

  // A script chosen as a video would be rewritten to play itself; in a folder holding
  // plain.avi and plain.bat, "all files" would make both one script.
  r.dir.write("videos/plain.bat", "the operator's own script");
  for (int kind : {0, 1}) {
    r.run.scriptKind = kind;
    EXPECT_EQ(r.error({r.video("plain.bat")}),
              "Cannot create file \"" + r.video(kind ? "plain.vbs" : "plain.bat") +
                  "\". The chosen file " + r.video("plain.bat") +
                  " is a launch script, not a video; nothing of this choice was written");
    EXPECT_THAT(r.error({r.video("plain.avi"), r.video("plain.bat")}),
                testing::HasSubstr("plain.bat is a launch script, not a video"));
  }
  EXPECT_THAT(r.error({r.video("x.VBS")}), testing::HasSubstr("x.VBS is a launch script"));
  // A script as the right video of a pair is no video either.
  r.run.separateLeftRight = true;
  EXPECT_THAT(r.error({r.video("l.avi")}, {r.video("r.Bat")}),
              testing::HasSubstr("r.Bat is a launch script"));
  EXPECT_EQ(r.read("plain.bat"), "the operator's own script");
  EXPECT_EQ(r.listing(), "keep.bat plain.bat");
  EXPECT_TRUE(r.list.empty());
}

TEST(WriteLaunchScripts, ScriptNamesClashByTheFileSystemsLetterCase) {
  ScriptRun r;
  const Files choice{r.video("Movie.avi"), r.video("movie.mkv")};
  if (platform::FolderNamesIgnoreCase()) {
    EXPECT_THAT(r.error(choice), testing::HasSubstr("would both get this launch script"));
    EXPECT_EQ(r.listing(), "");
  } else {
    // Two files on Linux: each keeps its own script.
    EXPECT_EQ(r.error(choice), "no error");
    EXPECT_EQ(r.listing(), "Movie.bat movie.bat");
  }
}

TEST(WriteLaunchScripts, NoFileTypeChosenWritesAWholeVbsScript) {
  ScriptRun r;
  r.run.scriptKind = -1;
  WriteChosenLaunchScripts(r.run, {r.video("movie.avi")}, {});
  EXPECT_EQ(r.listing(), "movie.vbs");
  EXPECT_TRUE(r.read("movie.vbs").starts_with("Dim return\r\n"));
  EXPECT_TRUE(r.read("movie.vbs").ends_with("\"\"movie.avi\"\"\", 1, true)\r\n"));
}

TEST(WriteLaunchScripts, PercentInBatNamesIsDoubledNotInTheLocation) {
  ScriptRun r;
  r.options.location = R"(C:\%TOOLS%\bino.exe)";
  r.options.subtitles = true;
  WriteChosenLaunchScripts(r.run, {r.video("100%.avi")}, {});
  EXPECT_EQ(r.read("100%.bat"), R"("C:\%TOOLS%\bino.exe" -n -c -f -i left-right -o left-right )"
                                R"("100%%.avi" "100%%.srt" --subtitle=1 --subtitle-size=12)"
                                "\r\n");
  r.run.scriptKind = 1;
  WriteChosenLaunchScripts(r.run, {r.video("100%.avi")}, {});
  EXPECT_NE(r.read("100%.vbs").find(R"(""100%.avi"" ""100%.srt"")"), std::string::npos);
}

TEST(WriteLaunchScripts, LeftAndRightPairByPosition) {
  ScriptRun r;
  r.options.videoInput = 1;
  r.run.separateLeftRight = true;
  std::filesystem::create_directories(r.dir.path() / "right");
  const Files right{(r.dir.path() / "right" / "r1.avi").string(),
                    (r.dir.path() / "right" / "r2.avi").string(), r.dir.file("r3.avi")};
  // Right files beyond the left ones are ignored; a right file from elsewhere is named alone.
  WriteChosenLaunchScripts(r.run, {r.video("l1.avi"), r.video("l2.avi")}, right);
  EXPECT_EQ(r.read("l2.bat"), R"("D:\Players\player.exe" -n -c -f -i separate-left-right )"
                              R"(-o left-right "l2.avi" "r2.avi")"
                              "\r\n");
  EXPECT_EQ(r.listing(), "l1.bat l2.bat");
  EXPECT_EQ(r.list, (Files{R"(..\videos\l1.bat)", R"(..\videos\l2.bat)"}));
}

TEST(WriteLaunchScripts, TooFewRightFilesStopAtTheFirstUnpairedLeftFile) {
  ScriptRun r;
  r.options.videoInput = 1;
  r.run.separateLeftRight = true;
  EXPECT_EQ(r.error({r.video("a.avi"), r.video("b.avi"), r.video("c.avi")},
                    {r.video("ra.avi"), r.video("rb.avi")}),
            "List index out of bounds (2)");
  EXPECT_EQ(r.listing(), "a.bat b.bat");
  EXPECT_EQ(r.list.size(), 2u);

  // A cancelled right dialog leaves the right selection empty.
  ScriptRun c;
  c.run.separateLeftRight = true;
  EXPECT_EQ(c.error({c.video("a.avi")}, {}), "List index out of bounds (0)");
  EXPECT_EQ(c.listing(), "");
  EXPECT_TRUE(c.list.empty());
}

TEST(WriteLaunchScripts, UnwritableScriptStopsTheRunAndKeepsEarlierScripts) {
  ScriptRun r;
  std::filesystem::create_directory(r.dir.path() / "videos" / "b.bat");
  const std::string message = r.error({r.video("a.avi"), r.video("b.avi"), r.video("c.avi")});
  EXPECT_TRUE(message.starts_with("Cannot create file \"" + r.video("b.bat") + "\". ")) << message;
  EXPECT_GT(message.size(), ("Cannot create file \"" + r.video("b.bat") + "\". ").size());
  EXPECT_EQ(r.read("a.bat"), kDesignBat + "\"a.avi\"\r\n");
  EXPECT_FALSE(std::filesystem::exists(r.dir.path() / "videos" / "c.bat"));
  EXPECT_EQ(r.list, Files{R"(..\videos\a.bat)"});

  // A missing folder fails the same way.
  EXPECT_TRUE(
      r.error({(r.dir.path() / "gone" / "x.avi").string()}).starts_with("Cannot create file"));
  EXPECT_EQ(r.list.size(), 1u);
}

TEST(WriteLaunchScripts, LineBreakInANameStopsTheRunBeforeItsScript) {
  ScriptRun r;
  const std::string hostile = "b\nrm -rf .. x.avi";
  const std::string message = r.error({r.video("a.avi"), r.video(hostile), r.video("c.avi")});
  EXPECT_EQ(message, "Cannot create file \"" + r.video("b\nrm -rf .. x.bat") +
                         "\". The video's file name holds a line break");
  EXPECT_EQ(r.listing(), "a.bat");
  EXPECT_EQ(r.list.size(), 1u);

  ScriptRun pair;
  pair.run.separateLeftRight = true;
  pair.run.scriptKind = 1;
  EXPECT_NE(pair.error({pair.video("a.avi")}, {pair.video("r\r.avi")}), "no error");
  EXPECT_EQ(pair.listing(), "");
}

TEST(WriteLaunchScripts, ScriptOnAnotherDriveIsListedWithItsFullPath) {
  if (!platform::FolderNamesIgnoreCase()) GTEST_SKIP() << "only Windows has drives";
  ScriptRun r;
  const std::string video = r.video("movie.avi");
  r.run.exePath = std::string(video[0] == 'Q' ? "R" : "Q") + R"(:\prog\quadrel.exe)";
  WriteChosenLaunchScripts(r.run, {video}, {});
  EXPECT_EQ(r.list, Files{r.video("movie.bat")});
}

TEST(WriteLaunchScripts, SPlayerRunWritesItsOwnCommandLine) {
  ScriptRun r;
  SPlayerOptions sp;
  sp.location = R"(D:\Players\player.exe)";
  sp.videoInput = 1;
  r.run.separateLeftRight = true;
  r.run.scriptKind = 1;
  r.run.buildCommandLine = [&sp](const std::string& l, const std::string& rn,
                                 const std::string& q) {
    return BuildSPlayerCommandLine(sp, l, rn, q);
  };
  WriteChosenLaunchScripts(r.run, {r.video("clipL.avi")}, {r.video("clipR.avi")});
  EXPECT_EQ(r.read("clipL.vbs"),
            "Dim return\r\nSet WSHShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
            "return=WshShell.Run(\"\"\"D:\\Players\\player.exe\"\" -left:\"\"clipL.avi\"\" "
            "-right:\"\"clipR.avi\"\" -fp -play -nl -termkey -termend -fss -ol:SideBySideLF "
            "-di:0\", 1, true)\r\n");
  EXPECT_EQ(r.list, Files{R"(..\videos\clipL.vbs)"});
}

namespace {
// Answers each dialog from a queue (an empty answer is a cancel) and records what was asked.
struct QueuedDialogs : host::FileDialogs {
  std::vector<Files> answers;
  std::vector<host::FileDialogRequest> asked;
  Files Choose(const host::FileDialogRequest& request) override {
    asked.push_back(request);
    if (answers.empty()) return {};
    Files answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};
}  // namespace

TEST(WriteLaunchScripts, DialogTitlesAndCancels) {
  ScriptRun r;
  QueuedDialogs dialogs;
  host::FileDialogRequest left{.title = "old", .multiSelect = true};
  host::FileDialogRequest right{.title = "old right", .multiSelect = true};

  // One file per video: only the left dialog, titled for plain clips; cancel writes nothing.
  WriteLaunchScripts(dialogs, left, right, r.run);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].title, "Select video clip(s)");
  EXPECT_TRUE(dialogs.asked[0].multiSelect);
  EXPECT_TRUE(dialogs.asked[0].filter.empty());
  EXPECT_EQ(r.listing(), "");

  dialogs.answers = {{r.video("a.avi"), r.video("b.avi")}};
  WriteLaunchScripts(dialogs, left, right, r.run);
  EXPECT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(r.listing(), "a.bat b.bat");

  // Separate left-right: both dialogs, each with its title; a cancelled left ends the run.
  r.run.separateLeftRight = true;
  WriteLaunchScripts(dialogs, left, right, r.run);
  EXPECT_EQ(dialogs.asked.size(), 3u);
  EXPECT_EQ(dialogs.asked[2].title, "Select left video clip(s)");
  dialogs.answers = {{r.video("c.avi")}, {r.video("cR.avi")}};
  WriteLaunchScripts(dialogs, left, right, r.run);
  ASSERT_EQ(dialogs.asked.size(), 5u);
  EXPECT_EQ(dialogs.asked[4].title, "Select right video clip(s)");
  EXPECT_EQ(r.listing(), "a.bat b.bat c.bat");

  // A cancelled right dialog: the error for position 0 and no script.
  dialogs.answers = {{r.video("d.avi")}};
  try {
    WriteLaunchScripts(dialogs, left, right, r.run);
    ADD_FAILURE() << "no error";
  } catch (const AppError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (0)");
  }
  EXPECT_EQ(r.listing(), "a.bat b.bat c.bat");
  EXPECT_EQ(r.list.size(), 3u);
}

TEST(WriteLaunchScripts, ADoubleQuoteInAnyNameRefusesTheWholeChoice) {
  ScriptRun r;
  const std::string message = r.error({r.video("a.avi"), r.video("a\"b.avi")});
  EXPECT_EQ(message, "Cannot create file \"" + r.video("a\"b.bat") + "\". The video file name " +
                         r.video("a\"b.avi") +
                         " holds a double quote (\"), which a launch script cannot carry");
  EXPECT_EQ(r.listing(), "");  // not even the script of the good name before it
  EXPECT_TRUE(r.list.empty());

  ScriptRun pair;
  pair.run.separateLeftRight = true;
  pair.run.scriptKind = 1;
  EXPECT_NE(pair.error({pair.video("l.avi")}, {pair.video("r\".avi")}).find("r\".avi holds"),
            std::string::npos);
  EXPECT_EQ(pair.listing(), "");
  EXPECT_TRUE(pair.list.empty());
}

namespace {

// The Bino window's run with a Bino 2 chosen: a command file plus a script per video.
void UseBino2(ScriptRun& r, BinoVersion version) {
  r.run.buildCommandLine = [&r, version](const std::string& l, const std::string&,
                                         const std::string& q) {
    return BuildBino2CommandLine(r.options, version, Bino2CommandFileName(l), q);
  };
  r.run.companion = [&r](const std::string& left) { return Bino2CommandFile(r.options, left); };
}

}  // namespace

TEST(WriteLaunchScripts, Bino2ScriptsStartBinoWithACommandFileBesideTheVideo) {
  ScriptRun r;
  UseBino2(r, BinoVersion::Bino2ReadCommands);
  WriteChosenLaunchScripts(r.run, {r.video("my clip 100%.avi")}, {});
  // The command interpreter turns %% back into %, so Bino gets the command file's real name.
  EXPECT_EQ(r.read("my clip 100%.bat"),
            R"("D:\Players\player.exe" --read-commands "my clip 100%%.bino")"
            "\r\n");
  EXPECT_EQ(r.read("my clip 100%.bino"),
            "set-output-mode left-right\r\nset-fullscreen on\r\n"
            "open --input left-right my%20clip%20100%25.avi\r\nset-swap-eyes off\r\n"
            "wait stop\r\nquit\r\n");
  EXPECT_EQ(r.list, (Files{R"(..\videos\my clip 100%.bat)"}));

  UseBino2(r, BinoVersion::Bino2ControlFile);
  r.run.scriptKind = 1;
  WriteChosenLaunchScripts(r.run, {r.video("b.avi")}, {});
  EXPECT_EQ(r.read("b.vbs"),
            "Dim return\r\nSet WSHShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
            "return=WshShell.Run(\"\"\"D:\\Players\\player.exe\"\" --control-file "
            "\"\"b.bino\"\"\", 1, true)\r\n");
  EXPECT_EQ(r.listing(), "b.vbs my clip 100%.bat");
}

TEST(WriteLaunchScripts, ACommandFileIsNeverWrittenOverAChosenFile) {
  ScriptRun r;
  UseBino2(r, BinoVersion::Bino2ReadCommands);
  r.dir.write("videos/old.bino", "chosen as a video");
  EXPECT_EQ(r.error({r.video("new.avi"), r.video("old.bino")}),
            "Cannot create file \"" + r.video("old.bino") + "\". It is the chosen file " +
                r.video("old.bino") + ", which the launch script of " + r.video("old.bino") +
                " would replace; nothing of this choice was written");
  EXPECT_EQ(r.read("old.bino"), "chosen as a video");
  EXPECT_EQ(r.listing(), "");
}

TEST(WriteLaunchScripts, AFailedCommandFileStopsTheRunBeforeItsScript) {
  ScriptRun r;
  UseBino2(r, BinoVersion::Bino2ReadCommands);
  // A folder where the second video's command file belongs: it cannot be written.
  std::filesystem::create_directories(r.dir.path() / "videos" / "two.bino");
  EXPECT_THAT(r.error({r.video("one.avi"), r.video("two.avi"), r.video("three.avi")}),
              testing::StartsWith("Cannot create file"));
  EXPECT_EQ(r.listing(), "one.bat");
  EXPECT_EQ(r.list, (Files{R"(..\videos\one.bat)"}));
}
