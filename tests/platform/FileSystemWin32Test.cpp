#include <gtest/gtest.h>

#include "base/AppError.h"
#include "platform/FileSystem.h"

namespace {
std::string ReadError(const std::string& path) {
  try {
    platform::ReadWholeFile(path);
  } catch (const AppError& e) {
    return e.what();
  }
  return "read";
}
}  // namespace

TEST(FilesThatAreNoRegularFiles, DevicesAreRefusedNotRead) {
  // NUL reads as empty and CON waits for console input: neither is a list or settings file.
  EXPECT_EQ(ReadError("NUL"), "Cannot open file \"NUL\". Not a regular file");
  // Without a console (Wine in a test) CON does not even open; either way it is not read.
  EXPECT_EQ(ReadError("CON").rfind("Cannot open file \"CON\". ", 0), 0u);
}
