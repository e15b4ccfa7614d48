#include <QCheckBox>
#include <QLineEdit>
#include <filesystem>

#include "UiFixture.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/RadioGroup.h"
#include "core/AppError.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "core/settings/ProfileFile.h"
#include "ui/settings/SettingsFile.h"
#include "core/show/ShowState.h"
#include "ui/showlist/ShowListWindow.h"

using SettingsFileTest = UiFixture;

TEST_F(SettingsFileTest, NoFileGivesTheTableDefaultsEverywhere) {
  LoadSettings();
  EXPECT_TRUE(ShowState.InfoVisible);
  EXPECT_TRUE(ShowState.HelpVisible);
  EXPECT_TRUE(ShowState.MonoInfo);
  EXPECT_FALSE(Form_Setup->CheckBox_continuous->isChecked());
  EXPECT_FALSE(Form_Setup->CheckBox_Loop->isChecked());
  EXPECT_EQ(Form_Setup->RadioGroup_ChosenPlayer->ItemIndex(), 0);
  EXPECT_EQ(Form_Bino->Radio_bat_vbs->ItemIndex(), 1);
  EXPECT_EQ(Form_SPlayer->Radio_Splayer_vbs->ItemIndex(), 1);
  EXPECT_TRUE(Form_Bino->CheckBox_BinoAddList->isChecked());
  EXPECT_TRUE(Form_SPlayer->CheckBox_SPlayerAddList->isChecked());
  EXPECT_EQ(Form_Bino->RadioGroup_BinoVideoInput->ItemIndex(), 6);
  EXPECT_EQ(Form_Bino->RadioGroup_BinoVideoOutput->ItemIndex(), 4);
  EXPECT_EQ(Form_SPlayer->RadioGroup_SPlayerVideoInput->ItemIndex(), 6);
  EXPECT_EQ(Form_SPlayer->RadioGroup_SPlayerVideoOutput->ItemIndex(), 6);
  EXPECT_EQ(Form_Bino->Edit_sub_size->text(), "12");
  EXPECT_EQ(Form_Bino->Edit_BinoLocation->text(), "");
  EXPECT_EQ(Form_Bino->Combo_sub_enc->ItemIndex(), 0);
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
  auto* input = Form_Bino->RadioGroup_BinoVideoInput;
  EXPECT_EQ(input->ItemIndex(), input->Count() - 1);
  EXPECT_EQ(Form_Bino->RadioGroup_BinoVideoOutput->ItemIndex(), -1);
  EXPECT_EQ(Form_Bino->RadioGroup_BinoFullScreen->ItemIndex(), 1);
  EXPECT_EQ(Form_Bino->Combo_sub_enc->ItemIndex(), -1);
  EXPECT_EQ(Form_Bino->Combo_sub_font->ItemIndex(), -1);
  EXPECT_EQ(Form_Setup->RadioGroup_ChosenPlayer->ItemIndex(), 1);
  // Ticking the play options runs their click handlers.
  EXPECT_TRUE(Form_Setup->CheckBox_continuous->isChecked());
  EXPECT_TRUE(ShowState.ContinuousMode);
  EXPECT_FALSE(Form_Setup->CheckBox_Loop->isChecked());

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
  Form_Setup->RadioGroup_ChosenPlayer->SetItemIndex(1);
  Form_Bino->Edit_BinoLocation->setText("C:\\Program Files\\Bino\\bino.exe");
  Form_Bino->CheckBox_BinoSwap->setChecked(true);
  Form_Bino->Combo_sub_font->SetItemIndex(2);
  Form_Bino->Edit_sub_par->setText(" 1,5 ");
  Form_SPlayer->CheckBox_SP_DI->setChecked(true);
  Form_SPlayer->RadioGroup_SPlayerFullScreen->SetItemIndex(2);
  Form_SPlayer->Edit_SP_Pix->setText("");
  SaveSettings();

  ShowState.HelpVisible = true;
  ShowState.FloatingValueText.clear();
  Form_Bino->Edit_BinoLocation->setText("other");
  Form_SPlayer->Edit_SP_Pix->setText("9");
  LoadSettings();
  EXPECT_FALSE(ShowState.HelpVisible);
  EXPECT_TRUE(Form_Setup->CheckBox_Loop->isChecked());
  EXPECT_EQ(ShowState.FloatingValueText, "abc");
  EXPECT_EQ(Form_Setup->RadioGroup_ChosenPlayer->ItemIndex(), 1);
  EXPECT_EQ(Form_Bino->Edit_BinoLocation->text(), "C:\\Program Files\\Bino\\bino.exe");
  EXPECT_TRUE(Form_Bino->CheckBox_BinoSwap->isChecked());
  EXPECT_EQ(Form_Bino->Combo_sub_font->ItemIndex(), 2);
  EXPECT_EQ(Form_Bino->Edit_sub_par->text(), "1,5");  // reads strip surrounding blanks
  EXPECT_TRUE(Form_SPlayer->CheckBox_SP_DI->isChecked());
  EXPECT_EQ(Form_SPlayer->RadioGroup_SPlayerFullScreen->ItemIndex(), 2);
  EXPECT_EQ(Form_SPlayer->Edit_SP_Pix->text(), "");
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
  Form_Bino->Edit_BinoLocation->setText("D:\\bino.exe");
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
  EXPECT_EQ(Form_Bino->RadioGroup_BinoVersion->ItemIndex(), 0);
  SaveSettings();
  const std::string first = dir.read("quadrel.INI");
  EXPECT_EQ(first.find("BinoVersion"), std::string::npos);

  Form_Bino->RadioGroup_BinoVersion->SetItemIndex(2);
  SaveSettings();
  const std::string second = dir.read("quadrel.INI");
  EXPECT_NE(second.find("Sub_Font_Parallax=0\r\nBinoVersion=2\r\n\r\n[SPlayer]"),
            std::string::npos);
  Form_Bino->RadioGroup_BinoVersion->SetItemIndex(0);
  LoadSettings();
  EXPECT_EQ(Form_Bino->RadioGroup_BinoVersion->ItemIndex(), 2);
  EXPECT_FALSE(Form_Bino->Check_sub->isEnabled());
}
