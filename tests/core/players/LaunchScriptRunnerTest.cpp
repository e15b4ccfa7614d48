#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/AsciiCase.h"
#include "core/players/LaunchScriptRunner.h"

TEST(ResolveScriptProgram, LooksWhereTheCommandInterpreterWould) {
  const std::set<std::string> programs = {"/show/clips/local", "/usr/bin/player",
                                          "/show/clips/bin/tool", "/opt/p/player.exe",
                                          "/usr/local/bin/local"};
  auto isProgram = [&](const std::string& path) { return programs.count(path) > 0; };
  auto resolve = [&](const std::string& name) {
    return ResolveScriptProgram(name, "/show/clips/", "/usr/local/bin::/usr/bin", isProgram);
  };
  EXPECT_EQ(resolve("local"), "/show/clips/local");  // working folder before the search path
  EXPECT_EQ(resolve("player"), "/usr/bin/player");
  EXPECT_EQ(resolve(R"(bin\tool)"), "/show/clips/bin/tool");  // Windows separators
  EXPECT_EQ(resolve(R"(\opt\p\player.exe)"), "/opt/p/player.exe");
  EXPECT_EQ(resolve(R"(D:\Players\player.exe)"), "");  // a drive has no meaning here
  EXPECT_EQ(resolve("missing"), "");
  EXPECT_EQ(resolve(""), "");
}

TEST(ResolveWindowsScriptProgram, LooksWhereTheCommandInterpreterWould) {
  // Names compare without letter case, as on the Windows file systems.
  const std::set<std::string> files = {R"(c:\show\clips\local.exe)",    R"(c:\tools\player.exe)",
                                       R"(c:\show\clips\bin\tool.bat)", R"(d:\players\p.exe)",
                                       R"(c:\tools\both.com)",          R"(c:\tools\both.exe)",
                                       R"(c:\quoted folder\q.exe)",     R"(c:\show\clips\plain)"};
  auto isFile = [&](const std::string& path) { return files.count(AsciiLowered(path)) > 0; };
  auto resolve = [&](const std::string& name) {
    return ResolveWindowsScriptProgram(name, R"(C:\show\clips\)", R"(C:\Tools;;"C:\Quoted Folder")",
                                       ".COM;.EXE;.BAT", isFile);
  };
  EXPECT_EQ(resolve("local"), R"(C:\show\clips\local.EXE)");  // working folder first
  EXPECT_EQ(resolve("player"), R"(C:\Tools\player.EXE)");     // then PATH, with PATHEXT
  EXPECT_EQ(resolve("both"), R"(C:\Tools\both.COM)");         // in PATHEXT's order
  EXPECT_EQ(resolve("q"), R"(C:\Quoted Folder\q.EXE)");       // quotes of a PATH entry dropped
  EXPECT_EQ(resolve(R"(bin\tool)"), R"(C:\show\clips\bin\tool.BAT)");
  EXPECT_EQ(resolve(R"(D:\Players\p.exe)"), R"(D:\Players\p.exe)");  // a full name as it stands
  EXPECT_EQ(resolve(R"(D:\Players\p)"), R"(D:\Players\p.EXE)");
  EXPECT_EQ(resolve("plain"), "");          // without extension only PATHEXT's are tried
  EXPECT_EQ(resolve(R"(bin\player)"), "");  // a name with a folder is not looked for along PATH
  EXPECT_EQ(resolve(""), "");
}
