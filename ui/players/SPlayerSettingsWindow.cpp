#include "ui/players/SPlayerSettingsWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/RunGuarded.h"
#include "core/players/WriteLaunchScripts.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/PlayerSettingsControls.h"
#include "ui/qt/QStringBytes.h"

SPlayerSettingsWindow::SPlayerSettingsWindow(Services& services, ShowList& list)
    : QDialog(nullptr), services_(services), list_(list) {
  setWindowTitle(QStringLiteral("Stereoscopic Player Settings"));
  setFont(PlayerWindowFont());

  // Location; its dialog keeps the system's own title.
  auto* location = new QGroupBox(this);
  selectLocationButton = MakeButton(location, "Select SPlayer location");
  locationEdit = new QLineEdit(location);
  auto* locationRow = new QHBoxLayout(location);
  locationRow->addWidget(selectLocationButton);
  locationRow->addWidget(locationEdit, 1);
  locationDialog.filter = "Executable files|*.exe";
  leftVideosDialog.multiSelect = true;
  rightVideosDialog.multiSelect = true;

  // Full screen options.
  auto* full = new QGroupBox(QStringLiteral("Full screen options"), this);
  auto* fullColumn = new QVBoxLayout(full);
  fullScreenBox = MakeCheckBox(full, fullColumn, "Full screen", true);
  fullScreenGroup =
      MakeRadioGroup(full, "Additional full screen options", kSPlayerFullScreenOptions, 0);
  fullColumn->addWidget(fullScreenGroup);

  // Further options.
  auto* further = new QGroupBox(this);
  auto* furtherColumn = new QVBoxLayout(further);
  deinterlaceBox = MakeCheckBox(further, furtherColumn, "Enable deinterlacing", false);
  auto* pixRow = new QHBoxLayout;
  parallaxEdit = MakeLabelledEdit(further, pixRow, "Horizontal parallax (pix)", "0");
  furtherColumn->addLayout(pixRow);

  // Input and output.
  videoInputGroup = MakeRadioGroup(this, "Video input options", kSPlayerVideoInputs, 6);
  videoOutputGroup = MakeRadioGroup(this, "Video output options", kSPlayerVideoOutputs, 6);

  // Videos and scripts.
  auto* run = new QGroupBox(this);
  auto* runColumn = new QVBoxLayout(run);
  selectVideosButton = MakeButton(run, "Select Video File(s)");
  runColumn->addWidget(selectVideosButton);
  addToListBox = MakeCheckBox(run, runColumn, "Add file(s) to the list", false);
  scriptKindGroup = MakeFileTypesGroup(run);
  runColumn->addWidget(scriptKindGroup);

  auto* left = new QVBoxLayout;
  left->addWidget(full);
  left->addWidget(further);
  left->addWidget(run);
  left->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(videoInputGroup, 0, Qt::AlignTop);
  columns->addWidget(videoOutputGroup, 0, Qt::AlignTop);
  auto* window = new QVBoxLayout(this);
  window->addWidget(location);
  window->addLayout(columns);

  connect(selectLocationButton, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { SelectLocation(); }); });
  connect(selectVideosButton, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { SelectVideos(); }); });
}

SPlayerOptions SPlayerSettingsWindow::Options() const {
  SPlayerOptions o;
  o.location = ToBytes(locationEdit->text());
  o.fullScreen = fullScreenBox->isChecked();
  o.fullScreenItem = fullScreenGroup->ItemIndex();
  o.videoInput = videoInputGroup->ItemIndex();
  o.videoOutput = videoOutputGroup->ItemIndex();
  o.deinterlace = deinterlaceBox->isChecked();
  o.parallax = ToBytes(parallaxEdit->text());
  return o;
}

std::string SPlayerSettingsWindow::BuildSPlayerCommandLine(const std::string& leftName,
                                                           const std::string& rightName,
                                                           const std::string& quote) const {
  return ::BuildSPlayerCommandLine(Options(), leftName, rightName, quote);
}

void SPlayerSettingsWindow::SelectLocation() {
  ChooseLocation(*services_.dialogs, locationDialog, locationEdit);
}

void SPlayerSettingsWindow::SelectVideos() {
  LaunchScriptRun run;
  run.separateLeftRight = videoInputGroup->ItemIndex() == kSeparateLeftRightInput;
  run.scriptKind = scriptKindGroup->ItemIndex();
  run.addToList = addToListBox->isChecked();
  run.exePath = services_.exePath;
  run.buildCommandLine = [this](const std::string& l, const std::string& r, const std::string& q) {
    return BuildSPlayerCommandLine(l, r, q);
  };
  run.appendToList = [this](const std::string& item) { list_.Append(item); };
  WriteLaunchScripts(*services_.dialogs, leftVideosDialog, rightVideosDialog, run);
}
