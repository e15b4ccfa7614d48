#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "PlayerWindowsTestAccess.h"
#include "UiFixture.h"
#include "showlist/ShowListWindowAccess.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

using Files = std::vector<std::string>;

class BinoWindow : public UiFixture {
 protected:
  BinoWindow() {
    std::filesystem::create_directories(dir.path() / "videos");
    // .bat scripts unless a test chooses otherwise; the window shows it when built.
    app->Values().settings.binoScriptKind = 0;
  }
  std::string Video(const std::string& name) const { return dir.file("videos/" + name); }
  std::string Read(const std::string& name) const { return dir.read("videos/" + name); }
  Files List() const { return app->ListWindow().List().Items(); }
};

QStringList Captions(const RadioGroup* group) {
  QStringList captions;
  for (int i = 0; i < group->Count(); ++i) captions << group->Button(i)->text();
  return captions;
}

}  // namespace

// The window as a first run shows it: the settings' defaults in the designed controls (but for
// the .bat scripts of the fixture).
TEST_F(BinoWindow, FirstRunValues) {
  BinoControls w(app->BinoWindow());
  EXPECT_EQ(w.window.windowTitle(), "Bino settings");
  EXPECT_EQ(w.window.font().family(), "Tahoma");
  EXPECT_EQ(w.window.font().pixelSize(), 11);
  EXPECT_EQ(w.selectLocationButton->text(), "Select Bino location");
  EXPECT_EQ(w.selectVideosButton->text(), "Select Video File(s)");
  EXPECT_EQ(w.locationEdit->text(), "");
  EXPECT_EQ(w.addToListBox->text(), "Add file(s) to the list");
  EXPECT_TRUE(w.addToListBox->isChecked());
  EXPECT_EQ(w.scriptKindGroup->title(), "File types");
  EXPECT_EQ(Captions(w.scriptKindGroup), QStringList({"Make BAT file(s)", "Make VBS file(s)"}));
  EXPECT_EQ(w.scriptKindGroup->Chosen(), 0);

  EXPECT_TRUE(w.noGuiBox->isChecked());
  EXPECT_TRUE(w.centerBox->isChecked());
  EXPECT_FALSE(w.swapBox->isChecked());
  EXPECT_TRUE(w.fullScreenBox->isChecked());
  EXPECT_EQ(w.fullScreenGroup->title(), "Additional full screen options");
  EXPECT_EQ(w.fullScreenGroup->Count(), 5);
  EXPECT_EQ(w.fullScreenGroup->Chosen(), 0);
  EXPECT_EQ(w.videoInputGroup->title(), "Video input options");
  EXPECT_EQ(w.videoInputGroup->Count(), 12);
  EXPECT_EQ(w.videoInputGroup->Button(1)->text(), "separate left-right (left first)");
  EXPECT_EQ(w.videoInputGroup->Chosen(), 6);
  EXPECT_EQ(w.videoOutputGroup->title(), "Video output options");
  EXPECT_EQ(w.videoOutputGroup->Count(), 16);
  EXPECT_EQ(w.videoOutputGroup->Button(15)->text(), "Open GL quad buffer stereo");
  EXPECT_EQ(w.videoOutputGroup->Chosen(), 4);
  EXPECT_EQ(w.crossTalkBox->text(), "Enable crosstalk correction");
  EXPECT_FALSE(w.crossTalkBox->isChecked());
  for (const QLineEdit* e :
       {w.crossTalkREdit, w.crossTalkGEdit, w.crossTalkBEdit, w.ghostBustingEdit})
    EXPECT_EQ(e->text(), "0");
  EXPECT_EQ(w.subtitlesBox->text(), "Add subtitles");
  EXPECT_FALSE(w.subtitlesBox->isChecked());
  for (const ComboBox* c : {w.subEncodingCombo, w.subFontCombo}) {
    EXPECT_EQ(c->Text(), c->itemText(0));
    EXPECT_EQ(c->Chosen(), 0);
  }
  EXPECT_EQ(w.subColourCombo->Text(), "default");  // no setting of its own
  EXPECT_EQ(w.subColourCombo->Chosen(), -1);
  EXPECT_EQ(w.subEncodingCombo->count(), 12);
  EXPECT_EQ(w.subEncodingCombo->itemText(11), "windows-1252");
  EXPECT_EQ(w.subFontCombo->count(), 10);
  EXPECT_EQ(w.subFontCombo->itemText(7), "Courier New");
  EXPECT_EQ(w.subColourCombo->count(), 9);
  EXPECT_EQ(w.subColourCombo->itemText(8), "00FFFF");
  EXPECT_EQ(w.subSizeEdit->text(), "12");
  EXPECT_EQ(w.subParallaxEdit->text(), "0");

  w.locationEdit->setText(R"(D:\Players\player.exe)");
  EXPECT_EQ(w.window.BuildBinoCommandLine("movie.avi", "", "\""),
            R"("D:\Players\player.exe" -n -c -f -i left-right -o left-right "movie.avi")");
}

