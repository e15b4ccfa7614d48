#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "base/AppError.h"
#include "core/players/LaunchScript.h"
#include "core/players/LaunchScriptReader.h"

using Args = std::vector<std::string>;

namespace {

VariableLookup Variables(std::map<std::string, std::string> values) {
  return [values](const std::string& name) -> std::optional<std::string> {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
  };
}

const VariableLookup kNoVariables = Variables({});

Args BatArgs(const std::string& content, const VariableLookup& lookup = kNoVariables) {
  const auto commands = ParseBatScript(content, "C:\\clips\\movie.bat", lookup);
  EXPECT_EQ(commands.size(), 1u);
  return commands.empty() ? Args{} : commands[0].args;
}

}  // namespace

TEST(SplitWindowsCommandLine, FollowsTheStartUpCodeRules) {
  EXPECT_EQ(SplitWindowsCommandLine(R"("D:\Players\player.exe" -n "movie.avi")"),
            (Args{R"(D:\Players\player.exe)", "-n", "movie.avi"}));
  // Blanks inside quotes; quotes in the middle of an argument group only.
  EXPECT_EQ(SplitWindowsCommandLine(R"(C:\p.exe "a b"  c"d e"f	g)"),
            (Args{R"(C:\p.exe)", "a b", "cd ef", "g"}));
  // "" inside a quoted part is one quote; an empty quoted argument stays an argument.
  EXPECT_EQ(SplitWindowsCommandLine(R"(p "say ""hi""" "")"), (Args{"p", R"(say "hi")", ""}));
  // Backslashes escape only a following quote.
  EXPECT_EQ(SplitWindowsCommandLine(R"(p a\\b \"x\" "c:\dir\\" \\\"y)"),
            (Args{"p", R"(a\\b)", R"("x")", R"(c:\dir\)", R"(\"y)"}));
  // The program name keeps its backslashes even before a quote.
  EXPECT_EQ(SplitWindowsCommandLine(R"("C:\My Player\"x)"), (Args{R"(C:\My Player\x)"}));
  EXPECT_EQ(SplitWindowsCommandLine("   "), Args{});
  // High bytes pass unchanged.
  EXPECT_EQ(SplitWindowsCommandLine("p \"caf\xe9 \xc3\xa9.avi\""),
            (Args{"p", "caf\xe9 \xc3\xa9.avi"}));
}

TEST(ExpandBatchLine, ExpandsLikeTheCommandInterpreter) {
  const auto lookup = Variables({{"PLAYERS", R"(D:\Players)"}, {"EMPTY", ""}});
  const std::string script = R"(C:\clips\movie.bat)";
  EXPECT_EQ(ExpandBatchLine(R"("%PLAYERS%\p.exe" "50%%.avi")", script, lookup),
            R"("D:\Players\p.exe" "50%.avi")");
  EXPECT_EQ(ExpandBatchLine("a%UNSET%b%EMPTY%c", script, lookup), "abc");
  EXPECT_EQ(ExpandBatchLine("%0 %1 %* x", script, lookup), script + "   x");
  EXPECT_EQ(ExpandBatchLine("100% sure", script, lookup), "100 sure");
  EXPECT_EQ(ExpandBatchLine("%%%%", script, lookup), "%%");
}

TEST(ParseBatScript, ReadsTheGeneratedLine) {
  // As the player windows write it, with a '%' in the video name doubled.
  const std::string name = ScriptFileName("50% off.avi", ScriptKind::Bat);
  const std::string text = LaunchScriptText(
      "\"D:\\Players\\player.exe\" -n -c -f -i left-right -o left-right \"" + name + "\"",
      ScriptKind::Bat);
  EXPECT_EQ(BatArgs(text), (Args{R"(D:\Players\player.exe)", "-n", "-c", "-f", "-i", "left-right",
                                 "-o", "left-right", "50% off.avi"}));
  // An empty location gives an empty program name: a clear error, not a start.
  EXPECT_THROW(ParseBatScript("\"\" -n \"movie.avi\"\r\n", "x.bat", kNoVariables), AppError);
}

TEST(ParseBatScript, SkipsWhatIsNoCommandAndRefusesShellOperators) {
  const auto commands = ParseBatScript(
      "@echo off\r\nrem a comment\r\n:: another\r\n\r\n:label\r\n@\"first\" 1\r\nsecond ^& 2\r\n",
      "x.bat", kNoVariables);
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].args, (Args{"first", "1"}));
  EXPECT_EQ(commands[1].args, (Args{"second", "&", "2"}));
  EXPECT_TRUE(commands[0].wait);
  // Inside quotes the operators are ordinary characters.
  EXPECT_EQ(BatArgs("p \"a & b | c > d\"\r\n"), (Args{"p", "a & b | c > d"}));
  for (const char* line : {"p a & q", "p a | q", "p > out.txt", "p < in.txt"})
    EXPECT_THROW(ParseBatScript(line, "x.bat", kNoVariables), AppError) << line;
  EXPECT_THROW(ParseBatScript("@echo off\r\nrem nothing\r\n", "x.bat", kNoVariables), AppError);
  EXPECT_THROW(ParseBatScript("", "x.bat", kNoVariables), AppError);
  try {
    ParseBatScript("p a | q", "C:\\x.bat", kNoVariables);
  } catch (const AppError& error) {
    EXPECT_THAT(error.what(), testing::HasSubstr("C:\\x.bat"));
  }
}

TEST(ParseVbsScript, ReadsTheGeneratedThreeLines) {
  const std::string commandLine =
      R"(""D:\Players\player.exe"" -n -c -f -i left-right -o left-right ""movie 100%.avi"")";
  const auto commands =
      ParseVbsScript(LaunchScriptText(commandLine, ScriptKind::Vbs), "C:\\clips\\movie.vbs");
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].args, (Args{R"(D:\Players\player.exe)", "-n", "-c", "-f", "-i",
                                    "left-right", "-o", "left-right", "movie 100%.avi"}));
  EXPECT_TRUE(commands[0].wait);
}

TEST(ParseVbsScript, ReadsTheWaitArgumentAndRefusesOtherCode) {
  auto waitOf = [](const std::string& line) {
    return ParseVbsScript("Set o = CreateObject(\"WScript.Shell\")\n" + line, "x.vbs").at(0).wait;
  };
  EXPECT_TRUE(waitOf(R"(o.Run("p", 1, True))"));
  EXPECT_TRUE(waitOf(R"(Call o.run ("p", 1, -1))"));
  EXPECT_FALSE(waitOf(R"(o.Run("p", 1, false))"));
  EXPECT_FALSE(waitOf(R"(o.Run("p", 1, 0))"));
  EXPECT_FALSE(waitOf(R"(o.Run "p")"));  // VBScript does not wait unless told to
  EXPECT_EQ(ParseVbsScript(R"(x=o.Run("""a b"" ""c""""d""", 1, true))", "x.vbs").at(0).args,
            (Args{"a b", R"(c"d)"}));
  for (const char* script : {"MsgBox \"hi\"", "x=o.Run(\"p\", 1, maybe)", "x=o.Run(\"p, 1, true)",
                             "x=o.Run(p, 1, true)", "Dim return\r\n", "x=o.Run(\"\", 1, true)"})
    EXPECT_THROW(ParseVbsScript(script, "x.vbs"), AppError) << script;
}

TEST(ParseVbsScript, RunExpandsVariablesAsScriptHostDoes) {
  const auto lookup = Variables({{"ProgramFiles", "C:\\Program Files"}, {"QV", "2"}});
  const std::string script =
      "Set WshShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
      "WshShell.Run(\"\"\"%ProgramFiles%\\Bino\\pl%QV%.exe\"\" -n \"\"a%QV%b.avi\"\"\", 1, "
      "true)\r\n";
  const auto commands = ParseVbsScript(script, "C:\\clips\\movie.vbs", lookup);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].args, (Args{"C:\\Program Files\\Bino\\pl2.exe", "-n", "a2b.avi"}));
  // A name that is not defined stays as written, and so do %% and a lone %.
  EXPECT_EQ(ExpandScriptHostText("%NOPE%QV%", lookup), "%NOPE%QV%");
  EXPECT_EQ(ExpandScriptHostText("%NOPE% %QV%", lookup), "%NOPE% 2");
  EXPECT_EQ(ExpandScriptHostText("100%% 50% x", lookup), "100%% 50% x");
  EXPECT_EQ(ExpandScriptHostText("a%QV%%QV%", lookup), "a22");
  // The .bat reader differs: there an undefined name is dropped and %% is one %.
  EXPECT_EQ(ExpandBatchLine("%NOPE%x 100%%", "m.bat", lookup), "x 100%");
}
