#include "ui/players/BinoSettingsWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/controls/ComboBox.h"
#include "ui/controls/RadioGroup.h"
#include "core/AppError.h"
#include "ui/qt/TextCodec.h"
#include "core/players/Bino2CommandFile.h"
#include "ui/players/PlayerWindowParts.h"
#include "core/players/WriteLaunchScripts.h"
#include "core/HandlerGuard.h"

TForm_Bino* Form_Bino = nullptr;

TForm_Bino::TForm_Bino(Services& services) : QDialog(nullptr), services_(services) {
  setWindowTitle(QStringLiteral("Bino settings"));
  setFont(PlayerWindowFont());

  // Location.
  auto* location = new QGroupBox(this);
  Button_BinoSelectLocation = MakeButton(location, "Select Bino location");
  Edit_BinoLocation = new QLineEdit(location);
  auto* locationRow = new QHBoxLayout(location);
  locationRow->addWidget(Button_BinoSelectLocation);
  locationRow->addWidget(Edit_BinoLocation, 1);
  OpenDialog_BinoLocation.title = "Select Bino exe file";
  OpenDialog_BinoLocation.filter = "Executable files|*.exe";
  OpenDialog_BinoSelectVideo_L.multiSelect = true;
  OpenDialog_BinoSelectVideo_R.multiSelect = true;

  // Main settings.
  auto* main = new QGroupBox(QStringLiteral("Main settings"), this);
  auto* mainColumn = new QVBoxLayout(main);
  CheckBox_Bino_NoGUI = MakeCheckBox(main, mainColumn, "Do not use GUI", true);
  CheckBox_BinoCenter = MakeCheckBox(main, mainColumn, "Center window on screen", true);
  CheckBox_BinoSwap = MakeCheckBox(main, mainColumn, "Swap left-right", false);

  // Full screen options.
  auto* full = new QGroupBox(QStringLiteral("Full screen options"), this);
  auto* fullColumn = new QVBoxLayout(full);
  CheckBox_BinoFullScreen = MakeCheckBox(full, fullColumn, "Full screen", true);
  RadioGroup_BinoFullScreen =
      MakeRadioGroup(full, "Additional full screen options", kBinoFullScreenOptions, 0);
  fullColumn->addWidget(RadioGroup_BinoFullScreen);

  // Crosstalk and ghostbusting.
  auto* cross = new QGroupBox(QStringLiteral("Crosstalk and Ghostbusting options"), this);
  auto* crossColumn = new QVBoxLayout(cross);
  CheckBox_Bino_CrossTalk = MakeCheckBox(cross, crossColumn, "Enable crosstalk correction", false);
  auto* values = new QGroupBox(QStringLiteral("Crosstalk values (0-1)"), cross);
  auto* valuesRow = new QHBoxLayout(values);
  Edit_BinoR = MakeLabelledEdit(values, valuesRow, "R", "0");
  Edit_BinoG = MakeLabelledEdit(values, valuesRow, "G", "0");
  Edit_BinoB = MakeLabelledEdit(values, valuesRow, "B", "0");
  crossColumn->addWidget(values);
  auto* ghostRow = new QHBoxLayout;
  Edit_BinoGhostBusting = MakeLabelledEdit(cross, ghostRow, "Ghostbusting parameter (0-1)", "0");
  crossColumn->addLayout(ghostRow);

  // Input and output.
  RadioGroup_BinoVideoInput = MakeRadioGroup(this, "Video input options", kBinoVideoInputs, 6);
  RadioGroup_BinoVideoOutput = MakeRadioGroup(this, "Video output options", kBinoVideoOutputs, 4);

  // Subtitles.
  auto* subs = new QGroupBox(QStringLiteral("Subtitles"), this);
  auto* subsGrid = new QGridLayout(subs);
  Check_sub = new QCheckBox(QStringLiteral("Add subtitles"), subs);
  subsGrid->addWidget(Check_sub, 0, 0, 1, 2);
  Combo_sub_enc = new TComboBox(subs, ItemList(kBinoSubtitleEncodings), "default");
  Combo_sub_font = new TComboBox(subs, ItemList(kBinoSubtitleFonts), "default");
  Combo_sub_col = new TComboBox(subs, ItemList(kBinoSubtitleColours), "default");
  Edit_sub_size = new QLineEdit(QStringLiteral("12"), subs);
  Edit_sub_par = new QLineEdit(QStringLiteral("0"), subs);
  const std::pair<const char*, QWidget*> subRows[] = {{"Encoding", Combo_sub_enc},
                                                      {"Font", Combo_sub_font},
                                                      {"Subtitle colour", Combo_sub_col},
                                                      {"Font size", Edit_sub_size},
                                                      {"Parallax", Edit_sub_par}};
  int row = 1;
  for (const auto& [caption, field] : subRows) {
    subsGrid->addWidget(new QLabel(QString::fromUtf8(caption), subs), row, 0);
    subsGrid->addWidget(field, row++, 1);
  }
  subsGrid->setRowStretch(row, 1);

  // Bino version.
  RadioGroup_BinoVersion =
      new TRadioGroup(this, QStringLiteral("Bino version"), ItemList(kBinoVersionCaptions));
  RadioGroup_BinoVersion->SetItemIndex(0);
  Label_Bino2Note = new QLabel(
      QStringLiteral("Bino 2 has no GUI-less or centred start, full screen flips, crosstalk "
                     "correction, ghostbusting or subtitle files, and cannot read separate "
                     "left/right files or even/odd rows, so those settings are greyed out. Each "
                     "script starts Bino 2 with a command file beside the video, which plays it "
                     "and quits at its end."),
      this);
  Label_Bino2Note->setWordWrap(true);

  // Videos and scripts.
  auto* run = new QGroupBox(this);
  auto* runColumn = new QVBoxLayout(run);
  Button_BinoSelectVideo = MakeButton(run, "Select Video File(s)");
  runColumn->addWidget(Button_BinoSelectVideo);
  CheckBox_BinoAddList = MakeCheckBox(run, runColumn, "Add file(s) to the list", false);
  Radio_bat_vbs = MakeFileTypesGroup(run);
  runColumn->addWidget(Radio_bat_vbs);
  runColumn->addStretch(1);

  auto* left = new QVBoxLayout;
  left->addWidget(main);
  left->addWidget(full);
  left->addWidget(cross);
  left->addStretch(1);
  auto* middle = new QVBoxLayout;
  middle->addWidget(RadioGroup_BinoVideoInput);
  middle->addWidget(RadioGroup_BinoVideoOutput);
  middle->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(RadioGroup_BinoVersion);
  right->addWidget(Label_Bino2Note);
  right->addWidget(subs);
  right->addWidget(run);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(middle);
  columns->addLayout(right);
  auto* window = new QVBoxLayout(this);
  window->addWidget(location);
  window->addLayout(columns);

  // The note wraps at the column's own width instead of widening it, so choosing Bino 2 moves
  // nothing.
  Label_Bino2Note->setFixedWidth(std::max({RadioGroup_BinoVersion->sizeHint().width(),
                                           subs->sizeHint().width(), run->sizeHint().width()}));
  crossTalkGroup_ = cross;
  subtitlesGroup_ = subs;
  // Toggled also follows the settings file's choice, not only the operator's clicks.
  for (int i = 0; i < RadioGroup_BinoVersion->Count(); ++i)
    connect(RadioGroup_BinoVersion->Button(i), &QAbstractButton::toggled, this,
            [this] { ShowBinoVersion(); });
  ShowBinoVersion();

  connect(Button_BinoSelectLocation, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { Button_BinoSelectLocationClick(); }); });
  connect(Button_BinoSelectVideo, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { Button_BinoSelectVideoClick(); }); });
}

