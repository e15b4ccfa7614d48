#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "base/AppError.h"
#include "core/settings/LanguageFile.h"

TEST(LanguageFile, NoFileGivesTheBuiltInTextsAndTheFirstSaveWritesAll23) {
  TempDir dir;
  const std::string file = dir.file("show.LNG");
  const LanguageValues values = LoadLanguage(file);
  EXPECT_EQ(values, BuiltInLanguage());
  EXPECT_EQ(values.help[0], "H : Toggle help");
  EXPECT_EQ(values.help[14], "C: Toggle corner indicator");
  EXPECT_EQ(values.ListWindow(ListWindowText::Window), "Quadrel File list");
  EXPECT_EQ(values.ListWindow(ListWindowText::Select), "Select File(s)");
  SaveLanguage(file, values);
  EXPECT_EQ(dir.read("show.LNG"),
            "[Screen]\r\n"
            "Help=H : Toggle help\r\n"
            "Load list=L : Load File list\r\n"
            "Maximise screen=M : Toggle maximise screen\r\n"
            "File info=I : Toggle current file info\r\n"
            "Previous=<-, 4 : Previous file\r\n"
            "Next=->, 6 : Next file\r\n"
            "First=1 : First file\r\n"
            "End show=0 : End of show position\r\n"
            "Play=SPACE, ENT : Play file\r\n"
            "Mono text=S : Toggle mono/stereo text\r\n"
            "Pointer=P : Show/hide pointer\r\n"
            "Exit=X, ESCAPE : Exit\r\n"
            "Floating Window=F: Toggle floating frame\r\n"
            "Floating Value=V: Floating value\r\n"
            "Corner indicator=C: Toggle corner indicator\r\n"
            "\r\n[Setup]\r\n"
            "Window=Quadrel File list\r\n"
            "Select=Select File(s)\r\n"
            "Clear=Clear\r\n"
            "Clear All=Clear All\r\n"
            "Load=Load list\r\n"
            "Save=Save list\r\n"
            "Continuous=Continuous\r\n"
            "Loop=Loop All\r\n");
}

TEST(LanguageFile, PresentKeysWinAndMissingOnesGetTheirBuiltInText) {
  TempDir dir;
  const std::string file = dir.file("show.LNG");
  const std::string longText(2100, 'w');
  dir.write("show.LNG",
            "[SCREEN]\r\nPlay=Leertaste : Abspielen\r\nhelp=\r\nExit=" + longText + "\r\n");
  const LanguageValues values = LoadLanguage(file);
  EXPECT_EQ(values.help[8], "Leertaste : Abspielen");
  EXPECT_EQ(values.help[0], "");
  EXPECT_EQ(values.help[11], longText.substr(0, 2047));
  EXPECT_EQ(values.help[1], "L : Load File list");
  EXPECT_EQ(values.listWindow, BuiltInLanguage().listWindow);
  SaveLanguage(file, values);
  const std::string text = dir.read("show.LNG");
  EXPECT_EQ(text.find("[SCREEN]\r\nPlay=Leertaste : Abspielen\r\nhelp=\r\nExit=" +
                      longText.substr(0, 2047) + "\r\nLoad list=L : Load File list\r\n"),
            0u);
  EXPECT_NE(text.find("\r\n\r\n[Setup]\r\nWindow=Quadrel File list\r\n"), std::string::npos);
  EXPECT_EQ(LoadLanguage(file), values);
}

TEST(LanguageFile, RefusedWriteThrowsAndLeavesWhatStandsThere) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "show.LNG");
  const std::string file = dir.file("show.LNG");
  try {
    SaveLanguage(file, BuiltInLanguage());
    ADD_FAILURE() << "no error";
  } catch (const AppError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
  }
  EXPECT_TRUE(std::filesystem::is_directory(file));
}
