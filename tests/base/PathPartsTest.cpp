#include <gtest/gtest.h>

#include "base/PathParts.h"

TEST(ItemPath, FolderAndNameParts) {
  EXPECT_EQ(FolderPart(R"(clips\intro.bat)"), R"(clips\)");
  EXPECT_EQ(NamePart(R"(clips\intro.bat)"), "intro.bat");
  EXPECT_EQ(FolderPart("intro.avi"), "");
  EXPECT_EQ(FolderPart("C:intro.avi"), "C:");
  EXPECT_EQ(NamePart("C:intro.avi"), "intro.avi");
}

TEST(ItemPath, ProgramFilesAreNamedAfterTheExecutable) {
  EXPECT_EQ(ProgramFileName(R"(C:\Shows\show.exe)", ".LST"), R"(C:\Shows\show.LST)");
  EXPECT_EQ(ProgramFileName(R"(C:\Shows\show.v2.exe)", ".INI"), R"(C:\Shows\show.v2.INI)");
  EXPECT_EQ(ProgramFileName("/opt/shows/quadrel", ".LNG"), "/opt/shows/quadrel.LNG");
  EXPECT_EQ(ProgramFileName("/opt/v1.2/quadrel", ".LST"), "/opt/v1.2/quadrel.LST");
  EXPECT_EQ(ChangeExtension(R"(D:\v\clip)", ".bat"), R"(D:\v\clip.bat)");
  EXPECT_EQ(ChangeExtension(R"(D:\v\a.b.avi)", ".vbs"), R"(D:\v\a.b.vbs)");
}