TEST_F(BinoWindow, ControlsReachTheCommandLine) {
  BinoControls w(app->BinoWindow());
  w.swapBox->setChecked(true);
  w.fullScreenGroup->Choose(2);
  w.crossTalkBox->setChecked(true);
  w.ghostBustingEdit->setText("0.5");
  w.crossTalkBEdit->setText("0.3");
  w.videoOutputGroup->Choose(12);
  w.subtitlesBox->setChecked(true);
  w.subFontCombo->Choose(7);
  w.subEncodingCombo->SetText("UTF-8");  // typed, not chosen
  w.subParallaxEdit->setText("0.0");
  EXPECT_EQ(w.window.BuildBinoCommandLine("a.avi", "", "\""),
            R"("" -n -c -S --fullscreen-flop-left --ghostbust=0.5 --crosstalk=0,0,0.3 )"
            R"(-i left-right -o red-cyan-dubois "a.avi" "a.srt" --subtitle=1 )"
            R"(--subtitle-font=Courier New --subtitle-size=12 --parallax=0.0)");
}

// The three crosstalk fields and the ghostbusting one, each with a value of its own, reach their
// own places of the option, from the settings file as from the operator.
TEST_F(BinoWindow, EachCrosstalkFieldReachesItsOwnPlace) {
  dir.write("quadrel.INI",
            "[Bino]\r\nCrossTalkEnable=1\r\nCrossTalkR=0.1\r\nCrossTalkG=0.2\r\n"
            "CrossTalkB=0.3\r\nGhostbusting=0.4\r\n");
  Activate();
  BinoControls w(app->BinoWindow());
  const auto line = [&] { return w.window.BuildBinoCommandLine("a.avi", "", "\""); };
  EXPECT_NE(line().find(" --ghostbust=0.4 --crosstalk=0.1,0.2,0.3 "), std::string::npos) << line();
  w.crossTalkREdit->setText("0.7");
  w.crossTalkGEdit->setText("0.8");
  w.crossTalkBEdit->setText("0.9");
  w.ghostBustingEdit->setText("0.6");
  EXPECT_NE(line().find(" --ghostbust=0.6 --crosstalk=0.7,0.8,0.9 "), std::string::npos) << line();
  dialogs.answers = {{Video("m.avi")}};
  w.selectVideosButton->click();
  EXPECT_NE(Read("m.vbs").find("--ghostbust=0.6 --crosstalk=0.7,0.8,0.9 "), std::string::npos);
  const Settings& settings = app->Values().settings;
  EXPECT_EQ(settings.binoCrossTalkR, "0.7");
  EXPECT_EQ(settings.binoCrossTalkG, "0.8");
  EXPECT_EQ(settings.binoCrossTalkB, "0.9");
  EXPECT_EQ(settings.binoGhostBusting, "0.6");
}

TEST_F(BinoWindow, LocationDialog) {
  dialogs.answers = {{}, {"/opt/bino/bino"}};
  BinoControls(app->BinoWindow()).locationEdit->setText("typed");
  BinoControls(app->BinoWindow()).selectLocationButton->click();
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].title, "Select Bino exe file");
  EXPECT_EQ(dialogs.requests[0].filter, "Executable files|*.exe");
  EXPECT_FALSE(dialogs.requests[0].multiSelect);
  EXPECT_FALSE(dialogs.requests[0].save);
  EXPECT_EQ(BinoControls(app->BinoWindow()).locationEdit->text(), "typed");
  BinoControls(app->BinoWindow()).selectLocationButton->click();
  EXPECT_EQ(BinoControls(app->BinoWindow()).locationEdit->text(), "/opt/bino/bino");
  EXPECT_TRUE(messages.errors.empty());
}

