#pragma once
#include <QDialog>

#include "platform/FileDialogs.h"
#include "core/Services.h"
#include "core/players/BinoCommandLine.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TComboBox;
class TRadioGroup;

// The Bino settings window: the player's options and the script run for its videos.
class TForm_Bino : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Bino(Services& services);

  // Location, videos and scripts (shared in kind with the Stereoscopic Player window).
  QPushButton* Button_BinoSelectLocation;
  QLineEdit* Edit_BinoLocation;
  platform::FileDialogRequest OpenDialog_BinoLocation;
  QPushButton* Button_BinoSelectVideo;
  platform::FileDialogRequest OpenDialog_BinoSelectVideo_L;
  platform::FileDialogRequest OpenDialog_BinoSelectVideo_R;
  QCheckBox* CheckBox_BinoAddList;
  TRadioGroup* Radio_bat_vbs;

  // "Main settings".
  QCheckBox* CheckBox_Bino_NoGUI;
  QCheckBox* CheckBox_BinoCenter;
  QCheckBox* CheckBox_BinoSwap;
  // "Full screen options".
  QCheckBox* CheckBox_BinoFullScreen;
  TRadioGroup* RadioGroup_BinoFullScreen;
  TRadioGroup* RadioGroup_BinoVideoInput;
  TRadioGroup* RadioGroup_BinoVideoOutput;
  // "Crosstalk and Ghostbusting options".
  QCheckBox* CheckBox_Bino_CrossTalk;
  QLineEdit* Edit_BinoR;
  QLineEdit* Edit_BinoG;
  QLineEdit* Edit_BinoB;
  QLineEdit* Edit_BinoGhostBusting;
  // "Subtitles".
  QCheckBox* Check_sub;
  TComboBox* Combo_sub_enc;
  TComboBox* Combo_sub_font;
  TComboBox* Combo_sub_col;
  QLineEdit* Edit_sub_size;
  QLineEdit* Edit_sub_par;
  // "Bino version": which Bino the location holds, and why some controls rest under Bino 2.
  TRadioGroup* RadioGroup_BinoVersion;
  QLabel* Label_Bino2Note;

  // The options as the controls hold them now.
  BinoOptions Options() const;
  // The command line for one script, read from the controls at the moment of the call.
  std::string BuildBinoCommandLine(const std::string& leftName, const std::string& rightName,
                                   const std::string& quote) const;

  // Greys out what Bino 2 cannot honour while a Bino 2 is chosen (the values stay for Bino 1).
  void ShowBinoVersion();

  void Button_BinoSelectLocationClick();
  void Button_BinoSelectVideoClick();

 private:
  Services& services_;
  QWidget* crossTalkGroup_;
  QWidget* subtitlesGroup_;
};

extern TForm_Bino* Form_Bino;
