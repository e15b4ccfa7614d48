#include <gtest/gtest.h>

#include <filesystem>

#include "base/PathParts.h"
#include "platform/ExePath.h"

TEST(ExecutablePath, NamesThisTestProgramInFull) {
  const std::string exe = platform::ExecutablePath();
  ASSERT_FALSE(exe.empty());
  EXPECT_TRUE(std::filesystem::path(exe).is_absolute()) << exe;
  EXPECT_TRUE(std::filesystem::exists(exe)) << exe;
  const std::string name = NamePart(exe);
  EXPECT_EQ(name.substr(0, name.find('.')), "quadrel_core_tests");
  // The files beside the program take its name with another extension.
  EXPECT_EQ(ProgramFileName(exe, ".LST"), FolderPart(exe) + "quadrel_core_tests.LST");
}