TEST_F(BinoWindow, RunAppendsScriptsToTheList) {
  app->ListWindow().List().Append("earlier.avi");
  BinoControls(app->BinoWindow()).locationEdit->setText(R"(D:\Players\player.exe)");
  BinoControls(app->BinoWindow()).addToListBox->setChecked(true);
  BinoControls(app->BinoWindow()).scriptKindGroup->Choose(1);
  dialogs.answers = {{Video("movie.avi"), Video("b.mkv")}};
  BinoControls(app->BinoWindow()).selectVideosButton->click();
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].title, "Select video clip(s)");
  EXPECT_TRUE(dialogs.requests[0].multiSelect);
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(Read("movie.vbs"),
            "Dim return\r\nSet WSHShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
            "return=WshShell.Run(\"\"\"D:\\Players\\player.exe\"\" -n -c -f -i left-right -o "
            "left-right \"\"movie.avi\"\"\", 1, true)\r\n");
  EXPECT_FALSE(Read("b.vbs").empty());
  EXPECT_EQ(List(), (Files{"earlier.avi", R"(videos\movie.vbs)", R"(videos\b.vbs)"}));

  // Unticked: scripts are written, the list stays.
  BinoControls(app->BinoWindow()).addToListBox->setChecked(false);
  BinoControls(app->BinoWindow()).scriptKindGroup->Choose(0);
  dialogs.answers = {{Video("movie.avi")}};
  BinoControls(app->BinoWindow()).selectVideosButton->click();
  EXPECT_FALSE(Read("movie.bat").empty());
  EXPECT_EQ(List().size(), 3u);
}

TEST_F(BinoWindow, UnwritableScriptShowsTheCreateErrorAndKeepsEarlierScripts) {
  BinoControls(app->BinoWindow()).addToListBox->setChecked(true);
  std::filesystem::create_directory(dir.path() / "videos" / "b.bat");
  dialogs.answers = {{Video("a.avi"), Video("b.avi"), Video("c.avi")}};
  BinoControls(app->BinoWindow()).selectVideosButton->click();
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].first, "quadrel");
  const std::string& text = messages.errors[0].second;
  EXPECT_TRUE(text.starts_with("Cannot create file \"" + Video("b.bat") + "\". ")) << text;
  EXPECT_TRUE(text.ends_with(".")) << text;
  EXPECT_FALSE(Read("a.bat").empty());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "videos" / "c.bat"));
  EXPECT_EQ(List(), Files{R"(videos\a.bat)"});
  EXPECT_TRUE(app->BinoWindow().isEnabled());
}

TEST_F(BinoWindow, AFolderWithAScriptBesideItsVideoIsRefusedAndNothingWritten) {
  // "All files" of a folder holding plain.avi and its script plain.bat.
  BinoControls(app->BinoWindow()).addToListBox->setChecked(true);
  dir.write("videos/plain.avi", "video");
  dir.write("videos/plain.bat", "the operator's own script\r\n");
  dialogs.answers = {{Video("plain.avi"), Video("plain.bat")}, {Video("plain.bat")}};
  BinoControls(app->BinoWindow()).selectVideosButton->click();
  BinoControls(app->BinoWindow()).selectVideosButton->click();
  ASSERT_EQ(messages.errors.size(), 2u);
  for (const auto& [title, text] : messages.errors)
    EXPECT_EQ(text, "Cannot create file \"" + Video("plain.bat") + "\". The chosen file " +
                        Video("plain.bat") +
                        " is a launch script, not a video; nothing of this choice was written.");
  EXPECT_EQ(Read("plain.bat"), "the operator's own script\r\n");
  EXPECT_TRUE(List().empty());
  EXPECT_TRUE(app->BinoWindow().isEnabled());
}

TEST_F(BinoWindow, SeparateLeftRightRunWithCancelledRightDialog) {
  BinoControls(app->BinoWindow()).addToListBox->setChecked(true);
  BinoControls(app->BinoWindow()).videoInputGroup->Choose(1);
  dialogs.answers = {{Video("l.avi")}};
  BinoControls(app->BinoWindow()).selectVideosButton->click();
  ASSERT_EQ(dialogs.requests.size(), 2u);
  EXPECT_EQ(dialogs.requests[0].title, "Select left video clip(s)");
  EXPECT_EQ(dialogs.requests[1].title, "Select right video clip(s)");
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].second, "List index out of bounds (0)");
  EXPECT_TRUE(List().empty());

  dialogs.answers = {{Video("l.avi")}, {dir.file("r.avi")}};
  BinoControls(app->BinoWindow()).selectVideosButton->click();
  EXPECT_EQ(Read("l.bat"), R"("" -n -c -f -i separate-left-right -o left-right "l.avi" "r.avi")"
                           "\r\n");
  EXPECT_EQ(List(), Files{R"(videos\l.bat)"});
}

