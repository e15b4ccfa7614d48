#pragma once
#include <QDialog>

#include "core/Services.h"
#include "core/host/FileDialogs.h"
#include "core/players/BinoCommandLine.h"
#include "core/showlist/ShowList.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ComboBox;
class RadioGroup;
struct Settings;

// The Bino settings window: the player's options and the script run for its videos.
class BinoSettingsWindow : public QDialog {
  Q_OBJECT
 public:
  // Scripts chosen to be listed are appended to `list`.
  BinoSettingsWindow(Services& services, ShowList& list);

  // Location, videos and scripts (shared in kind with the Stereoscopic Player window).
  QPushButton* selectLocationButton;
  QLineEdit* locationEdit;
  host::FileDialogRequest locationDialog;
  QPushButton* selectVideosButton;
  host::FileDialogRequest leftVideosDialog;
  host::FileDialogRequest rightVideosDialog;
  QCheckBox* addToListBox;
  RadioGroup* scriptKindGroup;

  // "Main settings".
  QCheckBox* noGuiBox;
  QCheckBox* centerBox;
  QCheckBox* swapBox;
  // "Full screen options".
  QCheckBox* fullScreenBox;
  RadioGroup* fullScreenGroup;
  RadioGroup* videoInputGroup;
  RadioGroup* videoOutputGroup;
  // "Crosstalk and Ghostbusting options".
  QCheckBox* crossTalkBox;
  QLineEdit* crossTalkREdit;
  QLineEdit* crossTalkGEdit;
  QLineEdit* crossTalkBEdit;
  QLineEdit* ghostBustingEdit;
  // "Subtitles".
  QCheckBox* subtitlesBox;
  ComboBox* subEncodingCombo;
  ComboBox* subFontCombo;
  ComboBox* subColourCombo;
  QLineEdit* subSizeEdit;
  QLineEdit* subParallaxEdit;
  // "Bino version": which Bino the location holds, and why some controls rest under Bino 2.
  RadioGroup* versionGroup;
  QLabel* bino2Note;

  // The options as the controls hold them now.
  BinoOptions Options() const;
  // The command line for one script, read from the controls at the moment of the call.
  std::string BuildBinoCommandLine(const std::string& leftName, const std::string& rightName,
                                   const std::string& quote) const;

  // Greys out what Bino 2 cannot honour while a Bino 2 is chosen (the values stay for Bino 1).
  void ShowBinoVersion();

  void SelectLocation();
  void SelectVideos();

  // The Bino keys and the version to and from the controls (BinoSettingsWindowSettings.cpp).
  void Apply(const Settings& settings);
  void Collect(Settings& settings) const;

 private:
  Services& services_;
  ShowList& list_;
  QWidget* crossTalkGroup_;
  QWidget* subtitlesGroup_;
};
