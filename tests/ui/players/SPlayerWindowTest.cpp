#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "UiFixture.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace {
using Files = std::vector<std::string>;
using SPlayerWindow = UiFixture;
}  // namespace

TEST_F(SPlayerWindow, DesignValues) {
  TForm_SPlayer& w = *Form_SPlayer;
  EXPECT_EQ(w.windowTitle(), "Stereoscopic Player Settings");
  EXPECT_EQ(w.Button_SPlayerSelectLocation->text(), "Select SPlayer location");
  EXPECT_EQ(w.Button_SPlayerSelectVideo->text(), "Select Video File(s)");
  EXPECT_FALSE(w.CheckBox_SPlayerAddList->isChecked());
  EXPECT_EQ(w.Radio_Splayer_vbs->ItemIndex(), 0);
  EXPECT_EQ(w.Radio_Splayer_vbs->Button(1)->text(), "Make VBS file(s)");
  EXPECT_TRUE(w.CheckBox_SPlayerFullScreen->isChecked());
  EXPECT_EQ(w.RadioGroup_SPlayerFullScreen->Count(), 5);
  EXPECT_EQ(w.RadioGroup_SPlayerFullScreen->ItemIndex(), 0);
  EXPECT_EQ(w.RadioGroup_SPlayerVideoInput->Count(), 17);
  EXPECT_EQ(w.RadioGroup_SPlayerVideoInput->Button(14)->text(), "5 tiles");
  EXPECT_EQ(w.RadioGroup_SPlayerVideoInput->ItemIndex(), 6);
  EXPECT_EQ(w.RadioGroup_SPlayerVideoOutput->Count(), 23);
  EXPECT_EQ(w.RadioGroup_SPlayerVideoOutput->Button(17)->text(), "Sharp 3D diaplay");
  EXPECT_EQ(w.RadioGroup_SPlayerVideoOutput->ItemIndex(), 6);
  EXPECT_EQ(w.CheckBox_SP_DI->text(), "Enable deinterlacing");
  EXPECT_FALSE(w.CheckBox_SP_DI->isChecked());
  EXPECT_EQ(w.Edit_SP_Pix->text(), "0");

  w.Edit_SPlayerLocation->setText(R"(D:\Players\player.exe)");
  EXPECT_EQ(w.BuildSPlayerCommandLine("movie.avi", "", "\""),
            R"("D:\Players\player.exe" -file:"movie.avi" -il:SideBySideLF -fp -play -nl )"
            R"(-termkey -termend -fss -ol:SideBySideLF -di:0)");
  w.CheckBox_SPlayerFullScreen->setChecked(false);
  w.CheckBox_SP_DI->setChecked(true);
  w.Edit_SP_Pix->setText("-0");
  w.RadioGroup_SPlayerVideoOutput->SetItemIndex(11);
  EXPECT_TRUE(w.BuildSPlayerCommandLine("m.avi", "", "\"")
                  .ends_with(" -termend -ol:InterlacedLF -di:1 -ph:-0"));
}

TEST_F(SPlayerWindow, LocationDialogHasNoTitleOfItsOwn) {
  dialogs.answers = {{"/opt/sp/StereoPlayer.exe"}};
  Form_SPlayer->Button_SPlayerSelectLocation->click();
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].title, "");
  EXPECT_EQ(dialogs.requests[0].filter, "Executable files|*.exe");
  EXPECT_EQ(Form_SPlayer->Edit_SPlayerLocation->text(), "/opt/sp/StereoPlayer.exe");
  Form_SPlayer->Button_SPlayerSelectLocation->click();  // cancelled
  EXPECT_EQ(Form_SPlayer->Edit_SPlayerLocation->text(), "/opt/sp/StereoPlayer.exe");
}

TEST_F(SPlayerWindow, RunWritesOneScriptPerLeftFileBesideIt) {
  std::filesystem::create_directories(dir.path() / "a");
  std::filesystem::create_directories(dir.path() / "b");
  Form_SPlayer->CheckBox_SPlayerAddList->setChecked(true);
  Form_SPlayer->RadioGroup_SPlayerVideoInput->SetItemIndex(1);
  Form_SPlayer->Radio_Splayer_vbs->SetItemIndex(0);
  Form_SPlayer->Edit_SPlayerLocation->setText("sp.exe");
  dialogs.answers = {{dir.file("a/l1.avi"), dir.file("b/l2.avi")},
                     {dir.file("b/r1.avi"), dir.file("a/r2.avi"), dir.file("r3.avi")}};
  Form_SPlayer->Button_SPlayerSelectVideo->click();
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(dir.read("a/l1.bat"), R"("sp.exe" -left:"l1.avi" -right:"r1.avi" -fp -play -nl )"
                                  R"(-termkey -termend -fss -ol:SideBySideLF -di:0)"
                                  "\r\n");
  EXPECT_NE(dir.read("b/l2.bat").find(R"(-left:"l2.avi" -right:"r2.avi")"), std::string::npos);
  EXPECT_EQ(Form_Setup->Items().Items(), (Files{R"(a\l1.bat)", R"(b\l2.bat)"}));
}
