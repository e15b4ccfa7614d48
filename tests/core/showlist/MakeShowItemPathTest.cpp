#include <gtest/gtest.h>

#include "core/showlist/MakeShowItemPath.h"
#include "platform/PathStyle.h"

TEST(MakeShowItemPath, FollowsTheProgramFolder) {
  const std::string exe = R"(C:\Shows\show.exe)";
  EXPECT_EQ(MakeShowItemPath(exe, R"(C:\Shows\intro.avi)"), R"(intro.avi)");
  EXPECT_EQ(MakeShowItemPath(exe, R"(C:\Shows\clips\intro.avi)"), R"(clips\intro.avi)");
  EXPECT_EQ(MakeShowItemPath(exe, R"(c:\SHOWS\Clips\intro.avi)"), R"(Clips\intro.avi)");
  EXPECT_EQ(MakeShowItemPath(exe, R"(C:\Media\intro.avi)"), R"(..\Media\intro.avi)");
  EXPECT_EQ(MakeShowItemPath(exe, R"(C:\intro.avi)"), R"(..\intro.avi)");
  EXPECT_EQ(MakeShowItemPath(exe, R"(D:\Media\intro.avi)"), R"(D:\Media\intro.avi)");
  EXPECT_EQ(MakeShowItemPath(exe, R"(\\server\films\intro.avi)"), R"(\\server\films\intro.avi)");
}

TEST(MakeShowItemPath, SharesAndDeepFolders) {
  const std::string exe = R"(\\server\films\shows\show.exe)";
  EXPECT_EQ(MakeShowItemPath(exe, R"(\\SERVER\Films\clips\a.avi)"), R"(..\clips\a.avi)");
  EXPECT_EQ(MakeShowItemPath(exe, R"(\\server\other\a.avi)"), R"(\\server\other\a.avi)");
  EXPECT_EQ(MakeShowItemPath(exe, R"(C:\a.avi)"), R"(C:\a.avi)");
  EXPECT_EQ(MakeShowItemPath(R"(C:\a\b\c\show.exe)", R"(C:\a\x\y\z.bat)"), R"(..\..\x\y\z.bat)");
  EXPECT_EQ(MakeShowItemPath(R"(C:\show.exe)", R"(C:\a\b.bat)"), R"(a\b.bat)");
}

TEST(MakeShowItemPath, LetterCaseOfFolderNamesFollowsTheRule) {
  const std::string exe = R"(\home\op\Show\quadrel)";
  EXPECT_EQ(MakeShowItemPath(exe, R"(\home\op\show\a.avi)", FolderCase::Sensitive),
            R"(..\show\a.avi)");
  EXPECT_EQ(MakeShowItemPath(exe, R"(\home\op\show\a.avi)", FolderCase::Insensitive), "a.avi");
}

TEST(MakeShowItemPath, NativePathsOfThisSystem) {
  const std::string exe = platform::ToNativeSeparators(R"(\opt\shows\quadrel)");
  if (platform::FolderNamesIgnoreCase()) GTEST_SKIP() << "Windows paths are covered above";
  EXPECT_EQ(MakeNativeShowItemPath("/opt/shows/quadrel", "/opt/shows/clips/a b.avi"),
            R"(clips\a b.avi)");
  EXPECT_EQ(MakeNativeShowItemPath("/opt/shows/quadrel", "/media/usb/x.bat"),
            R"(..\..\media\usb\x.bat)");
  EXPECT_EQ(exe, "/opt/shows/quadrel");
}

TEST(MakeShowItemPath, ColonsArePartOfPosixNames) {
  const std::string exe = R"(\opt\shows\quadrel)";
  const auto posix = [&](const std::string& file) {
    return MakeShowItemPath(exe, file, FolderCase::Sensitive, platform::PathRules::Posix);
  };
  EXPECT_EQ(posix(R"(\opt\shows\Film: part 2.avi)"), "Film: part 2.avi");
  EXPECT_EQ(posix(R"(\opt\a:b\c:d.avi)"), R"(..\a:b\c:d.avi)");
  EXPECT_EQ(posix(R"(\:x\clip.avi)"), R"(..\..\:x\clip.avi)");
  // Under Windows rules the colon still ends a drive name.
  EXPECT_EQ(MakeShowItemPath(R"(C:\Shows\show.exe)", R"(D:clip.avi)"), "D:clip.avi");
}
