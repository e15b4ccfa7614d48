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
#include "ui/controls/ComboBox.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/PlayerSettingsControls.h"
#include "ui/qt/QStringBytes.h"

BinoSettingsWindow::BinoSettingsWindow(Services& services, ShowList& list)
    : QDialog(nullptr), services_(services), list_(list) {
  setWindowTitle(QStringLiteral("Bino settings"));
  setFont(PlayerWindowFont());

  // Location.
  auto* location = new QGroupBox(this);
  selectLocationButton = MakeButton(location, "Select Bino location");
  locationEdit = new QLineEdit(location);
  auto* locationRow = new QHBoxLayout(location);
  locationRow->addWidget(selectLocationButton);
  locationRow->addWidget(locationEdit, 1);
  locationDialog.title = "Select Bino exe file";
  locationDialog.filter = "Executable files|*.exe";
  leftVideosDialog.multiSelect = true;
  rightVideosDialog.multiSelect = true;

  // Main settings.
  auto* main = new QGroupBox(QStringLiteral("Main settings"), this);
  auto* mainColumn = new QVBoxLayout(main);
  noGuiBox = MakeCheckBox(main, mainColumn, "Do not use GUI", true);
  centerBox = MakeCheckBox(main, mainColumn, "Center window on screen", true);
  swapBox = MakeCheckBox(main, mainColumn, "Swap left-right", false);

  // Full screen options.
  auto* full = new QGroupBox(QStringLiteral("Full screen options"), this);
  auto* fullColumn = new QVBoxLayout(full);
  fullScreenBox = MakeCheckBox(full, fullColumn, "Full screen", true);
  fullScreenGroup =
      MakeRadioGroup(full, "Additional full screen options", kBinoFullScreenOptions, 0);
  fullColumn->addWidget(fullScreenGroup);

  // Crosstalk and ghostbusting.
  auto* cross = new QGroupBox(QStringLiteral("Crosstalk and Ghostbusting options"), this);
  auto* crossColumn = new QVBoxLayout(cross);
  crossTalkBox = MakeCheckBox(cross, crossColumn, "Enable crosstalk correction", false);
  auto* values = new QGroupBox(QStringLiteral("Crosstalk values (0-1)"), cross);
  auto* valuesRow = new QHBoxLayout(values);
  crossTalkREdit = MakeLabelledEdit(values, valuesRow, "R", "0");
  crossTalkGEdit = MakeLabelledEdit(values, valuesRow, "G", "0");
  crossTalkBEdit = MakeLabelledEdit(values, valuesRow, "B", "0");
  crossColumn->addWidget(values);
  auto* ghostRow = new QHBoxLayout;
  ghostBustingEdit = MakeLabelledEdit(cross, ghostRow, "Ghostbusting parameter (0-1)", "0");
  crossColumn->addLayout(ghostRow);

  // Input and output.
  videoInputGroup = MakeRadioGroup(this, "Video input options", kBinoVideoInputs, 6);
  videoOutputGroup = MakeRadioGroup(this, "Video output options", kBinoVideoOutputs, 4);

  // Subtitles.
  auto* subs = new QGroupBox(QStringLiteral("Subtitles"), this);
  auto* subsGrid = new QGridLayout(subs);
  subtitlesBox = new QCheckBox(QStringLiteral("Add subtitles"), subs);
  subsGrid->addWidget(subtitlesBox, 0, 0, 1, 2);
  subEncodingCombo = new ComboBox(subs, ItemList(kBinoSubtitleEncodings), "default");
  subFontCombo = new ComboBox(subs, ItemList(kBinoSubtitleFonts), "default");
  subColourCombo = new ComboBox(subs, ItemList(kBinoSubtitleColours), "default");
  subSizeEdit = new QLineEdit(QStringLiteral("12"), subs);
  subParallaxEdit = new QLineEdit(QStringLiteral("0"), subs);
  const std::pair<const char*, QWidget*> subRows[] = {{"Encoding", subEncodingCombo},
                                                      {"Font", subFontCombo},
                                                      {"Subtitle colour", subColourCombo},
                                                      {"Font size", subSizeEdit},
                                                      {"Parallax", subParallaxEdit}};
  int row = 1;
  for (const auto& [caption, field] : subRows) {
    subsGrid->addWidget(new QLabel(QString::fromUtf8(caption), subs), row, 0);
    subsGrid->addWidget(field, row++, 1);
  }
  subsGrid->setRowStretch(row, 1);

  // Bino version.
  versionGroup =
      new RadioGroup(this, QStringLiteral("Bino version"), ItemList(kBinoVersionCaptions));
  versionGroup->SetItemIndex(0);
  bino2Note = new QLabel(
      QStringLiteral("Bino 2 has no GUI-less or centred start, full screen flips, crosstalk "
                     "correction, ghostbusting or subtitle files, and cannot read separate "
                     "left/right files or even/odd rows, so those settings are greyed out. Each "
                     "script starts Bino 2 with a command file beside the video, which plays it "
                     "and quits at its end."),
      this);
  bino2Note->setWordWrap(true);

  // Videos and scripts.
  auto* run = new QGroupBox(this);
  auto* runColumn = new QVBoxLayout(run);
  selectVideosButton = MakeButton(run, "Select Video File(s)");
  runColumn->addWidget(selectVideosButton);
  addToListBox = MakeCheckBox(run, runColumn, "Add file(s) to the list", false);
  scriptKindGroup = MakeFileTypesGroup(run);
  runColumn->addWidget(scriptKindGroup);
  runColumn->addStretch(1);

  auto* left = new QVBoxLayout;
  left->addWidget(main);
  left->addWidget(full);
  left->addWidget(cross);
  left->addStretch(1);
  auto* middle = new QVBoxLayout;
  middle->addWidget(videoInputGroup);
  middle->addWidget(videoOutputGroup);
  middle->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(versionGroup);
  right->addWidget(bino2Note);
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
  bino2Note->setFixedWidth(std::max(
      {versionGroup->sizeHint().width(), subs->sizeHint().width(), run->sizeHint().width()}));
  crossTalkGroup_ = cross;
  subtitlesGroup_ = subs;
  // Toggled also follows the settings file's choice, not only the operator's clicks.
  for (int i = 0; i < versionGroup->Count(); ++i)
    connect(versionGroup->Button(i), &QAbstractButton::toggled, this,
            [this] { ShowBinoVersion(); });
  ShowBinoVersion();

  connect(selectLocationButton, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { SelectLocation(); }); });
  connect(selectVideosButton, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { SelectVideos(); }); });
}

