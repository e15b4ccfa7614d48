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

#include "base/AppError.h"
#include "core/RunGuarded.h"
#include "core/players/Bino2CommandFile.h"
#include "core/players/WriteLaunchScripts.h"
#include "core/settings/Settings.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/PlayerSettingsControls.h"
#include "ui/qt/QStringBytes.h"

BinoSettingsWindow::BinoSettingsWindow(Services& services, ShowList& list, Settings& settings)
    : QDialog(nullptr), services_(services), list_(list) {
  setWindowTitle(QStringLiteral("Bino settings"));
  setFont(PlayerWindowFont());
  locationDialog.title = "Select Bino exe file";
  locationDialog.filter = "Executable files|*.exe";
  leftVideosDialog.multiSelect = true;
  rightVideosDialog.multiSelect = true;

  QGroupBox* location = BuildLocation();
  QGroupBox* main = BuildMainSettings();
  QGroupBox* full = BuildFullScreen();
  QGroupBox* cross = BuildCrossTalk();
  videoInputGroup_ = MakeRadioGroup(this, "Video input options", kBinoVideoInputs, 6);
  videoOutputGroup_ = MakeRadioGroup(this, "Video output options", kBinoVideoOutputs, 4);
  QGroupBox* subs = BuildSubtitles();
  BuildVersion();
  QGroupBox* run = BuildRun();
  LayOut(location, main, full, cross, subs, run);
  Bind(settings);
  ConnectHandlers();
  ShowSettings();
}

QGroupBox* BinoSettingsWindow::BuildLocation() {
  auto* location = new QGroupBox(this);
  selectLocationButton_ = MakeButton(location, "Select Bino location");
  locationEdit_ = new QLineEdit(location);
  auto* locationRow = new QHBoxLayout(location);
  locationRow->addWidget(selectLocationButton_);
  locationRow->addWidget(locationEdit_, 1);
  return location;
}

QGroupBox* BinoSettingsWindow::BuildMainSettings() {
  auto* main = new QGroupBox(QStringLiteral("Main settings"), this);
  auto* mainColumn = new QVBoxLayout(main);
  noGuiBox_ = MakeCheckBox(main, mainColumn, "Do not use GUI", true);
  centerBox_ = MakeCheckBox(main, mainColumn, "Center window on screen", true);
  swapBox_ = MakeCheckBox(main, mainColumn, "Swap left-right", false);
  return main;
}

QGroupBox* BinoSettingsWindow::BuildFullScreen() {
  auto* full = new QGroupBox(QStringLiteral("Full screen options"), this);
  auto* fullColumn = new QVBoxLayout(full);
  fullScreenBox_ = MakeCheckBox(full, fullColumn, "Full screen", true);
  fullScreenGroup_ =
      MakeRadioGroup(full, "Additional full screen options", kBinoFullScreenOptions, 0);
  fullColumn->addWidget(fullScreenGroup_);
  return full;
}

QGroupBox* BinoSettingsWindow::BuildCrossTalk() {
  auto* cross = new QGroupBox(QStringLiteral("Crosstalk and Ghostbusting options"), this);
  auto* crossColumn = new QVBoxLayout(cross);
  crossTalkBox_ = MakeCheckBox(cross, crossColumn, "Enable crosstalk correction", false);
  auto* values = new QGroupBox(QStringLiteral("Crosstalk values (0-1)"), cross);
  auto* valuesRow = new QHBoxLayout(values);
  crossTalkREdit_ = MakeLabelledEdit(values, valuesRow, "R", "0");
  crossTalkGEdit_ = MakeLabelledEdit(values, valuesRow, "G", "0");
  crossTalkBEdit_ = MakeLabelledEdit(values, valuesRow, "B", "0");
  crossColumn->addWidget(values);
  auto* ghostRow = new QHBoxLayout;
  ghostBustingEdit_ = MakeLabelledEdit(cross, ghostRow, "Ghostbusting parameter (0-1)", "0");
  crossColumn->addLayout(ghostRow);
  crossTalkGroup_ = cross;
  return cross;
}

