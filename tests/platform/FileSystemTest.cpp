#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "TempDir.h"
#include "base/AppError.h"
#include "platform/FileSystem.h"

TEST(WriteFileAtomically, CreatesReplacesAndKeepsBytes) {
  TempDir dir;
  const std::string bytes("\0\x80\xff\r\n", 5);
  platform::WriteFileAtomically(dir.file("a.bin"), bytes);
  EXPECT_EQ(platform::ReadWholeFile(dir.file("a.bin")), bytes);
  platform::WriteFileAtomically(dir.file("a.bin"), "x");
  EXPECT_EQ(dir.read("a.bin"), "x");
  EXPECT_EQ(dir.listing(), "a.bin");
  EXPECT_TRUE(platform::IsRegularFile(dir.file("a.bin")));
  EXPECT_FALSE(platform::IsRegularFile(dir.path().string()));
  EXPECT_FALSE(platform::IsRegularFile(dir.file("missing")));
}

TEST(WriteFileAtomically, ProfileFilesReportUnableToWrite) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "show.INI");
  const std::string target = dir.file("show.INI");
  try {
    platform::WriteFileAtomically(target, "[a]\r\n", platform::SaveErrors::UnableToWrite);
    FAIL() << "no error";
  } catch (const AppError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + target);
  }
  EXPECT_EQ(dir.listing(), "show.INI");
}

TEST(WriteFileAtomically, ContentInPiecesAndAFailingProducer) {
  TempDir dir;
  const std::string target = dir.file("list.shl");
  platform::WriteFileAtomically(target, [](const platform::ByteSink& sink) {
    sink("one\r\n");
    sink("");
    sink("two\r\n");
  });
  EXPECT_EQ(dir.read("list.shl"), "one\r\ntwo\r\n");

  // A producer that fails half-way leaves the old file whole and nothing else behind.
  EXPECT_THROW(platform::WriteFileAtomically(target,
                                             [](const platform::ByteSink& sink) {
                                               sink(std::string(100000, 'x'));
                                               throw std::runtime_error("out of items");
                                             }),
               std::runtime_error);
  EXPECT_EQ(dir.read("list.shl"), "one\r\ntwo\r\n");
  EXPECT_EQ(dir.listing(), "list.shl");
}
