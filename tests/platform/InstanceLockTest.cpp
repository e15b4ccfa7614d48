#include <gtest/gtest.h>

#include "TempDir.h"
#include "platform/InstanceLock.h"
#include "platform/PathStyle.h"

TEST(InstanceLock, OneHolderPerProgramFilesUntilItLetsGo) {
  TempDir dir;
  const std::string show = dir.file("show");
  auto first = platform::LockProgramFiles(show);
  ASSERT_TRUE(first);
  EXPECT_FALSE(platform::LockProgramFiles(show)) << "a second copy on the same files";
  // Other files beside it (another program name) are another show.
  EXPECT_TRUE(platform::LockProgramFiles(dir.file("other")));
  first.reset();
  EXPECT_TRUE(platform::LockProgramFiles(show)) << "released with its holder";
}

TEST(InstanceLock, NamesFollowTheFileSystemsRuleForLetterCase) {
  const std::string lower = platform::InstanceLockName("/shows/tonight/quadrel");
  const std::string upper = platform::InstanceLockName("/SHOWS/TONIGHT/QUADREL");
  if (platform::FolderNamesIgnoreCase())
    EXPECT_EQ(lower, upper);
  else
    EXPECT_NE(lower, upper);
  EXPECT_NE(lower, platform::InstanceLockName("/shows/tonight/quadrel2"));
  // However long the path, the name fits the systems' limits on object names.
  EXPECT_LE(platform::InstanceLockName(std::string(100000, 'x')).size(), 64u);
}
