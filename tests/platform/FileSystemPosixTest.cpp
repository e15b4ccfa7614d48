#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>

#include "TempDir.h"
#include "base/AppError.h"
#include "platform/FileSystem.h"

namespace fs = std::filesystem;

namespace {
mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0);
  return st.st_mode & 07777;
}

// Runs `read` on another thread and fails, instead of hanging the suite, when it blocks.
std::string ReadWithin(const std::string& path) {
  auto result = std::async(std::launch::async, [path] {
    try {
      platform::ReadWholeFile(path);
      return std::string("read");
    } catch (const AppError& e) {
      return std::string(e.what());
    }
  });
  if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "reading " << path << " blocks";
    std::abort();  // the blocked thread cannot be joined
  }
  return result.get();
}
}  // namespace

TEST(WriteFileAtomically, WritesThroughSymbolicLinksKeepingTheirTargetsMode) {
  TempDir dir;
  fs::create_directory(dir.path() / "real");
  dir.write("real/show.LST", "old\r\n");
  ::chmod(dir.file("real/show.LST").c_str(), 0640);
  fs::create_symlink("real/show.LST", dir.path() / "show.LST");           // relative
  fs::create_symlink(dir.path() / "show.LST", dir.path() / "chain.LST");  // a link to a link

  platform::WriteFileAtomically(dir.file("chain.LST"), "new\r\n");
  EXPECT_TRUE(fs::is_symlink(dir.path() / "chain.LST"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "show.LST"));
  EXPECT_EQ(dir.read("real/show.LST"), "new\r\n");
  EXPECT_EQ(ModeOf(dir.file("real/show.LST")), 0640u);
  EXPECT_EQ(dir.listing(), "chain.LST real show.LST");

  // A link whose target does not exist yet gets it made.
  fs::create_symlink("real/new.INI", dir.path() / "dangling.INI");
  platform::WriteFileAtomically(dir.file("dangling.INI"), "[a]\r\n");
  EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling.INI"));
  EXPECT_EQ(dir.read("real/new.INI"), "[a]\r\n");

  // A plain file keeps its bits too.
  dir.write("plain.LNG", "x");
  ::chmod(dir.file("plain.LNG").c_str(), 0604);
  platform::WriteFileAtomically(dir.file("plain.LNG"), "y");
  EXPECT_EQ(ModeOf(dir.file("plain.LNG")), 0604u);
}

TEST(WriteFileAtomically, ALinkLoopIsReportedAndNothingIsWritten) {
  TempDir dir;
  fs::create_symlink("b.LST", dir.path() / "a.LST");
  fs::create_symlink("a.LST", dir.path() / "b.LST");
  try {
    platform::WriteFileAtomically(dir.file("a.LST"), "x");
    FAIL() << "no error";
  } catch (const AppError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + dir.file("a.LST") + "\". ", 0),
              0u)
        << e.what();
  }
  EXPECT_EQ(dir.listing(), "a.LST b.LST");
}

TEST(FilesThatAreNoRegularFiles, AreRefusedWithoutBlocking) {
  TempDir dir;
  const std::string fifo = dir.file("show.LST");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ReadWithin(fifo), "Cannot open file \"" + fifo + "\". Not a regular file");
  EXPECT_EQ(ReadWithin("/dev/zero"), "Cannot open file \"/dev/zero\". Not a regular file");
  EXPECT_EQ(ReadWithin(dir.path().string()).rfind("Cannot open file", 0), 0u);

  const std::string socketPath = dir.file("s.INI");
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  EXPECT_EQ(ReadWithin(socketPath).rfind("Cannot open file \"" + socketPath + "\". ", 0), 0u);
  ::close(sock);

  // A save does not replace them either: the FIFO is still there.
  try {
    platform::WriteFileAtomically(fifo, "x");
    FAIL() << "no error";
  } catch (const AppError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + fifo + "\". Not a regular file");
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(dir.listing(), "s.INI show.LST");
}
