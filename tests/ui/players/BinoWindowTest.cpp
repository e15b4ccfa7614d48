#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "UiFixture.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

using Files = std::vector<std::string>;

class BinoWindow : public UiFixture {
 protected:
  BinoWindow() { std::filesystem::create_directories(dir.path() / "videos"); }
  std::string Video(const std::string& name) const { return dir.file("videos/" + name); }
  std::string Read(const std::string& name) const { return dir.read("videos/" + name); }
  Files List() const { return Form_Setup->Items().Items(); }
};

QStringList Captions(const TRadioGroup* group) {
  QStringList captions;
  for (int i = 0; i < group->Count(); ++i) captions << group->Button(i)->text();
  return captions;
}

}  // namespace

TEST_F(BinoWindow, DesignValues) {
  TForm_Bino& w = *Form_Bino;
  EXPECT_EQ(w.windowTitle(), "Bino settings");
  EXPECT_EQ(w.font().family(), "Tahoma");
  EXPECT_EQ(w.font().pixelSize(), 11);
  EXPECT_EQ(w.Button_BinoSelectLocation->text(), "Select Bino location");
  EXPECT_EQ(w.Button_BinoSelectVideo->text(), "Select Video File(s)");
  EXPECT_EQ(w.Edit_BinoLocation->text(), "");
  EXPECT_EQ(w.CheckBox_BinoAddList->text(), "Add file(s) to the list");
  EXPECT_FALSE(w.CheckBox_BinoAddList->isChecked());
  EXPECT_EQ(w.Radio_bat_vbs->title(), "File types");
  EXPECT_EQ(Captions(w.Radio_bat_vbs), QStringList({"Make BAT file(s)", "Make VBS file(s)"}));
  EXPECT_EQ(w.Radio_bat_vbs->ItemIndex(), 0);

  EXPECT_TRUE(w.CheckBox_Bino_NoGUI->isChecked());
  EXPECT_TRUE(w.CheckBox_BinoCenter->isChecked());
  EXPECT_FALSE(w.CheckBox_BinoSwap->isChecked());
  EXPECT_TRUE(w.CheckBox_BinoFullScreen->isChecked());
  EXPECT_EQ(w.RadioGroup_BinoFullScreen->title(), "Additional full screen options");
  EXPECT_EQ(w.RadioGroup_BinoFullScreen->Count(), 5);
  EXPECT_EQ(w.RadioGroup_BinoFullScreen->ItemIndex(), 0);
  EXPECT_EQ(w.RadioGroup_BinoVideoInput->title(), "Video input options");
  EXPECT_EQ(w.RadioGroup_BinoVideoInput->Count(), 12);
  EXPECT_EQ(w.RadioGroup_BinoVideoInput->Button(1)->text(), "separate left-right (left first)");
  EXPECT_EQ(w.RadioGroup_BinoVideoInput->ItemIndex(), 6);
  EXPECT_EQ(w.RadioGroup_BinoVideoOutput->title(), "Video output options");
  EXPECT_EQ(w.RadioGroup_BinoVideoOutput->Count(), 16);
  EXPECT_EQ(w.RadioGroup_BinoVideoOutput->Button(15)->text(), "Open GL quad buffer stereo");
  EXPECT_EQ(w.RadioGroup_BinoVideoOutput->ItemIndex(), 4);
  EXPECT_EQ(w.CheckBox_Bino_CrossTalk->text(), "Enable crosstalk correction");
  EXPECT_FALSE(w.CheckBox_Bino_CrossTalk->isChecked());
  for (const QLineEdit* e : {w.Edit_BinoR, w.Edit_BinoG, w.Edit_BinoB, w.Edit_BinoGhostBusting})
    EXPECT_EQ(e->text(), "0");
  EXPECT_EQ(w.Check_sub->text(), "Add subtitles");
  EXPECT_FALSE(w.Check_sub->isChecked());
  for (const TComboBox* c : {w.Combo_sub_enc, w.Combo_sub_font, w.Combo_sub_col}) {
    EXPECT_EQ(c->Text(), "default");
    EXPECT_EQ(c->ItemIndex(), -1);
  }
  EXPECT_EQ(w.Combo_sub_enc->count(), 12);
  EXPECT_EQ(w.Combo_sub_enc->itemText(11), "windows-1252");
  EXPECT_EQ(w.Combo_sub_font->count(), 10);
  EXPECT_EQ(w.Combo_sub_font->itemText(7), "Courier New");
  EXPECT_EQ(w.Combo_sub_col->count(), 9);
  EXPECT_EQ(w.Combo_sub_col->itemText(8), "00FFFF");
  EXPECT_EQ(w.Edit_sub_size->text(), "12");
  EXPECT_EQ(w.Edit_sub_par->text(), "0");

  w.Edit_BinoLocation->setText(R"(D:\Players\player.exe)");
  EXPECT_EQ(w.BuildBinoCommandLine("movie.avi", "", "\""),
            R"("D:\Players\player.exe" -n -c -f -i left-right -o left-right "movie.avi")");
}

