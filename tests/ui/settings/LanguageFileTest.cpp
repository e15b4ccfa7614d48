#include <QCheckBox>
#include <QPushButton>

#include "UiFixture.h"
#include "core/settings/LanguageTexts.h"
#include "core/settings/ProfileFile.h"
#include "ui/controls/Memo.h"
#include "ui/settings/LanguageFile.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

using LanguageFileTest = UiFixture;

namespace {
std::vector<std::string> Lines(const Memo* memo) {
  std::vector<std::string> lines;
  for (int i = 0; i < memo->LineCount(); ++i) lines.push_back(memo->Line(i));
  return lines;
}
}  // namespace

TEST_F(LanguageFileTest, NoFileShowsTheBuiltInTextsAndTheCloseWritesThem) {
  EXPECT_EQ(app->Show().helpLeft->Line(0), "H: Toggle Help");  // the design text until then
  LoadLanguage(*app);
  const auto builtIn = BuiltInLanguage();
  const std::vector<std::string> help(builtIn.help.begin(), builtIn.help.end());
  EXPECT_EQ(Lines(app->Show().helpLeft), help);
  EXPECT_EQ(Lines(app->Show().helpRight), help);
  EXPECT_EQ(app->ListWindow().windowTitle(), "Quadrel File list");
  EXPECT_EQ(app->ListWindow().selectFilesButton->text(), "Select File(s)");
  EXPECT_EQ(app->ListWindow().loopBox->text(), "Loop All");

  SaveLanguage(*app);
  const std::string file = dir.read("quadrel.LNG");
  EXPECT_EQ(file.find("[Screen]\r\nHelp=H : Toggle help\r\nLoad list=L : Load File list\r\n"), 0u);
  EXPECT_NE(file.find("\r\n\r\n[Setup]\r\nWindow=Quadrel File list\r\nSelect=Select File(s)\r\n"
                      "Clear=Clear\r\nClear All=Clear All\r\nLoad=Load list\r\nSave=Save list\r\n"
                      "Continuous=Continuous\r\nLoop=Loop All\r\n"),
            std::string::npos);
  EXPECT_EQ(LoadLanguageTexts(ProfileFile(ProgramFile(".LNG"))), builtIn);
}

TEST_F(LanguageFileTest, PresentKeysWinAndTheCloseWritesBackWhatWasRead) {
  dir.write("quadrel.LNG",
            "[SCREEN]\r\nPlay=Leertaste : Abspielen\r\nHelp=\r\n[setup]\r\nWindow=Liste \xe4\r\n");
  LoadLanguage(*app);
  EXPECT_EQ(app->Show().helpLeft->Line(8), "Leertaste : Abspielen");
  EXPECT_EQ(app->Show().helpRight->Line(8), "Leertaste : Abspielen");
  EXPECT_EQ(app->Show().helpLeft->Line(0), "");
  EXPECT_EQ(app->Show().helpRight->Line(1), "L : Load File list");
  EXPECT_EQ(app->ListWindow().saveListButton->text(), "Save list");

  // Edits made to the file while the program runs are overwritten at the close.
  dir.write("quadrel.LNG", "[Screen]\r\nPlay=edited\r\nHelp=edited\r\n[Setup]\r\nWindow=x\r\n");
  SaveLanguage(*app);
  const ProfileFile saved(ProgramFile(".LNG"));
  EXPECT_EQ(saved.ReadString("Screen", "Play", ""), "Leertaste : Abspielen");
  EXPECT_EQ(saved.ReadString("Screen", "Help", "missing"), "");
  EXPECT_EQ(saved.ReadString("Screen", "Exit", ""), "X, ESCAPE : Exit");
  EXPECT_EQ(saved.ReadString("Setup", "Window", ""), "Liste \xe4");  // the bytes as read
  EXPECT_EQ(saved.ReadString("Setup", "Loop", ""), "Loop All");
}
