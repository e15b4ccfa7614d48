#include "ui/players/SPlayerSettingsWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/controls/RadioGroup.h"
#include "ui/qt/TextCodec.h"
#include "ui/players/PlayerWindowParts.h"
#include "core/players/WriteLaunchScripts.h"
#include "core/HandlerGuard.h"

TForm_SPlayer* Form_SPlayer = nullptr;

TForm_SPlayer::TForm_SPlayer(Services& services) : QDialog(nullptr), services_(services) {
  setWindowTitle(QStringLiteral("Stereoscopic Player Settings"));
  setFont(PlayerWindowFont());

  // Location; its dialog keeps the system's own title.
  auto* location = new QGroupBox(this);
  Button_SPlayerSelectLocation = MakeButton(location, "Select SPlayer location");
  Edit_SPlayerLocation = new QLineEdit(location);
  auto* locationRow = new QHBoxLayout(location);
  locationRow->addWidget(Button_SPlayerSelectLocation);
  locationRow->addWidget(Edit_SPlayerLocation, 1);
  OpenDialog_SPlayerLocation.filter = "Executable files|*.exe";
  OpenDialog_SPLayerSelectVideo_L.multiSelect = true;
  OpenDialog_SPlayerSelectVideo_R.multiSelect = true;

  // Full screen options.
  auto* full = new QGroupBox(QStringLiteral("Full screen options"), this);
  auto* fullColumn = new QVBoxLayout(full);
  CheckBox_SPlayerFullScreen = MakeCheckBox(full, fullColumn, "Full screen", true);
  RadioGroup_SPlayerFullScreen =
      MakeRadioGroup(full, "Additional full screen options", kSPlayerFullScreenOptions, 0);
  fullColumn->addWidget(RadioGroup_SPlayerFullScreen);

  // Further options.
  auto* further = new QGroupBox(this);
  auto* furtherColumn = new QVBoxLayout(further);
  CheckBox_SP_DI = MakeCheckBox(further, furtherColumn, "Enable deinterlacing", false);
  auto* pixRow = new QHBoxLayout;
  Edit_SP_Pix = MakeLabelledEdit(further, pixRow, "Horizontal parallax (pix)", "0");
  furtherColumn->addLayout(pixRow);

  // Input and output.
  RadioGroup_SPlayerVideoInput =
      MakeRadioGroup(this, "Video input options", kSPlayerVideoInputs, 6);
  RadioGroup_SPlayerVideoOutput =
      MakeRadioGroup(this, "Video output options", kSPlayerVideoOutputs, 6);

  // Videos and scripts.
  auto* run = new QGroupBox(this);
  auto* runColumn = new QVBoxLayout(run);
  Button_SPlayerSelectVideo = MakeButton(run, "Select Video File(s)");
  runColumn->addWidget(Button_SPlayerSelectVideo);
  CheckBox_SPlayerAddList = MakeCheckBox(run, runColumn, "Add file(s) to the list", false);
  Radio_Splayer_vbs = MakeFileTypesGroup(run);
  runColumn->addWidget(Radio_Splayer_vbs);

  auto* left = new QVBoxLayout;
  left->addWidget(full);
  left->addWidget(further);
  left->addWidget(run);
  left->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(RadioGroup_SPlayerVideoInput, 0, Qt::AlignTop);
  columns->addWidget(RadioGroup_SPlayerVideoOutput, 0, Qt::AlignTop);
  auto* window = new QVBoxLayout(this);
  window->addWidget(location);
  window->addLayout(columns);

  connect(Button_SPlayerSelectLocation, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { Button_SPlayerSelectLocationClick(); }); });
  connect(Button_SPlayerSelectVideo, &QPushButton::clicked, this,
          [this] { RunGuarded(services_, [this] { Button_SPlayerSelectVideoClick(); }); });
}

SPlayerOptions TForm_SPlayer::Options() const {
  SPlayerOptions o;
  o.location = ToBytes(Edit_SPlayerLocation->text());
  o.fullScreen = CheckBox_SPlayerFullScreen->isChecked();
  o.fullScreenItem = RadioGroup_SPlayerFullScreen->ItemIndex();
  o.videoInput = RadioGroup_SPlayerVideoInput->ItemIndex();
  o.videoOutput = RadioGroup_SPlayerVideoOutput->ItemIndex();
  o.deinterlace = CheckBox_SP_DI->isChecked();
  o.parallax = ToBytes(Edit_SP_Pix->text());
  return o;
}

std::string TForm_SPlayer::BuildSPlayerCommandLine(const std::string& leftName,
                                                   const std::string& rightName,
                                                   const std::string& quote) const {
  return ::BuildSPlayerCommandLine(Options(), leftName, rightName, quote);
}

void TForm_SPlayer::Button_SPlayerSelectLocationClick() {
  ChooseLocation(*services_.dialogs, OpenDialog_SPlayerLocation, Edit_SPlayerLocation);
}

void TForm_SPlayer::Button_SPlayerSelectVideoClick() {
  LaunchScriptRun run;
  run.separateLeftRight = RadioGroup_SPlayerVideoInput->ItemIndex() == kSeparateLeftRightInput;
  run.scriptKind = Radio_Splayer_vbs->ItemIndex();
  run.addToList = CheckBox_SPlayerAddList->isChecked();
  run.exePath = services_.exePath;
  run.buildCommandLine = [this](const std::string& l, const std::string& r, const std::string& q) {
    return BuildSPlayerCommandLine(l, r, q);
  };
  run.appendToList = AppendToShowList;
  WriteLaunchScripts(*services_.dialogs, OpenDialog_SPLayerSelectVideo_L,
                     OpenDialog_SPlayerSelectVideo_R, run);
}