TEST_F(BinoWindow, ControlsReachTheCommandLine) {
  TForm_Bino& w = *Form_Bino;
  w.CheckBox_BinoSwap->setChecked(true);
  w.RadioGroup_BinoFullScreen->SetItemIndex(2);
  w.CheckBox_Bino_CrossTalk->setChecked(true);
  w.Edit_BinoGhostBusting->setText("0.5");
  w.Edit_BinoB->setText("0.3");
  w.RadioGroup_BinoVideoOutput->SetItemIndex(12);
  w.Check_sub->setChecked(true);
  w.Combo_sub_font->SetItemIndex(7);
  w.Combo_sub_enc->SetText("UTF-8");  // typed, not chosen
  w.Edit_sub_par->setText("0.0");
  EXPECT_EQ(w.BuildBinoCommandLine("a.avi", "", "\""),
            R"("" -n -c -S --fullscreen-flop-left --ghostbust=0.5 --crosstalk=0,0,0.3 )"
            R"(-i left-right -o red-cyan-dubois "a.avi" "a.srt" --subtitle=1 )"
            R"(--subtitle-font=Courier New --subtitle-size=12 --parallax=0.0)");
}

TEST_F(BinoWindow, LocationDialog) {
  dialogs.answers = {{}, {"/opt/bino/bino"}};
  Form_Bino->Edit_BinoLocation->setText("typed");
  Form_Bino->Button_BinoSelectLocation->click();
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].title, "Select Bino exe file");
  EXPECT_EQ(dialogs.requests[0].filter, "Executable files|*.exe");
  EXPECT_FALSE(dialogs.requests[0].multiSelect);
  EXPECT_FALSE(dialogs.requests[0].save);
  EXPECT_EQ(Form_Bino->Edit_BinoLocation->text(), "typed");
  Form_Bino->Button_BinoSelectLocation->click();
  EXPECT_EQ(Form_Bino->Edit_BinoLocation->text(), "/opt/bino/bino");
  EXPECT_TRUE(messages.errors.empty());
}

TEST_F(BinoWindow, RunAppendsScriptsToTheList) {
  Form_Setup->Items().Append("earlier.avi");
  Form_Bino->Edit_BinoLocation->setText(R"(D:\Players\player.exe)");
  Form_Bino->CheckBox_BinoAddList->setChecked(true);
  Form_Bino->Radio_bat_vbs->SetItemIndex(1);
  dialogs.answers = {{Video("movie.avi"), Video("b.mkv")}};
  Form_Bino->Button_BinoSelectVideo->click();
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
  Form_Bino->CheckBox_BinoAddList->setChecked(false);
  Form_Bino->Radio_bat_vbs->SetItemIndex(0);
  dialogs.answers = {{Video("movie.avi")}};
  Form_Bino->Button_BinoSelectVideo->click();
  EXPECT_FALSE(Read("movie.bat").empty());
  EXPECT_EQ(List().size(), 3u);
}

TEST_F(BinoWindow, UnwritableScriptShowsTheCreateErrorAndKeepsEarlierScripts) {
  Form_Bino->CheckBox_BinoAddList->setChecked(true);
  std::filesystem::create_directory(dir.path() / "videos" / "b.bat");
  dialogs.answers = {{Video("a.avi"), Video("b.avi"), Video("c.avi")}};
  Form_Bino->Button_BinoSelectVideo->click();
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].first, "quadrel");
  const std::string& text = messages.errors[0].second;
  EXPECT_TRUE(text.starts_with("Cannot create file \"" + Video("b.bat") + "\". ")) << text;
  EXPECT_TRUE(text.ends_with(".")) << text;
  EXPECT_FALSE(Read("a.bat").empty());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "videos" / "c.bat"));
  EXPECT_EQ(List(), Files{R"(videos\a.bat)"});
  EXPECT_TRUE(Form_Bino->isEnabled());
}

TEST_F(BinoWindow, SeparateLeftRightRunWithCancelledRightDialog) {
  Form_Bino->CheckBox_BinoAddList->setChecked(true);
  Form_Bino->RadioGroup_BinoVideoInput->SetItemIndex(1);
  dialogs.answers = {{Video("l.avi")}};
  Form_Bino->Button_BinoSelectVideo->click();
  ASSERT_EQ(dialogs.requests.size(), 2u);
  EXPECT_EQ(dialogs.requests[0].title, "Select left video clip(s)");
  EXPECT_EQ(dialogs.requests[1].title, "Select right video clip(s)");
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].second, "List index out of bounds (0)");
  EXPECT_TRUE(List().empty());

  dialogs.answers = {{Video("l.avi")}, {dir.file("r.avi")}};
  Form_Bino->Button_BinoSelectVideo->click();
  EXPECT_EQ(Read("l.bat"), R"("" -n -c -f -i separate-left-right -o left-right "l.avi" "r.avi")"
                           "\r\n");
  EXPECT_EQ(List(), Files{R"(videos\l.bat)"});
}

