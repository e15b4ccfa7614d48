#pragma once
#include <QDialog>

#include "platform/FileDialogs.h"
#include "core/Services.h"
#include "core/players/SPlayerCommandLine.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class TRadioGroup;

// The Stereoscopic Player settings window: the player's options and the script run for its
// videos.
class TForm_SPlayer : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_SPlayer(Services& services);

  // Location, videos and scripts (shared in kind with the Bino window).
  QPushButton* Button_SPlayerSelectLocation;
  QLineEdit* Edit_SPlayerLocation;
  platform::FileDialogRequest OpenDialog_SPlayerLocation;
  QPushButton* Button_SPlayerSelectVideo;
  platform::FileDialogRequest OpenDialog_SPLayerSelectVideo_L;
  platform::FileDialogRequest OpenDialog_SPlayerSelectVideo_R;
  QCheckBox* CheckBox_SPlayerAddList;
  TRadioGroup* Radio_Splayer_vbs;

  // "Full screen options".
  QCheckBox* CheckBox_SPlayerFullScreen;
  TRadioGroup* RadioGroup_SPlayerFullScreen;
  TRadioGroup* RadioGroup_SPlayerVideoInput;
  TRadioGroup* RadioGroup_SPlayerVideoOutput;
  QCheckBox* CheckBox_SP_DI;
  QLineEdit* Edit_SP_Pix;

  // The options as the controls hold them now.
  SPlayerOptions Options() const;
  // The command line for one script, read from the controls at the moment of the call.
  std::string BuildSPlayerCommandLine(const std::string& leftName, const std::string& rightName,
                                      const std::string& quote) const;

  void Button_SPlayerSelectLocationClick();
  void Button_SPlayerSelectVideoClick();

 private:
  Services& services_;
};

extern TForm_SPlayer* Form_SPlayer;
