#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <tuple>

#include "TempDir.h"
#include "core/check/ShowCheck.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

namespace fs = std::filesystem;
using testing::HasSubstr;

namespace {

std::string LowerExtension(const std::string& file) {
  const auto dot = file.find_last_of('.');
  std::string extension = dot == std::string::npos ? "" : file.substr(dot);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

// Real files in a temporary folder; the type associations, the program search and the
// environment are the test's own, so the cases behave alike on every system.
struct FakeSystem {
  bool scriptsBuiltIn = true;
  std::set<std::string> programs;  // names a script's program may have
  std::map<std::string, std::string> variables;
  std::vector<std::pair<std::string, std::string>> programLookups;  // name, working folder
  int typeLookups = 0;

  CheckSystem Get() {
    CheckSystem system;
    system.pathState = platform::StateOfPath;
    system.readFile = [](const std::string& file) { return platform::ReadWholeFile(file); };
    system.howFileOpens = [this](const std::string& file) {
      ++typeLookups;
      const std::string extension = LowerExtension(file);
      if (extension == ".exe") return platform::FileOpening{platform::OpenWay::Program, {}, {}, {}};
      if ((extension == ".bat" || extension == ".vbs") && scriptsBuiltIn)
        return platform::FileOpening{platform::OpenWay::LaunchScript, {}, {}, {}};
      if (extension == ".xyz")
        return platform::FileOpening{platform::OpenWay::ByType, "application/x-xyz", "XYZ data",
                                     ""};
      if (extension.empty()) return platform::FileOpening{platform::OpenWay::ByType, "", "", ""};
      if (extension == ".gone")
        return platform::FileOpening{platform::OpenWay::Program,
                                     {},
                                     {},
                                     {},
                                     platform::StartProblem::MissingInterpreter,
                                     "The interpreter \"/no/sh\" named in its first line (#!) "
                                     "does not exist"};
      if (extension == ".txt")
        return platform::FileOpening{platform::OpenWay::ByType,
                                     "text/plain",
                                     "plain text",
                                     "Vim",
                                     platform::StartProblem::NoApplication,
                                     "The application \"Vim\" for this type of file cannot be "
                                     "started: it runs in a terminal"};
      return platform::FileOpening{platform::OpenWay::ByType, "video/x-" + extension.substr(1), "",
                                   "Player"};
    };
    system.findScriptProgram = [this](const std::string& name, const std::string& folder) {
      programLookups.emplace_back(name, folder);
      return programs.count(name) ? folder + name : std::string();
    };
    system.variable = [this](const std::string& name) -> std::optional<std::string> {
      const auto found = variables.find(name);
      if (found == variables.end()) return std::nullopt;
      return found->second;
    };
    return system;
  }
};

// A show folder: the presenter in app/, items below it and beside it.
struct ShowFolder {
  TempDir dir;
  std::string exe;
  ShowFolder() {
    fs::create_directories(dir.path() / "app" / "clips");
    fs::create_directories(dir.path() / "media");
    exe = dir.file("app") + platform::ToNativeSeparators("\\quadrel");
  }
  void Write(const std::string& name, const std::string& bytes = "x") const {
    dir.write(platform::ToNativeSeparators(name), bytes);
  }
  // The native path of `item`, as the presenter starts it.
  std::string Native(const std::string& item) const {
    return dir.file("app") + platform::ToNativeSeparators("\\" + item);
  }
};

using Row = std::tuple<size_t, CheckKind, CheckSeverity>;

std::vector<Row> Rows(const std::vector<CheckFinding>& findings) {
  std::vector<Row> rows;
  for (const auto& finding : findings)
    rows.emplace_back(finding.position, finding.kind, finding.severity);
  return rows;
}

constexpr auto kError = CheckSeverity::Error;
constexpr auto kInfo = CheckSeverity::Info;

}  // namespace

TEST(CheckShowList, CleanListHasNoFindings) {
  ShowFolder show;
  FakeSystem fake;
  fake.programs = {"player.exe"};
  show.Write("app\\clips\\intro.avi");
  show.Write("app\\run.exe");
  show.Write("media\\far.avi");
  show.Write("app\\clips\\movie.avi");
  show.Write("app\\clips\\movie.srt");
  show.Write("app\\clips\\movie.bat",
             "\"player.exe\" -n -c -f -i left-right -o left-right \"movie.avi\" \"movie.srt\" "
             "--subtitle=1 --subtitle-size=12\r\n");
  // Items are relative to the program's folder, or full paths standing as they are.
  const std::string full = platform::ToItemSeparators(show.dir.file("media") +
                                                      platform::ToNativeSeparators("\\far.avi"));
  const std::vector<std::string> items = {"clips\\intro.avi", "run.exe", "..\\media\\far.avi", full,
                                          "clips\\movie.bat"};
  const auto findings = CheckShowList(show.exe, items, fake.Get());
  EXPECT_TRUE(findings.empty()) << findings.front().detail;
  EXPECT_FALSE(HasErrors(findings));
  // The script's program is looked for from the script's own folder, as the runner starts it.
  ASSERT_EQ(fake.programLookups.size(), 1u);
  EXPECT_EQ(fake.programLookups[0].second, show.Native("clips\\"));
}

TEST(CheckShowList, ReportsEveryKindOfProblemInListOrder) {
  ShowFolder show;
  FakeSystem fake;
  fake.programs = {"player.exe"};
  fs::create_directories(show.dir.path() / "app" / "stage");
  show.Write("app\\data.xyz");
  show.Write("app\\noextension");
  show.Write("app\\clips\\a.avi");
  show.Write("app\\clips\\lost.bat", "\"gone.exe\" \"a.avi\"\r\n");
  show.Write("app\\clips\\pair.vbs",
             "Dim return\r\nSet WSHShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
             "return=WshShell.Run(\"\"\"player.exe\"\" -left:\"\"a.avi\"\" "
             "-right:\"\"b.avi\"\"\", 1, true)\r\n");
  show.Write("app\\clips\\piped.bat", "player.exe a.avi | more\r\n");

  const std::vector<std::string> items = {
      "missing.avi",      // 1
      "stage",            // 2
      "",                 // 3
      "data.xyz",         // 4
      "noextension",      // 5
      "clips\\lost.bat",  // 6
      "clips\\pair.vbs",  // 7
      "clips\\piped.bat"  // 8
  };
  const auto findings = CheckShowList(show.exe, items, fake.Get());
  EXPECT_EQ(Rows(findings), (std::vector<Row>{{1, CheckKind::MissingFile, kError},
                                              {2, CheckKind::Folder, kError},
                                              {3, CheckKind::EmptyItem, kError},
                                              {4, CheckKind::NoApplication, kError},
                                              {5, CheckKind::NoApplication, kError},
                                              {6, CheckKind::MissingProgram, kError},
                                              {7, CheckKind::MissingVideo, kError},
                                              {8, CheckKind::UnreadableScript, kError}}));
  EXPECT_TRUE(HasErrors(findings));
  ASSERT_EQ(findings.size(), 8u);
  EXPECT_EQ(findings[0].item, "missing.avi");
  EXPECT_THAT(findings[0].detail, HasSubstr(show.Native("missing.avi")));
  EXPECT_THAT(findings[1].detail, HasSubstr("folder"));
  EXPECT_EQ(findings[2].item, "");
  EXPECT_THAT(findings[3].detail, HasSubstr("(XYZ data, application/x-xyz)"));
  EXPECT_THAT(findings[4].detail, HasSubstr("without extension"));
  EXPECT_THAT(findings[5].detail, HasSubstr("\"gone.exe\""));
  EXPECT_THAT(findings[6].detail, HasSubstr("\"b.avi\""));
  EXPECT_THAT(findings[6].detail, HasSubstr(show.Native("clips\\b.avi")));
  EXPECT_THAT(findings[7].detail, HasSubstr("'|'"));
  for (const auto& finding : findings) EXPECT_EQ(finding.item, items[finding.position - 1]);
}

TEST(CheckShowList, RepeatedItemsAreNotesAndAreLookedAtOnce) {
  ShowFolder show;
  FakeSystem fake;
  show.Write("app\\a.avi");
  const auto findings =
      CheckShowList(show.exe, {"a.avi", "b.avi", "a.avi", "", "", "b.avi", "a.avi"}, fake.Get());
  EXPECT_EQ(Rows(findings), (std::vector<Row>{{2, CheckKind::MissingFile, kError},
                                              {3, CheckKind::Duplicate, kInfo},
                                              {4, CheckKind::EmptyItem, kError},
                                              {5, CheckKind::EmptyItem, kError},
                                              {6, CheckKind::Duplicate, kInfo},
                                              {6, CheckKind::MissingFile, kError},
                                              {7, CheckKind::Duplicate, kInfo}}));
  EXPECT_THAT(findings[1].detail, HasSubstr("position 1"));
  EXPECT_THAT(findings[4].detail, HasSubstr("position 2"));
  EXPECT_THAT(findings[6].detail, HasSubstr("position 1"));
  EXPECT_EQ(fake.typeLookups, 1);  // a.avi once; b.avi is missing

  // Repeats alone stop nothing.
  const auto notes = CheckShowList(show.exe, {"a.avi", "a.avi"}, fake.Get());
  EXPECT_EQ(Rows(notes), (std::vector<Row>{{2, CheckKind::Duplicate, kInfo}}));
  EXPECT_FALSE(HasErrors(notes));
}

TEST(CheckShowList, ReadsScriptsWithThePresentersReader) {
  ShowFolder show;
  FakeSystem fake;
  fake.programs = {"D:\\Players\\player.exe"};
  fake.variables = {{"PLAYERS", "D:\\Players"}};
  // Written by the Bino window: '%' of a name doubled, option values standing apart.
  show.Write("app\\clips\\100%.avi");
  show.Write(
      "app\\clips\\bino.bat",
      "\"%PLAYERS%\\player.exe\" -n --ghostbust=0.5 -i left-right -o left-right \"100%%.avi\" "
      "\"100%%.srt\" --subtitle=1\r\n");
  // Stereoscopic Player: -file: names the video; .vbs doubles its quotes.
  show.Write("app\\clips\\sp.vbs",
             "Dim return\r\nSet WSHShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
             "return=WshShell.Run(\"\"\"D:\\Players\\player.exe\"\" -file:\"\"sp movie.avi\"\" "
             "-il:1 -ol:2\", 1, true)\r\n");
  const auto findings = CheckShowList(show.exe, {"clips\\bino.bat", "clips\\sp.vbs"}, fake.Get());
  EXPECT_EQ(Rows(findings), (std::vector<Row>{{1, CheckKind::MissingVideo, kError},
                                              {2, CheckKind::MissingVideo, kError}}));
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_THAT(findings[0].detail, HasSubstr("subtitle file \"100%.srt\""));
  EXPECT_THAT(findings[1].detail, HasSubstr("video \"sp movie.avi\""));
  ASSERT_EQ(fake.programLookups.size(), 2u);
  EXPECT_EQ(fake.programLookups[0].first, "D:\\Players\\player.exe");
}

TEST(CheckShowList, ScriptsTheSystemRunsItselfAreOnlyNotedWhenTheReaderCannotRunThem) {
  ShowFolder show;
  FakeSystem fake;
  fake.scriptsBuiltIn = false;  // as on Windows: the command interpreter runs .bat files
  fake.programs = {"player.exe"};
  show.Write("app\\a.avi");
  show.Write("app\\piped.bat", "player.exe a.avi | more\r\n");
  show.Write("app\\lost.bat", "\"gone.exe\" \"a.avi\"\r\n");
  const auto findings = CheckShowList(show.exe, {"piped.bat", "lost.bat"}, fake.Get());
  EXPECT_EQ(Rows(findings), (std::vector<Row>{{1, CheckKind::UnreadableScript, kInfo},
                                              {2, CheckKind::MissingProgram, kError}}));
}

TEST(CheckShowList, FollowsABino2ScriptIntoItsCommandFile) {
  ShowFolder show;
  FakeSystem fake;
  fake.programs = {"bino.exe"};
  const std::string commands =
      "set-output-mode left-right\r\nset-fullscreen on\r\n"
      "open --input left-right my%20clip%20100%25.avi\r\nwait stop\r\nquit\r\n";
  // Played: the command file and its (decoded) video are in the script's folder.
  show.Write("app\\clips\\my clip 100%.avi");
  show.Write("app\\clips\\good.bino", commands);
  show.Write("app\\clips\\good.bat", "\"bino.exe\" --read-commands \"good.bino\"\r\n");
  // The command file is missing.
  show.Write("app\\clips\\lost.vbs",
             "Dim return\r\nSet WSHShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
             "return=WshShell.Run(\"\"\"bino.exe\"\" --control-file \"\"lost.bino\"\"\", 1, "
             "true)\r\n");
  // The command file opens a video that is not there, and never quits.
  show.Write("app\\clips\\stuck.bino", "open gone%20away.avi\r\nwait stop\r\n");
  show.Write("app\\clips\\stuck.bat", "\"bino.exe\" --read-commands=stuck.bino\r\n");
  const auto findings = CheckShowList(
      show.exe, {"clips\\good.bat", "clips\\lost.vbs", "clips\\stuck.bat"}, fake.Get());
  EXPECT_EQ(Rows(findings), (std::vector<Row>{{2, CheckKind::CommandFile, kError},
                                              {3, CheckKind::MissingVideo, kError},
                                              {3, CheckKind::CommandFile, kError}}));
  ASSERT_EQ(findings.size(), 3u);
  EXPECT_THAT(findings[0].detail, HasSubstr("command file \"lost.bino\" is not in the script's"));
  EXPECT_THAT(findings[1].detail, HasSubstr("video \"gone away.avi\""));
  EXPECT_THAT(findings[2].detail, HasSubstr("never quits"));
  EXPECT_STREQ(CheckKindName(CheckKind::CommandFile), "command-file");
}

TEST(CheckShowList, RefusesWhatTheShellRefusesWithItsReason) {
  ShowFolder show;
  FakeSystem fake;
  show.Write("app\\run.gone");
  show.Write("app\\notes.txt");
  const auto findings = CheckShowList(show.exe, {"run.gone", "notes.txt"}, fake.Get());
  EXPECT_EQ(Rows(findings), (std::vector<Row>{{1, CheckKind::MissingInterpreter, kError},
                                              {2, CheckKind::NoApplication, kError}}));
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_EQ(findings[0].detail,
            "The interpreter \"/no/sh\" named in its first line (#!) does not exist");
  EXPECT_THAT(findings[1].detail, HasSubstr("\"Vim\""));
  EXPECT_STREQ(CheckKindName(CheckKind::MissingInterpreter), "missing-interpreter");
}

TEST(ListCutFinding, NamesTheLineAndTheLostRest) {
  using namespace std::string_literals;
  const ShowListContent cut = ParseShowListContent("a.sh\r\nb\0c.sh\r\n"s);
  ASSERT_TRUE(cut.cut);
  const CheckFinding finding = ListCutFinding(*cut.cut, cut.items);
  EXPECT_EQ(finding.position, 2u);
  EXPECT_EQ(finding.item, "b");
  EXPECT_EQ(finding.kind, CheckKind::ListCut);
  EXPECT_EQ(finding.severity, kError);
  EXPECT_EQ(finding.detail,
            "a NUL byte in line 2 ends the list: the presenter reads only the 2 items before it, "
            "and the rest of the file (7 bytes) never plays");
  // A NUL at a line's start: the finding stands at a line that is no item.
  const ShowListContent atStart = ParseShowListContent("a\r\n\0"s);
  EXPECT_EQ(ListCutFinding(*atStart.cut, atStart.items).position, 2u);
  EXPECT_EQ(ListCutFinding(*atStart.cut, atStart.items).item, "");
  EXPECT_STREQ(CheckKindName(CheckKind::ListCut), "list-cut");
}

TEST(NativeCheckSystem, AnswersAsThisSystemsShell) {
  TempDir dir;
  fs::create_directories(dir.path() / "stage" / "bin");
  const CheckSystem system = NativeCheckSystem();
  EXPECT_EQ(system.pathState(dir.file("none")).kind, platform::PathKind::Missing);
  EXPECT_FALSE(system.pathState(dir.file("none")).reason.empty());
  EXPECT_EQ(system.pathState(dir.file("stage")).kind, platform::PathKind::Folder);

  // A program: the execute bit here, the extension on Windows.
  dir.write("stage/bin/player.exe", "MZ");
  fs::permissions(dir.path() / "stage" / "bin" / "player.exe", fs::perms::owner_all);
  const std::string program = (dir.path() / "stage" / "bin" / "player.exe").string();
  EXPECT_EQ(system.pathState(program).kind, platform::PathKind::File);
  EXPECT_EQ(system.howFileOpens(program).way, platform::OpenWay::Program);

  // A script's program with a folder is found from the working folder, in either separator.
  const std::string stage = dir.file("stage") + platform::ToNativeSeparators("\\");
  EXPECT_FALSE(system.findScriptProgram("bin\\player.exe", stage).empty());
  EXPECT_TRUE(system.findScriptProgram("bin\\absent.exe", stage).empty());
  EXPECT_TRUE(system.findScriptProgram("quadrel-no-such-program.exe", stage).empty());

  dir.write("stage/show.BAT", "player.exe\r\n");
  const auto script = system.howFileOpens(dir.file("stage/show.BAT")).way;
  if (platform::NativePathRules() != platform::PathRules::Windows) {
    EXPECT_EQ(script, platform::OpenWay::LaunchScript);
    return;  // the desktop's associations are the end-to-end test's
  }
  EXPECT_EQ(script, platform::OpenWay::Program);  // the shell starts batch files itself
  dir.write("notes.txt", "x");
  dir.write("data.quadrel-no-such-type", "x");
  const auto text = system.howFileOpens(dir.file("notes.txt"));
  EXPECT_EQ(text.way, platform::OpenWay::ByType);
  EXPECT_EQ(text.type, ".txt");
  EXPECT_FALSE(text.application.empty());
  EXPECT_TRUE(system.howFileOpens(dir.file("data.quadrel-no-such-type")).application.empty());
}