BinoOptions BinoSettingsWindow::Options() const {
  BinoOptions o;
  o.location = ToBytes(locationEdit->text());
  o.noGui = noGuiBox->isChecked();
  o.center = centerBox->isChecked();
  o.swap = swapBox->isChecked();
  o.fullScreen = fullScreenBox->isChecked();
  o.fullScreenItem = fullScreenGroup->ItemIndex();
  o.videoInput = videoInputGroup->ItemIndex();
  o.videoOutput = videoOutputGroup->ItemIndex();
  o.crossTalk = crossTalkBox->isChecked();
  o.crossTalkR = ToBytes(crossTalkREdit->text());
  o.crossTalkG = ToBytes(crossTalkGEdit->text());
  o.crossTalkB = ToBytes(crossTalkBEdit->text());
  o.ghostBusting = ToBytes(ghostBustingEdit->text());
  o.subtitles = subtitlesBox->isChecked();
  o.subEncoding = {subEncodingCombo->ItemIndex(), ToBytes(subEncodingCombo->Text())};
  o.subFont = {subFontCombo->ItemIndex(), ToBytes(subFontCombo->Text())};
  o.subColour = {subColourCombo->ItemIndex(), ToBytes(subColourCombo->Text())};
  o.subSize = ToBytes(subSizeEdit->text());
  o.subParallax = ToBytes(subParallaxEdit->text());
  return o;
}

std::string BinoSettingsWindow::BuildBinoCommandLine(const std::string& leftName,
                                                     const std::string& rightName,
                                                     const std::string& quote) const {
  return ::BuildBinoCommandLine(Options(), leftName, rightName, quote);
}

void BinoSettingsWindow::ShowBinoVersion() {
  const bool bino2 = IsBino2(BinoVersionFromIndex(versionGroup->ItemIndex()));
  bino2Note->setVisible(bino2);
  noGuiBox->setEnabled(!bino2);
  centerBox->setEnabled(!bino2);
  fullScreenGroup->setEnabled(!bino2);
  crossTalkGroup_->setEnabled(!bino2);
  subtitlesGroup_->setEnabled(!bino2);
  for (int i = 0; i < videoInputGroup->Count(); ++i)
    videoInputGroup->Button(i)->setEnabled(!bino2 || !Bino2InputMode(i).empty());
}

void BinoSettingsWindow::SelectLocation() {
  ChooseLocation(*services_.dialogs, locationDialog, locationEdit);
}

void BinoSettingsWindow::SelectVideos() {
  LaunchScriptRun run;
  run.separateLeftRight = videoInputGroup->ItemIndex() == kSeparateLeftRightInput;
  run.scriptKind = scriptKindGroup->ItemIndex();
  run.addToList = addToListBox->isChecked();
  run.exePath = services_.exePath;
  run.buildCommandLine = [this](const std::string& l, const std::string& r, const std::string& q) {
    return BuildBinoCommandLine(l, r, q);
  };
  run.appendToList = [this](const std::string& item) { list_.Append(item); };
  const BinoVersion version = BinoVersionFromIndex(versionGroup->ItemIndex());
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