BinoOptions TForm_Bino::Options() const {
  BinoOptions o;
  o.location = ToBytes(Edit_BinoLocation->text());
  o.noGui = CheckBox_Bino_NoGUI->isChecked();
  o.center = CheckBox_BinoCenter->isChecked();
  o.swap = CheckBox_BinoSwap->isChecked();
  o.fullScreen = CheckBox_BinoFullScreen->isChecked();
  o.fullScreenItem = RadioGroup_BinoFullScreen->ItemIndex();
  o.videoInput = RadioGroup_BinoVideoInput->ItemIndex();
  o.videoOutput = RadioGroup_BinoVideoOutput->ItemIndex();
  o.crossTalk = CheckBox_Bino_CrossTalk->isChecked();
  o.crossTalkR = ToBytes(Edit_BinoR->text());
  o.crossTalkG = ToBytes(Edit_BinoG->text());
  o.crossTalkB = ToBytes(Edit_BinoB->text());
  o.ghostBusting = ToBytes(Edit_BinoGhostBusting->text());
  o.subtitles = Check_sub->isChecked();
  o.subEncoding = {Combo_sub_enc->ItemIndex(), ToBytes(Combo_sub_enc->Text())};
  o.subFont = {Combo_sub_font->ItemIndex(), ToBytes(Combo_sub_font->Text())};
  o.subColour = {Combo_sub_col->ItemIndex(), ToBytes(Combo_sub_col->Text())};
  o.subSize = ToBytes(Edit_sub_size->text());
  o.subParallax = ToBytes(Edit_sub_par->text());
  return o;
}

