#include "ui/players/SPlayerSettingsWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/RunGuarded.h"
#include "core/players/WriteLaunchScripts.h"
#include "core/settings/Settings.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/PlayerSettingsControls.h"
#include "ui/qt/QStringBytes.h"

SPlayerSettingsWindow::SPlayerSettingsWindow(Services& services, ShowList& list, Settings& settings)
    : QDialog(nullptr), services_(services), list_(list) {
  setWindowTitle(QStringLiteral("Stereoscopic Player Settings"));
  setFont(PlayerWindowFont());
  BuildControls();
  Bind(settings);
  connect(selectLocationButton_, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { SelectLocation(); }); });
  connect(selectVideosButton_, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { SelectVideos(); }); });
  ShowSettings();
}

void SPlayerSettingsWindow::BuildControls() {
  // Location; its dialog keeps the system's own title.
  auto* location = new QGroupBox(this);
  selectLocationButton_ = MakeButton(location, "Select SPlayer location");
  locationEdit_ = new QLineEdit(location);
  auto* locationRow = new QHBoxLayout(location);
  locationRow->addWidget(selectLocationButton_);
  locationRow->addWidget(locationEdit_, 1);
  locationDialog.filter = "Executable files|*.exe";
  leftVideosDialog.multiSelect = true;
  rightVideosDialog.multiSelect = true;

  // Full screen options.
  auto* full = new QGroupBox(QStringLiteral("Full screen options"), this);
  auto* fullColumn = new QVBoxLayout(full);
  fullScreenBox_ = MakeCheckBox(full, fullColumn, "Full screen", true);
  fullScreenGroup_ =
      MakeRadioGroup(full, "Additional full screen options", kSPlayerFullScreenOptions, 0);
  fullColumn->addWidget(fullScreenGroup_);

  // Further options.
  auto* further = new QGroupBox(this);
  auto* furtherColumn = new QVBoxLayout(further);
  deinterlaceBox_ = MakeCheckBox(further, furtherColumn, "Enable deinterlacing", false);
  auto* pixRow = new QHBoxLayout;
  parallaxEdit_ = MakeLabelledEdit(further, pixRow, "Horizontal parallax (pix)", "0");
  furtherColumn->addLayout(pixRow);

  // Input and output.
  videoInputGroup_ = MakeRadioGroup(this, "Video input options", kSPlayerVideoInputs, 6);
  videoOutputGroup_ = MakeRadioGroup(this, "Video output options", kSPlayerVideoOutputs, 6);

  // Videos and scripts.
  auto* run = new QGroupBox(this);
  auto* runColumn = new QVBoxLayout(run);
  selectVideosButton_ = MakeButton(run, "Select Video File(s)");
  runColumn->addWidget(selectVideosButton_);
  addToListBox_ = MakeCheckBox(run, runColumn, "Add file(s) to the list", false);
  scriptKindGroup_ = MakeFileTypesGroup(run);
  runColumn->addWidget(scriptKindGroup_);

  auto* left = new QVBoxLayout;
  left->addWidget(full);
  left->addWidget(further);
  left->addWidget(run);
  left->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(videoInputGroup_, 0, Qt::AlignTop);
  columns->addWidget(videoOutputGroup_, 0, Qt::AlignTop);
  auto* window = new QVBoxLayout(this);
  window->addWidget(location);
  window->addLayout(columns);
}

void SPlayerSettingsWindow::Bind(Settings& s) {
  bindings_.Bind(locationEdit_, s.splayerLocation);
  bindings_.Bind(fullScreenBox_, s.splayerFullScreen);
  bindings_.Bind(addToListBox_, s.splayerAddToList);
  bindings_.Bind(fullScreenGroup_, s.splayerFullScreenOption);
  bindings_.Bind(videoInputGroup_, s.splayerVideoInput);
  bindings_.Bind(videoOutputGroup_, s.splayerVideoOutput);
  bindings_.Bind(scriptKindGroup_, s.splayerScriptKind);
  bindings_.Bind(deinterlaceBox_, s.splayerDeinterlace);
  bindings_.Bind(parallaxEdit_, s.splayerParallax);
}

void SPlayerSettingsWindow::ShowSettings() {
  bindings_.Fill();
}

SPlayerOptions SPlayerSettingsWindow::Options() const {
  SPlayerOptions o;
  o.location = ToBytes(locationEdit_->text());
  o.fullScreen = fullScreenBox_->isChecked();
  o.fullScreenItem = fullScreenGroup_->Chosen();
  o.videoInput = videoInputGroup_->Chosen();
  o.videoOutput = videoOutputGroup_->Chosen();
  o.deinterlace = deinterlaceBox_->isChecked();
  o.parallax = ToBytes(parallaxEdit_->text());
  return o;
}

std::string SPlayerSettingsWindow::BuildSPlayerCommandLine(const std::string& leftName,
                                                           const std::string& rightName,
                                                           const std::string& quote) const {
  return ::BuildSPlayerCommandLine(Options(), leftName, rightName, quote);
}

void SPlayerSettingsWindow::SelectLocation() {
  ChooseLocation(*services_.dialogs, locationDialog, locationEdit_);
}

void SPlayerSettingsWindow::SelectVideos() {
  LaunchScriptRun run;
  run.separateLeftRight = videoInputGroup_->Chosen() == kSeparateLeftRightInput;
  run.scriptKind = scriptKindGroup_->Chosen();
  run.addToList = addToListBox_->isChecked();
  run.exePath = services_.exePath;
  run.buildCommandLine = [this](const std::string& l, const std::string& r, const std::string& q) {
    return BuildSPlayerCommandLine(l, r, q);
  };
  run.appendToList = [this](const std::string& item) { list_.Append(item); };
  WriteLaunchScripts(*services_.dialogs, leftVideosDialog, rightVideosDialog, run);
}
