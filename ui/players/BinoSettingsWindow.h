#pragma once
#include <QDialog>

#include "core/Services.h"
#include "core/host/FileDialogs.h"
#include "core/players/BinoCommandLine.h"
#include "core/showlist/ShowList.h"
#include "ui/controls/SettingBindings.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ComboBox;
class RadioGroup;
struct Settings;

// The Bino settings window: the player's options and the script run for its videos. Each
// control shows its field of the settings and writes it when it changes.
class BinoSettingsWindow : public QDialog {
  Q_OBJECT
 public:
  // Scripts chosen to be listed are appended to `list`.
  BinoSettingsWindow(Services& services, ShowList& list, Settings& settings);

  // Shows the settings' values again, firing none of the controls' handlers.
  void ShowSettings();

  // The options as the controls hold them now.
  BinoOptions Options() const;
  // The command line for one script, read from the controls at the moment of the call.
  std::string BuildBinoCommandLine(const std::string& leftName, const std::string& rightName,
                                   const std::string& quote) const;

  void SelectLocation();
  void SelectVideos();

  // The dialogs; each keeps the name last chosen in it.
  host::FileDialogRequest locationDialog;
  host::FileDialogRequest leftVideosDialog;
  host::FileDialogRequest rightVideosDialog;

  // The controls, for the tests alone (defined there).
  struct TestAccess;

 private:
  // The steps of building the window, one group of controls each.
  QGroupBox* BuildLocation();
  QGroupBox* BuildMainSettings();
  QGroupBox* BuildFullScreen();
  QGroupBox* BuildCrossTalk();
  QGroupBox* BuildSubtitles();
  void BuildVersion();
  QGroupBox* BuildRun();
  void LayOut(QWidget* location, QWidget* main, QWidget* full, QWidget* cross, QWidget* subs,
              QWidget* run);
  void Bind(Settings& settings);
  void ConnectHandlers();

  // Greys out what Bino 2 cannot honour while a Bino 2 is chosen (the values stay for Bino 1).
  void ShowBinoVersion();

  Services& services_;
  ShowList& list_;
  SettingBindings bindings_;

  // Location, videos and scripts (shared in kind with the Stereoscopic Player window).
  QPushButton* selectLocationButton_ = nullptr;
  QLineEdit* locationEdit_ = nullptr;
  QPushButton* selectVideosButton_ = nullptr;
  QCheckBox* addToListBox_ = nullptr;
  RadioGroup* scriptKindGroup_ = nullptr;
  // "Main settings".
  QCheckBox* noGuiBox_ = nullptr;
  QCheckBox* centerBox_ = nullptr;
  QCheckBox* swapBox_ = nullptr;
  // "Full screen options".
  QCheckBox* fullScreenBox_ = nullptr;
  RadioGroup* fullScreenGroup_ = nullptr;
  RadioGroup* videoInputGroup_ = nullptr;
  RadioGroup* videoOutputGroup_ = nullptr;
  // "Crosstalk and Ghostbusting options".
  QWidget* crossTalkGroup_ = nullptr;
  QCheckBox* crossTalkBox_ = nullptr;
  QLineEdit* crossTalkREdit_ = nullptr;
  QLineEdit* crossTalkGEdit_ = nullptr;
  QLineEdit* crossTalkBEdit_ = nullptr;
  QLineEdit* ghostBustingEdit_ = nullptr;
  // "Subtitles".
  QWidget* subtitlesGroup_ = nullptr;
  QCheckBox* subtitlesBox_ = nullptr;
  ComboBox* subEncodingCombo_ = nullptr;
  ComboBox* subFontCombo_ = nullptr;
  ComboBox* subColourCombo_ = nullptr;
  QLineEdit* subSizeEdit_ = nullptr;
  QLineEdit* subParallaxEdit_ = nullptr;
  // "Bino version": which Bino the location holds, and why some controls rest under Bino 2.
  RadioGroup* versionGroup_ = nullptr;
  QLabel* bino2Note_ = nullptr;
};
