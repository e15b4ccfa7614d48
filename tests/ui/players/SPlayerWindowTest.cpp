#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "PlayerWindowsTestAccess.h"
#include "UiFixture.h"
#include "showlist/ShowListWindowAccess.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace {
using Files = std::vector<std::string>;
using SPlayerWindow = UiFixture;
}  // namespace

// The window as a first run shows it: the settings' defaults in the designed controls.
TEST_F(SPlayerWindow, FirstRunValues) {
  SPlayerControls w(app->SPlayerWindow());
  EXPECT_EQ(w.window.windowTitle(), "Stereoscopic Player Settings");
  EXPECT_EQ(w.selectLocationButton->text(), "Select SPlayer location");
  EXPECT_EQ(w.selectVideosButton->text(), "Select Video File(s)");
  EXPECT_TRUE(w.addToListBox->isChecked());
  EXPECT_EQ(w.scriptKindGroup->Chosen(), 1);
  EXPECT_EQ(w.scriptKindGroup->Button(1)->text(), "Make VBS file(s)");
  EXPECT_TRUE(w.fullScreenBox->isChecked());
  EXPECT_EQ(w.fullScreenGroup->Count(), 5);
  EXPECT_EQ(w.fullScreenGroup->Chosen(), 0);
  EXPECT_EQ(w.videoInputGroup->Count(), 17);
  EXPECT_EQ(w.videoInputGroup->Button(14)->text(), "5 tiles");
  EXPECT_EQ(w.videoInputGroup->Chosen(), 6);
  EXPECT_EQ(w.videoOutputGroup->Count(), 23);
  EXPECT_EQ(w.videoOutputGroup->Button(17)->text(), "Sharp 3D diaplay");
  EXPECT_EQ(w.videoOutputGroup->Chosen(), 6);
  EXPECT_EQ(w.deinterlaceBox->text(), "Enable deinterlacing");
  EXPECT_FALSE(w.deinterlaceBox->isChecked());
  EXPECT_EQ(w.parallaxEdit->text(), "0");

  w.locationEdit->setText(R"(D:\Players\player.exe)");
  EXPECT_EQ(w.window.BuildSPlayerCommandLine("movie.avi", "", "\""),
            R"("D:\Players\player.exe" -file:"movie.avi" -il:SideBySideLF -fp -play -nl )"
            R"(-termkey -termend -fss -ol:SideBySideLF -di:0)");
  w.fullScreenBox->setChecked(false);
  w.deinterlaceBox->setChecked(true);
  w.parallaxEdit->setText("-0");
  w.videoOutputGroup->Choose(11);
  EXPECT_TRUE(w.window.BuildSPlayerCommandLine("m.avi", "", "\"")
                  .ends_with(" -termend -ol:InterlacedLF -di:1 -ph:-0"));
}

TEST_F(SPlayerWindow, LocationDialogHasNoTitleOfItsOwn) {
  dialogs.answers = {{"/opt/sp/StereoPlayer.exe"}};
  SPlayerControls(app->SPlayerWindow()).selectLocationButton->click();
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].title, "");
  EXPECT_EQ(dialogs.requests[0].filter, "Executable files|*.exe");
  EXPECT_EQ(SPlayerControls(app->SPlayerWindow()).locationEdit->text(), "/opt/sp/StereoPlayer.exe");
  SPlayerControls(app->SPlayerWindow()).selectLocationButton->click();  // cancelled
  EXPECT_EQ(SPlayerControls(app->SPlayerWindow()).locationEdit->text(), "/opt/sp/StereoPlayer.exe");
}

TEST_F(SPlayerWindow, RunWritesOneScriptPerLeftFileBesideIt) {
  std::filesystem::create_directories(dir.path() / "a");
  std::filesystem::create_directories(dir.path() / "b");
  SPlayerControls(app->SPlayerWindow()).addToListBox->setChecked(true);
  SPlayerControls(app->SPlayerWindow()).videoInputGroup->Choose(1);
  SPlayerControls(app->SPlayerWindow()).scriptKindGroup->Choose(0);
  SPlayerControls(app->SPlayerWindow()).locationEdit->setText("sp.exe");
  dialogs.answers = {{dir.file("a/l1.avi"), dir.file("b/l2.avi")},
                     {dir.file("b/r1.avi"), dir.file("a/r2.avi"), dir.file("r3.avi")}};
  SPlayerControls(app->SPlayerWindow()).selectVideosButton->click();
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(dir.read("a/l1.bat"), R"("sp.exe" -left:"l1.avi" -right:"r1.avi" -fp -play -nl )"
                                  R"(-termkey -termend -fss -ol:SideBySideLF -di:0)"
                                  "\r\n");
  EXPECT_NE(dir.read("b/l2.bat").find(R"(-left:"l2.avi" -right:"r2.avi")"), std::string::npos);
  EXPECT_EQ(app->ListWindow().List().Items(), (Files{R"(a\l1.bat)", R"(b\l2.bat)"}));
}
