#include <gtest/gtest.h>

#include "core/show/ItemLaunch.h"

using platform::PathRules;

namespace {
void ExpectLaunch(const ItemLaunch& launch, const std::string& file, const std::string& folder) {
  EXPECT_EQ(launch.file, file);
  EXPECT_EQ(launch.folder, folder);
}
}  // namespace

TEST(ComposeItemLaunch, RelativeItemsJoinTheProgramFolder) {
  const std::string exe = R"(C:\Show\presenter.exe)";
  ExpectLaunch(ComposeItemLaunch(exe, R"(clips\intro.bat)", PathRules::Windows),
               R"(C:\Show\clips\intro.bat)", R"(C:\Show\clips\)");
  ExpectLaunch(ComposeItemLaunch(exe, "intro.avi", PathRules::Windows), R"(C:\Show\intro.avi)",
               R"(C:\Show\)");
  ExpectLaunch(ComposeItemLaunch(exe, R"(..\videos\a b.avi)", PathRules::Windows),
               R"(C:\Show\..\videos\a b.avi)", R"(C:\Show\..\videos\)");
  // The same items on a POSIX system, still in item form.
  const std::string posixExe = R"(\opt\show\quadrel)";
  ExpectLaunch(ComposeItemLaunch(posixExe, R"(clips\intro.bat)", PathRules::Posix),
               R"(\opt\show\clips\intro.bat)", R"(\opt\show\clips\)");
  ExpectLaunch(ComposeItemLaunch(posixExe, R"(..\..\media\x.avi)", PathRules::Posix),
               R"(\opt\show\..\..\media\x.avi)", R"(\opt\show\..\..\media\)");
  // An empty item names the program folder itself; the shell reports it as a folder.
  ExpectLaunch(ComposeItemLaunch(exe, "", PathRules::Windows), R"(C:\Show\)", R"(C:\Show\)");
}

TEST(ComposeItemLaunch, FullPathItemsStartAsTheyStand) {
  const std::string exe = R"(C:\Show\presenter.exe)";
  ExpectLaunch(ComposeItemLaunch(exe, R"(D:\Media\intro.avi)", PathRules::Windows),
               R"(D:\Media\intro.avi)", R"(D:\Media\)");
  ExpectLaunch(ComposeItemLaunch(exe, R"(\\server\share\clip.vbs)", PathRules::Windows),
               R"(\\server\share\clip.vbs)", R"(\\server\share\)");
  ExpectLaunch(
      ComposeItemLaunch(R"(\opt\show\quadrel)", R"(\media\usb\intro.sh)", PathRules::Posix),
      R"(\media\usb\intro.sh)", R"(\media\usb\)");
  // A drive letter means nothing on POSIX, and ':' is an ordinary character of names there.
  ExpectLaunch(ComposeItemLaunch(R"(\opt\show\quadrel)", R"(D:\x.avi)", PathRules::Posix),
               R"(\opt\show\D:\x.avi)", R"(\opt\show\D:\)");
  ExpectLaunch(ComposeItemLaunch(R"(\opt\show\quadrel)", "a:b.avi", PathRules::Posix),
               R"(\opt\show\a:b.avi)", R"(\opt\show\)");
}

TEST(ComposeItemLaunch, LongPathsAreHandedOverWhole) {
  std::string item;
  for (int i = 0; i < 40; ++i) item += "folder-name-" + std::to_string(i) + "\\";
  item += "clip.avi";
  ASSERT_GT(item.size(), 254u);
  const auto launch = ComposeItemLaunch(R"(C:\Show\presenter.exe)", item, PathRules::Windows);
  EXPECT_EQ(launch.file, R"(C:\Show\)" + item);
  EXPECT_EQ(launch.folder, R"(C:\Show\)" + item.substr(0, item.size() - 8));
}

TEST(NativeItemLaunch, UsesThisSystemsSeparators) {
  if (platform::NativePathRules() == PathRules::Posix) {
    ExpectLaunch(NativeItemLaunch("/opt/show/quadrel", R"(clips\intro.sh)"),
                 "/opt/show/clips/intro.sh", "/opt/show/clips/");
    ExpectLaunch(NativeItemLaunch("/opt/show/quadrel", R"(\media\x.avi)"), "/media/x.avi",
                 "/media/");
  } else {
    ExpectLaunch(NativeItemLaunch(R"(C:\Show\presenter.exe)", R"(clips\intro.bat)"),
                 R"(C:\Show\clips\intro.bat)", R"(C:\Show\clips\)");
  }
}
