#include <gtest/gtest.h>

#include "base/AppError.h"
#include "base/ErrorReport.h"

TEST(AppError, MessageTexts) {
  EXPECT_EQ(CannotOpenFileText("C:\\a.shl", "Access is denied"),
            "Cannot open file \"C:\\a.shl\". Access is denied");
  EXPECT_EQ(CannotCreateFileText("/x/a.bat", "No such file or directory"),
            "Cannot create file \"/x/a.bat\". No such file or directory");
  EXPECT_EQ(StreamWriteErrorText(), "Stream write error");
  EXPECT_EQ(UnableToWriteText("/x/show.INI"), "Unable to write to /x/show.INI");
  EXPECT_EQ(InvalidFloatText("abc"), "'abc' is not a valid floating point value");
  EXPECT_EQ(ListIndexOutOfBoundsText(2), "List index out of bounds (2)");
}

TEST(ErrorReport, TitleAndFullStop) {
  EXPECT_EQ(ErrorReportTitle(R"(C:\Shows\SHOW.EXE)"), "Show");
  EXPECT_EQ(ErrorReportTitle("/opt/q/quadrel"), "quadrel");
  EXPECT_EQ(ErrorReportTitle("/opt/q/QuadRel.v2.bin"), "Quadrel");
  EXPECT_EQ(ErrorReportText("Stream write error"), "Stream write error.");
  EXPECT_EQ(ErrorReportText("List index out of bounds (2)"), "List index out of bounds (2)");
  EXPECT_EQ(ErrorReportText("done."), "done.");
  EXPECT_EQ(ErrorReportText("x -"), "x -");
  EXPECT_EQ(ErrorReportText("Unable to write to /x/a.INI"), "Unable to write to /x/a.INI.");
  EXPECT_EQ(ErrorReportText(""), "");
}
