// .bat text in the console code page, against the system's own code page tables.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/AppError.h"
#include "platform/BatchText.h"

namespace {
// The Western European pair Wine and an English or German Windows use.
bool WesternCodePages() {
  return GetACP() == 1252 && (GetOEMCP() == 437 || GetOEMCP() == 850);
}
}  // namespace

TEST(BatchText, NamesAreReEncodedForTheCommandInterpreter) {
  if (!WesternCodePages()) GTEST_SKIP() << "code pages " << GetACP() << "/" << GetOEMCP();
  const std::string script = R"(C:\v\caf.bat)";
  // ASCII, the quoting and the line end are the same bytes in both code pages.
  EXPECT_EQ(platform::ToBatchFileText("\"C:\\P\\p.exe\" \"a 100%%.avi\"\r\n", script),
            "\"C:\\P\\p.exe\" \"a 100%%.avi\"\r\n");
  // é (E9 in the ANSI code page) is 82 in both console code pages; ß is E1; Ü is 9A.
  EXPECT_EQ(platform::ToBatchFileText("caf\xe9 Stra\xdf"
                                      "e \xdc.avi",
                                      script),
            "caf\x82 Stra\xe1"
            "e \x9a.avi");
  EXPECT_EQ(platform::ToBatchFileText("", script), "");
}

TEST(BatchText, ACharacterTheConsoleCannotHoldIsRefusedNotGuessed) {
  if (GetACP() != 1252 || GetOEMCP() != 437) GTEST_SKIP() << "needs code pages 1252/437";
  // ã and € exist in 1252 but not in 437; a best-fit 'a' would start another file.
  for (const std::string name : {"S\xe3o Paulo.avi", "5 \x80.avi"}) {
    try {
      platform::ToBatchFileText(name, R"(C:\v\S.bat)");
      ADD_FAILURE() << name << " was written";
    } catch (const AppError& error) {
      EXPECT_NE(std::string(error.what()).find("Cannot create file \"C:\\v\\S.bat\""),
                std::string::npos)
          << error.what();
    }
  }
}