QGroupBox* BinoSettingsWindow::BuildSubtitles() {
  auto* subs = new QGroupBox(QStringLiteral("Subtitles"), this);
  auto* subsGrid = new QGridLayout(subs);
  subtitlesBox_ = new QCheckBox(QStringLiteral("Add subtitles"), subs);
  subsGrid->addWidget(subtitlesBox_, 0, 0, 1, 2);
  subEncodingCombo_ = new ComboBox(subs, ItemList(kBinoSubtitleEncodings), "default");
  subFontCombo_ = new ComboBox(subs, ItemList(kBinoSubtitleFonts), "default");
  subColourCombo_ = new ComboBox(subs, ItemList(kBinoSubtitleColours), "default");
  subSizeEdit_ = new QLineEdit(QStringLiteral("12"), subs);
  subParallaxEdit_ = new QLineEdit(QStringLiteral("0"), subs);
  const std::pair<const char*, QWidget*> subRows[] = {{"Encoding", subEncodingCombo_},
                                                      {"Font", subFontCombo_},
                                                      {"Subtitle colour", subColourCombo_},
                                                      {"Font size", subSizeEdit_},
                                                      {"Parallax", subParallaxEdit_}};
  int row = 1;
  for (const auto& [caption, field] : subRows) {
    subsGrid->addWidget(new QLabel(QString::fromUtf8(caption), subs), row, 0);
    subsGrid->addWidget(field, row++, 1);
  }
  subsGrid->setRowStretch(row, 1);
  subtitlesGroup_ = subs;
  return subs;
}

void BinoSettingsWindow::BuildVersion() {
  versionGroup_ =
      new RadioGroup(this, QStringLiteral("Bino version"), ItemList(kBinoVersionCaptions));
  versionGroup_->Choose(0);
  bino2Note_ = new QLabel(
      QStringLiteral("Bino 2 has no GUI-less or centred start, full screen flips, crosstalk "
                     "correction, ghostbusting or subtitle files, and cannot read separate "
                     "left/right files or even/odd rows, so those settings are greyed out. Each "
                     "script starts Bino 2 with a command file beside the video, which plays it "
                     "and quits at its end."),
      this);
  bino2Note_->setWordWrap(true);
}

QGroupBox* BinoSettingsWindow::BuildRun() {
  auto* run = new QGroupBox(this);
  auto* runColumn = new QVBoxLayout(run);
  selectVideosButton_ = MakeButton(run, "Select Video File(s)");
  runColumn->addWidget(selectVideosButton_);
  addToListBox_ = MakeCheckBox(run, runColumn, "Add file(s) to the list", false);
  scriptKindGroup_ = MakeFileTypesGroup(run);
  runColumn->addWidget(scriptKindGroup_);
  runColumn->addStretch(1);
  return run;
}

void BinoSettingsWindow::LayOut(QWidget* location, QWidget* main, QWidget* full, QWidget* cross,
                                QWidget* subs, QWidget* run) {
  auto* left = new QVBoxLayout;
  left->addWidget(main);
  left->addWidget(full);
  left->addWidget(cross);
  left->addStretch(1);
  auto* middle = new QVBoxLayout;
  middle->addWidget(videoInputGroup_);
  middle->addWidget(videoOutputGroup_);
  middle->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(versionGroup_);
  right->addWidget(bino2Note_);
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
  bino2Note_->setFixedWidth(std::max(
      {versionGroup_->sizeHint().width(), subs->sizeHint().width(), run->sizeHint().width()}));
}

void BinoSettingsWindow::Bind(Settings& s) {
  bindings_.Bind(locationEdit_, s.binoLocation);
  bindings_.Bind(fullScreenBox_, s.binoFullScreen);
  bindings_.Bind(noGuiBox_, s.binoNoGui);
  bindings_.Bind(centerBox_, s.binoCenter);
  bindings_.Bind(swapBox_, s.binoSwap);
  bindings_.Bind(crossTalkBox_, s.binoCrossTalk);
  bindings_.Bind(addToListBox_, s.binoAddToList);
  bindings_.Bind(fullScreenGroup_, s.binoFullScreenOption);
  bindings_.Bind(videoInputGroup_, s.binoVideoInput);
  bindings_.Bind(videoOutputGroup_, s.binoVideoOutput);
  bindings_.Bind(crossTalkREdit_, s.binoCrossTalkR);
  bindings_.Bind(crossTalkGEdit_, s.binoCrossTalkG);
  bindings_.Bind(crossTalkBEdit_, s.binoCrossTalkB);
  bindings_.Bind(ghostBustingEdit_, s.binoGhostBusting);
  bindings_.Bind(scriptKindGroup_, s.binoScriptKind);
  bindings_.Bind(subtitlesBox_, s.binoSubtitles);
  bindings_.Bind(subEncodingCombo_, s.binoSubtitleEncoding);
  bindings_.Bind(subFontCombo_, s.binoSubtitleFont);
  bindings_.Bind(subSizeEdit_, s.binoSubtitleSize);
  bindings_.Bind(subParallaxEdit_, s.binoSubtitleParallax);
  bindings_.Bind(versionGroup_, s.binoVersion);
}

