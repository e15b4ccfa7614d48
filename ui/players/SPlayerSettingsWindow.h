#pragma once
#include <QDialog>

#include "core/Services.h"
#include "core/host/FileDialogs.h"
#include "core/players/SPlayerCommandLine.h"
#include "core/showlist/ShowList.h"
#include "ui/controls/SettingBindings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class RadioGroup;
struct Settings;

// The Stereoscopic Player settings window: the player's options and the script run for its
// videos. Each control shows its field of the settings and writes it when it changes.
class SPlayerSettingsWindow : public QDialog {
  Q_OBJECT
 public:
  // Scripts chosen to be listed are appended to `list`.
  SPlayerSettingsWindow(Services& services, ShowList& list, Settings& settings);

  // Shows the settings' values again, firing none of the controls' handlers.
  void ShowSettings();

  // The options as the controls hold them now.
  SPlayerOptions Options() const;
  // The command line for one script, read from the controls at the moment of the call.
  std::string BuildSPlayerCommandLine(const std::string& leftName, const std::string& rightName,
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
  void BuildControls();
  void Bind(Settings& settings);

  Services& services_;
  ShowList& list_;
  SettingBindings bindings_;

  // Location, videos and scripts (shared in kind with the Bino window).
  QPushButton* selectLocationButton_ = nullptr;
  QLineEdit* locationEdit_ = nullptr;
  QPushButton* selectVideosButton_ = nullptr;
  QCheckBox* addToListBox_ = nullptr;
  RadioGroup* scriptKindGroup_ = nullptr;
  // "Full screen options".
  QCheckBox* fullScreenBox_ = nullptr;
  RadioGroup* fullScreenGroup_ = nullptr;
  RadioGroup* videoInputGroup_ = nullptr;
  RadioGroup* videoOutputGroup_ = nullptr;
  QCheckBox* deinterlaceBox_ = nullptr;
  QLineEdit* parallaxEdit_ = nullptr;
};
