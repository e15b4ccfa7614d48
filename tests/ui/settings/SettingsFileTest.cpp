#include <QCheckBox>
#include <QLineEdit>
#include <filesystem>

#include "UiFixture.h"
#include "core/AppError.h"
#include "core/settings/ProfileFile.h"
#include "core/show/ShowState.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/settings/SettingsFile.h"
#include "ui/showlist/ShowListWindow.h"

using SettingsFileTest = UiFixture;

TEST_F(SettingsFileTest, NoFileGivesTheTableDefaultsEverywhere) {
  LoadSettings(*app);
  EXPECT_TRUE(app->State().infoVisible);
  EXPECT_TRUE(app->State().helpVisible);
  EXPECT_TRUE(app->State().monoInfo);
  EXPECT_FALSE(app->ListWindow().continuousBox->isChecked());
  EXPECT_FALSE(app->ListWindow().loopBox->isChecked());
  EXPECT_EQ(app->ListWindow().playerGroup->ItemIndex(), 0);
  EXPECT_EQ(app->Bino().scriptKindGroup->ItemIndex(), 1);
  EXPECT_EQ(app->SPlayer().scriptKindGroup->ItemIndex(), 1);
  EXPECT_TRUE(app->Bino().addToListBox->isChecked());
  EXPECT_TRUE(app->SPlayer().addToListBox->isChecked());
  EXPECT_EQ(app->Bino().videoInputGroup->ItemIndex(), 6);
  EXPECT_EQ(app->Bino().videoOutputGroup->ItemIndex(), 4);
  EXPECT_EQ(app->SPlayer().videoInputGroup->ItemIndex(), 6);
  EXPECT_EQ(app->SPlayer().videoOutputGroup->ItemIndex(), 6);
  EXPECT_EQ(app->Bino().subSizeEdit->text(), "12");
  EXPECT_EQ(app->Bino().locationEdit->text(), "");
  EXPECT_EQ(app->Bino().subEncodingCombo->ItemIndex(), 0);
  EXPECT_EQ(app->State().floatingValueText, "0");

  // The close writes every key, in table order, into a new file.
  SaveSettings(*app);
  const std::string file = dir.read("quadrel.INI");
  EXPECT_EQ(file.find("[Ini Parameters]\r\nFile Info=1\r\nHelp Info=1\r\nMono Info Screen=1\r\n"),
            0u);
  EXPECT_NE(file.find("\r\n[Setup Parameters]\r\nContinuous=0\r\nLoop=0\r\nVideoPlayer=0\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("\r\n[SPlayer]\r\nSPlayerLocation=\r\nFullScreenCheck=1\r\n"),
            std::string::npos);
  EXPECT_EQ(file.substr(file.size() - 21), "[Floating]\r\nValue=0\r\n");
}

TEST_F(SettingsFileTest, IndexesFollowTheControlsRules) {
  dir.write("quadrel.INI",
            "[Bino]\r\nVideoInput=99\r\nVideoOutput=-5\r\nFullScreen=0x01\r\nSub_Encoding=-1\r\n"
            "Sub_Font=500\r\n[setup parameters]\r\nContinuous=1\r\nLoop=yes\r\nVideoPlayer=1\r\n");
  LoadSettings(*app);
  auto* input = app->Bino().videoInputGroup;
  EXPECT_EQ(input->ItemIndex(), input->Count() - 1);
  EXPECT_EQ(app->Bino().videoOutputGroup->ItemIndex(), -1);
  EXPECT_EQ(app->Bino().fullScreenGroup->ItemIndex(), 1);
  EXPECT_EQ(app->Bino().subEncodingCombo->ItemIndex(), -1);
  EXPECT_EQ(app->Bino().subFontCombo->ItemIndex(), -1);
  EXPECT_EQ(app->ListWindow().playerGroup->ItemIndex(), 1);
  // Ticking the play options runs their click handlers.
  EXPECT_TRUE(app->ListWindow().continuousBox->isChecked());
  EXPECT_TRUE(app->State().continuousMode);
  EXPECT_FALSE(app->ListWindow().loopBox->isChecked());

  SaveSettings(*app);
  const ProfileFile saved(ProgramFile(".INI"));
  EXPECT_EQ(saved.ReadString("Bino", "VideoInput", ""), std::to_string(input->Count() - 1));
  EXPECT_EQ(saved.ReadString("Bino", "VideoOutput", ""), "-1");
  EXPECT_EQ(saved.ReadString("Bino", "Sub_Encoding", ""), "-1");
  EXPECT_EQ(saved.ReadString("Setup Parameters", "Continuous", ""), "1");
  const std::string file = dir.read("quadrel.INI");
  EXPECT_NE(file.find("[setup parameters]\r\nContinuous=1\r\nLoop=0\r\nVideoPlayer=1\r\n"),
            std::string::npos);
  EXPECT_EQ(file.find("[Setup Parameters]"), std::string::npos);
}

TEST_F(SettingsFileTest, ControlsSurviveASaveAndALoad) {
  LoadSettings(*app);
  app->State().helpVisible = false;
  app->State().loopAll = true;  // written from ShowState, which the window keeps equal to its box
  app->State().floatingValueText = "abc";
  app->ListWindow().playerGroup->SetItemIndex(1);
  app->Bino().locationEdit->setText("C:\\Program Files\\Bino\\bino.exe");
  app->Bino().swapBox->setChecked(true);
  app->Bino().subFontCombo->SetItemIndex(2);
  app->Bino().subParallaxEdit->setText(" 1,5 ");
  app->SPlayer().deinterlaceBox->setChecked(true);
  app->SPlayer().fullScreenGroup->SetItemIndex(2);
  app->SPlayer().parallaxEdit->setText("");
  SaveSettings(*app);

  app->State().helpVisible = true;
  app->State().floatingValueText.clear();
  app->Bino().locationEdit->setText("other");
  app->SPlayer().parallaxEdit->setText("9");
  LoadSettings(*app);
  EXPECT_FALSE(app->State().helpVisible);
  EXPECT_TRUE(app->ListWindow().loopBox->isChecked());
  EXPECT_EQ(app->State().floatingValueText, "abc");
  EXPECT_EQ(app->ListWindow().playerGroup->ItemIndex(), 1);
  EXPECT_EQ(app->Bino().locationEdit->text(), "C:\\Program Files\\Bino\\bino.exe");
  EXPECT_TRUE(app->Bino().swapBox->isChecked());
  EXPECT_EQ(app->Bino().subFontCombo->ItemIndex(), 2);
  EXPECT_EQ(app->Bino().subParallaxEdit->text(), "1,5");  // reads strip surrounding blanks
  EXPECT_TRUE(app->SPlayer().deinterlaceBox->isChecked());
  EXPECT_EQ(app->SPlayer().fullScreenGroup->ItemIndex(), 2);
  EXPECT_EQ(app->SPlayer().parallaxEdit->text(), "");
}

TEST_F(SettingsFileTest, StoredBytesGoBackUnchanged) {
  // A location written on a system with another 8-bit code page: not valid text here.
  const std::string location = "C:\\Vid\xe9os\\bino.exe";
  dir.write("quadrel.INI", "[Bino]\r\nBinoLocation=" + location + "\r\nCrossTalkR=\xff\r\n");
  LoadSettings(*app);
  SaveSettings(*app);
  const ProfileFile saved(ProgramFile(".INI"));
  EXPECT_EQ(saved.ReadString("Bino", "BinoLocation", ""), location);
  EXPECT_EQ(saved.ReadString("Bino", "CrossTalkR", ""), "\xff");
  // A text the operator changed is stored as typed.
  app->Bino().locationEdit->setText("D:\\bino.exe");
  SaveSettings(*app);
  EXPECT_EQ(ProfileFile(ProgramFile(".INI")).ReadString("Bino", "BinoLocation", ""),
            "D:\\bino.exe");
}

TEST_F(SettingsFileTest, RefusedWriteLeavesNothingHalfDone) {
  std::filesystem::create_directory(dir.path() / "quadrel.INI");
  LoadSettings(*app);
  try {
    SaveSettings(*app);
    FAIL() << "no error";
  } catch (const AppError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + ProgramFile(".INI"));
  }
  EXPECT_EQ(dir.listing(), "quadrel.INI");
}

TEST_F(SettingsFileTest, BinoVersionIsKeptOnlyOnceItLeftBino1) {
  // A first run writes no key for it: Bino 1 as before.
  LoadSettings(*app);
  EXPECT_EQ(app->Bino().versionGroup->ItemIndex(), 0);
  SaveSettings(*app);
  const std::string first = dir.read("quadrel.INI");
  EXPECT_EQ(first.find("BinoVersion"), std::string::npos);

  app->Bino().versionGroup->SetItemIndex(2);
  SaveSettings(*app);
  const std::string second = dir.read("quadrel.INI");
  EXPECT_NE(second.find("Sub_Font_Parallax=0\r\nBinoVersion=2\r\n\r\n[SPlayer]"),
            std::string::npos);
  app->Bino().versionGroup->SetItemIndex(0);
  LoadSettings(*app);
  EXPECT_EQ(app->Bino().versionGroup->ItemIndex(), 2);
  EXPECT_FALSE(app->Bino().subtitlesBox->isEnabled());
}