TEST_F(BinoWindow, Bino2GreysOutWhatItCannotHonourAndBino1ComesBackWhole) {
  TForm_Bino& w = *Form_Bino;
  EXPECT_EQ(w.RadioGroup_BinoVersion->title(), "Bino version");
  EXPECT_EQ(Captions(w.RadioGroup_BinoVersion),
            QStringList({"Bino 1", "Bino 2.0 to 2.7 (--read-commands)",
                         "Bino 2.8 or later (--control-file)"}));
  EXPECT_EQ(w.RadioGroup_BinoVersion->ItemIndex(), 0);
  EXPECT_TRUE(w.Label_Bino2Note->isHidden());

  const std::vector<QWidget*> bino1Only = {w.CheckBox_Bino_NoGUI,
                                           w.CheckBox_BinoCenter,
                                           w.RadioGroup_BinoFullScreen,
                                           w.CheckBox_Bino_CrossTalk,
                                           w.Edit_BinoGhostBusting,
                                           w.Check_sub,
                                           w.Combo_sub_enc,
                                           w.Edit_sub_par,
                                           w.RadioGroup_BinoVideoInput->Button(1),
                                           w.RadioGroup_BinoVideoInput->Button(10),
                                           w.RadioGroup_BinoVideoInput->Button(11)};
  const std::vector<QWidget*> shared = {
      w.CheckBox_BinoSwap,          w.CheckBox_BinoFullScreen,
      w.RadioGroup_BinoVideoOutput, w.RadioGroup_BinoVideoInput->Button(6),
      w.Edit_BinoLocation,          w.Radio_bat_vbs,
      w.CheckBox_BinoAddList,       w.Button_BinoSelectVideo};
  // The setting's own load goes through SetItemIndex, so that must grey out too, not a click.
  w.RadioGroup_BinoVersion->SetItemIndex(2);
  EXPECT_FALSE(w.Label_Bino2Note->isHidden());
  for (QWidget* c : bino1Only) EXPECT_FALSE(c->isEnabled()) << c->metaObject()->className();
  for (QWidget* c : shared) EXPECT_TRUE(c->isEnabled()) << c->metaObject()->className();

  w.RadioGroup_BinoVersion->Button(0)->click();
  EXPECT_TRUE(w.Label_Bino2Note->isHidden());
  for (QWidget* c : bino1Only) EXPECT_TRUE(c->isEnabled()) << c->metaObject()->className();

  // Bino 1 scripts are the same bytes as ever after a visit to Bino 2, and come alone.
  w.Edit_BinoLocation->setText(R"(D:\Players\player.exe)");
  dialogs.answers = {{Video("movie.avi")}};
  w.Button_BinoSelectVideo->click();
  EXPECT_EQ(Read("movie.bat"),
            R"("D:\Players\player.exe" -n -c -f -i left-right -o left-right "movie.avi")"
            "\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "videos" / "movie.bino"));
}

TEST_F(BinoWindow, Bino2RunWritesCommandFilesAndListsTheScripts) {
  TForm_Bino& w = *Form_Bino;
  w.RadioGroup_BinoVersion->SetItemIndex(1);
  w.Edit_BinoLocation->setText("/opt/bino/bino");
  w.CheckBox_BinoAddList->setChecked(true);
  w.CheckBox_BinoSwap->setChecked(true);
  w.RadioGroup_BinoVideoOutput->SetItemIndex(10);
  dialogs.answers = {{Video("a clip.avi")}};
  w.Button_BinoSelectVideo->click();
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(Read("a clip.bat"), "\"/opt/bino/bino\" --read-commands \"a clip.bino\"\r\n");
  EXPECT_EQ(Read("a clip.bino"),
            "set-output-mode red-cyan-monochrome\r\nset-fullscreen on\r\n"
            "open --input left-right a%20clip.avi\r\nset-swap-eyes on\r\nwait stop\r\nquit\r\n");
  EXPECT_EQ(List(), Files{R"(videos\a clip.bat)"});
}

TEST_F(BinoWindow, Bino2RefusesAChoiceItHasNoEquivalentForBeforeAnyDialog) {
  TForm_Bino& w = *Form_Bino;
  w.CheckBox_BinoAddList->setChecked(true);
  w.RadioGroup_BinoVideoInput->SetItemIndex(10);  // chosen under Bino 1, then Bino 2 chosen
  w.RadioGroup_BinoVersion->SetItemIndex(1);
  w.Button_BinoSelectVideo->click();
  EXPECT_TRUE(dialogs.requests.empty());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].second,
            "Bino 2 cannot read the video input \"even-odd rows (left in even rows)\". Choose "
            "another video input, or Bino 1.");
  EXPECT_TRUE(List().empty());
  EXPECT_EQ(dir.listing().find(".bino"), std::string::npos);
}