TEST_F(BinoWindow, Bino2GreysOutWhatItCannotHonourAndBino1ComesBackWhole) {
  BinoControls w(app->BinoWindow());
  EXPECT_EQ(w.versionGroup->title(), "Bino version");
  EXPECT_EQ(Captions(w.versionGroup), QStringList({"Bino 1", "Bino 2.0 to 2.7 (--read-commands)",
                                                   "Bino 2.8 or later (--control-file)"}));
  EXPECT_EQ(w.versionGroup->Chosen(), 0);
  EXPECT_TRUE(w.bino2Note->isHidden());

  const std::vector<QWidget*> bino1Only = {w.noGuiBox,
                                           w.centerBox,
                                           w.fullScreenGroup,
                                           w.crossTalkBox,
                                           w.ghostBustingEdit,
                                           w.subtitlesBox,
                                           w.subEncodingCombo,
                                           w.subParallaxEdit,
                                           w.videoInputGroup->Button(1),
                                           w.videoInputGroup->Button(10),
                                           w.videoInputGroup->Button(11)};
  const std::vector<QWidget*> shared = {
      w.swapBox,      w.fullScreenBox,   w.videoOutputGroup, w.videoInputGroup->Button(6),
      w.locationEdit, w.scriptKindGroup, w.addToListBox,     w.selectVideosButton};
  // The setting's own load goes through Choose, so that must grey out too, not a click.
  w.versionGroup->Choose(2);
  EXPECT_FALSE(w.bino2Note->isHidden());
  for (QWidget* c : bino1Only) EXPECT_FALSE(c->isEnabled()) << c->metaObject()->className();
  for (QWidget* c : shared) EXPECT_TRUE(c->isEnabled()) << c->metaObject()->className();

  w.versionGroup->Button(0)->click();
  EXPECT_TRUE(w.bino2Note->isHidden());
  for (QWidget* c : bino1Only) EXPECT_TRUE(c->isEnabled()) << c->metaObject()->className();

  // Bino 1 scripts are the same bytes as ever after a visit to Bino 2, and come alone.
  w.locationEdit->setText(R"(D:\Players\player.exe)");
  dialogs.answers = {{Video("movie.avi")}};
  w.selectVideosButton->click();
  EXPECT_EQ(Read("movie.bat"),
            R"("D:\Players\player.exe" -n -c -f -i left-right -o left-right "movie.avi")"
            "\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "videos" / "movie.bino"));
}

TEST_F(BinoWindow, Bino2RunWritesCommandFilesAndListsTheScripts) {
  BinoControls w(app->BinoWindow());
  w.versionGroup->Choose(1);
  w.locationEdit->setText("/opt/bino/bino");
  w.addToListBox->setChecked(true);
  w.swapBox->setChecked(true);
  w.videoOutputGroup->Choose(10);
  dialogs.answers = {{Video("a clip.avi")}};
  w.selectVideosButton->click();
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(Read("a clip.bat"), "\"/opt/bino/bino\" --read-commands \"a clip.bino\"\r\n");
  EXPECT_EQ(Read("a clip.bino"),
            "set-output-mode red-cyan-monochrome\r\nset-fullscreen on\r\n"
            "open --input left-right a%20clip.avi\r\nset-swap-eyes on\r\nwait stop\r\nquit\r\n");
  EXPECT_EQ(List(), Files{R"(videos\a clip.bat)"});
}

TEST_F(BinoWindow, Bino2RefusesAChoiceItHasNoEquivalentForBeforeAnyDialog) {
  BinoControls w(app->BinoWindow());
  w.addToListBox->setChecked(true);
  w.videoInputGroup->Choose(10);  // chosen under Bino 1, then Bino 2 chosen
  w.versionGroup->Choose(1);
  w.selectVideosButton->click();
  EXPECT_TRUE(dialogs.requests.empty());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].second,
            "Bino 2 cannot read the video input \"even-odd rows (left in even rows)\". Choose "
            "another video input, or Bino 1.");
  EXPECT_TRUE(List().empty());
  EXPECT_EQ(dir.listing().find(".bino"), std::string::npos);
}