void BinoSettingsWindow::ConnectHandlers() {
  // Follows the operator's choice and the program's alike; a fill shows the version itself.
  connect(versionGroup_, &RadioGroup::ChoiceChanged, this, [this] { ShowBinoVersion(); });
  connect(selectLocationButton_, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { SelectLocation(); }); });
  connect(selectVideosButton_, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { SelectVideos(); }); });
}

void BinoSettingsWindow::ShowSettings() {
  bindings_.Fill();
  ShowBinoVersion();
}

BinoOptions BinoSettingsWindow::Options() const {
  BinoOptions o;
  o.location = ToBytes(locationEdit_->text());
  o.noGui = noGuiBox_->isChecked();
  o.center = centerBox_->isChecked();
  o.swap = swapBox_->isChecked();
  o.fullScreen = fullScreenBox_->isChecked();
  o.fullScreenItem = fullScreenGroup_->Chosen();
  o.videoInput = videoInputGroup_->Chosen();
  o.videoOutput = videoOutputGroup_->Chosen();
  o.crossTalk = crossTalkBox_->isChecked();
  o.crossTalkR = ToBytes(crossTalkREdit_->text());
  o.crossTalkG = ToBytes(crossTalkGEdit_->text());
  o.crossTalkB = ToBytes(crossTalkBEdit_->text());
  o.ghostBusting = ToBytes(ghostBustingEdit_->text());
  o.subtitles = subtitlesBox_->isChecked();
  o.subEncoding = {subEncodingCombo_->Chosen(), ToBytes(subEncodingCombo_->Text())};
  o.subFont = {subFontCombo_->Chosen(), ToBytes(subFontCombo_->Text())};
  o.subColour = {subColourCombo_->Chosen(), ToBytes(subColourCombo_->Text())};
  o.subSize = ToBytes(subSizeEdit_->text());
  o.subParallax = ToBytes(subParallaxEdit_->text());
  return o;
}

std::string BinoSettingsWindow::BuildBinoCommandLine(const std::string& leftName,
                                                     const std::string& rightName,
                                                     const std::string& quote) const {
  return ::BuildBinoCommandLine(Options(), leftName, rightName, quote);
}

void BinoSettingsWindow::ShowBinoVersion() {
  const bool bino2 = IsBino2(BinoVersionFromIndex(versionGroup_->Chosen()));
  bino2Note_->setVisible(bino2);
  noGuiBox_->setEnabled(!bino2);
  centerBox_->setEnabled(!bino2);
  fullScreenGroup_->setEnabled(!bino2);
  crossTalkGroup_->setEnabled(!bino2);
  subtitlesGroup_->setEnabled(!bino2);
  for (int i = 0; i < videoInputGroup_->Count(); ++i)
    videoInputGroup_->Button(i)->setEnabled(!bino2 || !Bino2InputMode(i).empty());
}

void BinoSettingsWindow::SelectLocation() {
  ChooseLocation(*services_.dialogs, locationDialog, locationEdit_);
}

void BinoSettingsWindow::SelectVideos() {
  LaunchScriptRun run;
  run.separateLeftRight = videoInputGroup_->Chosen() == kSeparateLeftRightInput;
  run.scriptKind = scriptKindGroup_->Chosen();
  run.addToList = addToListBox_->isChecked();
  run.exePath = services_.exePath;
  run.buildCommandLine = [this](const std::string& l, const std::string& r, const std::string& q) {
    return BuildBinoCommandLine(l, r, q);
  };
  run.appendToList = [this](const std::string& item) { list_.Append(item); };
  const BinoVersion version = BinoVersionFromIndex(versionGroup_->Chosen());
  if (IsBino2(version)) {
    // Refused before any dialog: a Bino 2 script never plays something else than was chosen.
    if (std::string refusal = Bino2Refusal(Options()); !refusal.empty()) throw AppError(refusal);
    run.buildCommandLine = [this, version](const std::string& l, const std::string&,
                                           const std::string& q) {
      return BuildBino2CommandLine(Options(), version, Bino2CommandFileName(l), q);
    };
    run.companion = [this](const std::string& left) { return Bino2CommandFile(Options(), left); };
  }
  WriteLaunchScripts(*services_.dialogs, leftVideosDialog, rightVideosDialog, run);
}
