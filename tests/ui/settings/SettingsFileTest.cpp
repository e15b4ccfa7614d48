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
  LoadSettings();
  EXPECT_TRUE(ShowState.InfoVisible);
  EXPECT_TRUE(ShowState.HelpVisible);
  EXPECT_TRUE(ShowState.MonoInfo);
  EXPECT_FALSE(Form_Setup->continuousBox->isChecked());
  EXPECT_FALSE(Form_Setup->loopBox->isChecked());
  EXPECT_EQ(Form_Setup->playerGroup->ItemIndex(), 0);
  EXPECT_EQ(Form_Bino->scriptKindGroup->ItemIndex(), 1);
  EXPECT_EQ(Form_SPlayer->scriptKindGroup->ItemIndex(), 1);
  EXPECT_TRUE(Form_Bino->addToListBox->isChecked());
  EXPECT_TRUE(Form_SPlayer->addToListBox->isChecked());
  EXPECT_EQ(Form_Bino->videoInputGroup->ItemIndex(), 6);
  EXPECT_EQ(Form_Bino->videoOutputGroup->ItemIndex(), 4);
  EXPECT_EQ(Form_SPlayer->videoInputGroup->ItemIndex(), 6);
  EXPECT_EQ(Form_SPlayer->videoOutputGroup->ItemIndex(), 6);
  EXPECT_EQ(Form_Bino->subSizeEdit->text(), "12");
  EXPECT_EQ(Form_Bino->locationEdit->text(), "");
  EXPECT_EQ(Form_Bino->subEncodingCombo->ItemIndex(), 0);
  EXPECT_EQ(ShowState.FloatingValueText, "0");

  // The close writes every key, in table order, into a new file.
  SaveSettings();
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
  LoadSettings();
  auto* input = Form_Bino->videoInputGroup;
  EXPECT_EQ(input->ItemIndex(), input->Count() - 1);
  EXPECT_EQ(Form_Bino->videoOutputGroup->ItemIndex(), -1);
  EXPECT_EQ(Form_Bino->fullScreenGroup->ItemIndex(), 1);
  EXPECT_EQ(Form_Bino->subEncodingCombo->ItemIndex(), -1);
  EXPECT_EQ(Form_Bino->subFontCombo->ItemIndex(), -1);
  EXPECT_EQ(Form_Setup->playerGroup->ItemIndex(), 1);
  // Ticking the play options runs their click handlers.
  EXPECT_TRUE(Form_Setup->continuousBox->isChecked());
  EXPECT_TRUE(ShowState.ContinuousMode);
  EXPECT_FALSE(Form_Setup->loopBox->isChecked());

  SaveSettings();
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
  LoadSettings();
  ShowState.HelpVisible = false;
  ShowState.LoopAll = true;  // written from ShowState, which the window keeps equal to its box
  ShowState.FloatingValueText = "abc";
  Form_Setup->playerGroup->SetItemIndex(1);
  Form_Bino->locationEdit->setText("C:\\Program Files\\Bino\\bino.exe");
  Form_Bino->swapBox->setChecked(true);
  Form_Bino->subFontCombo->SetItemIndex(2);
  Form_Bino->subParallaxEdit->setText(" 1,5 ");
  Form_SPlayer->deinterlaceBox->setChecked(true);
  Form_SPlayer->fullScreenGroup->SetItemIndex(2);
  Form_SPlayer->parallaxEdit->setText("");
  SaveSettings();

  ShowState.HelpVisible = true;
  ShowState.FloatingValueText.clear();
  Form_Bino->locationEdit->setText("other");
  Form_SPlayer->parallaxEdit->setText("9");
  LoadSettings();
  EXPECT_FALSE(ShowState.HelpVisible);
  EXPECT_TRUE(Form_Setup->loopBox->isChecked());
  EXPECT_EQ(ShowState.FloatingValueText, "abc");
  EXPECT_EQ(Form_Setup->playerGroup->ItemIndex(), 1);
  EXPECT_EQ(Form_Bino->locationEdit->text(), "C:\\Program Files\\Bino\\bino.exe");
  EXPECT_TRUE(Form_Bino->swapBox->isChecked());
  EXPECT_EQ(Form_Bino->subFontCombo->ItemIndex(), 2);
  EXPECT_EQ(Form_Bino->subParallaxEdit->text(), "1,5");  // reads strip surrounding blanks
  EXPECT_TRUE(Form_SPlayer->deinterlaceBox->isChecked());
  EXPECT_EQ(Form_SPlayer->fullScreenGroup->ItemIndex(), 2);
  EXPECT_EQ(Form_SPlayer->parallaxEdit->text(), "");
}

TEST_F(SettingsFileTest, StoredBytesGoBackUnchanged) {
  // A location written on a system with another 8-bit code page: not valid text here.
  const std::string location = "C:\\Vid\xe9os\\bino.exe";
  dir.write("quadrel.INI", "[Bino]\r\nBinoLocation=" + location + "\r\nCrossTalkR=\xff\r\n");
  LoadSettings();
  SaveSettings();
  const ProfileFile saved(ProgramFile(".INI"));
  EXPECT_EQ(saved.ReadString("Bino", "BinoLocation", ""), location);
  EXPECT_EQ(saved.ReadString("Bino", "CrossTalkR", ""), "\xff");
  // A text the operator changed is stored as typed.
  Form_Bino->locationEdit->setText("D:\\bino.exe");
  SaveSettings();
  EXPECT_EQ(ProfileFile(ProgramFile(".INI")).ReadString("Bino", "BinoLocation", ""),
            "D:\\bino.exe");
}

TEST_F(SettingsFileTest, RefusedWriteLeavesNothingHalfDone) {
  std::filesystem::create_directory(dir.path() / "quadrel.INI");
  LoadSettings();
  try {
    SaveSettings();
    FAIL() << "no error";
  } catch (const AppError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + ProgramFile(".INI"));
  }
  EXPECT_EQ(dir.listing(), "quadrel.INI");
}

TEST_F(SettingsFileTest, BinoVersionIsKeptOnlyOnceItLeftBino1) {
  // A first run writes no key for it: Bino 1 as before.
  LoadSettings();
  EXPECT_EQ(Form_Bino->versionGroup->ItemIndex(), 0);
  SaveSettings();
  const std::string first = dir.read("quadrel.INI");
  EXPECT_EQ(first.find("BinoVersion"), std::string::npos);

  Form_Bino->versionGroup->SetItemIndex(2);
  SaveSettings();
  const std::string second = dir.read("quadrel.INI");
  EXPECT_NE(second.find("Sub_Font_Parallax=0\r\nBinoVersion=2\r\n\r\n[SPlayer]"),
            std::string::npos);
  Form_Bino->versionGroup->SetItemIndex(0);
  LoadSettings();
  EXPECT_EQ(Form_Bino->versionGroup->ItemIndex(), 2);
  EXPECT_FALSE(Form_Bino->subtitlesBox->isEnabled());
}