std::string TForm_Bino::BuildBinoCommandLine(const std::string& leftName,
                                             const std::string& rightName,
                                             const std::string& quote) const {
  return ::BuildBinoCommandLine(Options(), leftName, rightName, quote);
}

void TForm_Bino::ShowBinoVersion() {
  const bool bino2 = IsBino2(BinoVersionFromIndex(RadioGroup_BinoVersion->ItemIndex()));
  Label_Bino2Note->setVisible(bino2);
  CheckBox_Bino_NoGUI->setEnabled(!bino2);
  CheckBox_BinoCenter->setEnabled(!bino2);
  RadioGroup_BinoFullScreen->setEnabled(!bino2);
  crossTalkGroup_->setEnabled(!bino2);
  subtitlesGroup_->setEnabled(!bino2);
  for (int i = 0; i < RadioGroup_BinoVideoInput->Count(); ++i)
    RadioGroup_BinoVideoInput->Button(i)->setEnabled(!bino2 || !Bino2InputMode(i).empty());
}

void TForm_Bino::Button_BinoSelectLocationClick() {
  ChooseLocation(*services_.dialogs, OpenDialog_BinoLocation, Edit_BinoLocation);
}

void TForm_Bino::Button_BinoSelectVideoClick() {
  LaunchScriptRun run;
  run.separateLeftRight = RadioGroup_BinoVideoInput->ItemIndex() == kSeparateLeftRightInput;
  run.scriptKind = Radio_bat_vbs->ItemIndex();
  run.addToList = CheckBox_BinoAddList->isChecked();
  run.exePath = services_.exePath;
  run.buildCommandLine = [this](const std::string& l, const std::string& r, const std::string& q) {
    return BuildBinoCommandLine(l, r, q);
  };
  run.appendToList = AppendToShowList;
  const BinoVersion version = BinoVersionFromIndex(RadioGroup_BinoVersion->ItemIndex());
  if (IsBino2(version)) {
    // Refused before any dialog: a Bino 2 script never plays something else than was chosen.
    if (std::string refusal = Bino2Refusal(Options()); !refusal.empty()) throw AppError(refusal);
    run.buildCommandLine = [this, version](const std::string& l, const std::string&,
                                           const std::string& q) {
      return BuildBino2CommandLine(Options(), version, Bino2CommandFileName(l), q);
    };
    run.companion = [this](const std::string& left) { return Bino2CommandFile(Options(), left); };
  }
  WriteLaunchScripts(*services_.dialogs, OpenDialog_BinoSelectVideo_L, OpenDialog_BinoSelectVideo_R,
                     run);
}
