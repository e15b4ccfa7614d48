#pragma once
#include <QDialog>

#include "core/Services.h"
#include "core/host/FileDialogs.h"
#include "core/players/SPlayerCommandLine.h"
#include "core/showlist/ShowList.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class RadioGroup;
struct Settings;

// The Stereoscopic Player settings window: the player's options and the script run for its
// videos.
class SPlayerSettingsWindow : public QDialog {
  Q_OBJECT
 public:
  // Scripts chosen to be listed are appended to `list`.
  SPlayerSettingsWindow(Services& services, ShowList& list);

  // Location, videos and scripts (shared in kind with the Bino window).
  QPushButton* selectLocationButton;
  QLineEdit* locationEdit;
  host::FileDialogRequest locationDialog;
  QPushButton* selectVideosButton;
  host::FileDialogRequest leftVideosDialog;
  host::FileDialogRequest rightVideosDialog;
  QCheckBox* addToListBox;
  RadioGroup* scriptKindGroup;

  // "Full screen options".
  QCheckBox* fullScreenBox;
  RadioGroup* fullScreenGroup;
  RadioGroup* videoInputGroup;
  RadioGroup* videoOutputGroup;
  QCheckBox* deinterlaceBox;
  QLineEdit* parallaxEdit;

  // The options as the controls hold them now.
  SPlayerOptions Options() const;
  // The command line for one script, read from the controls at the moment of the call.
  std::string BuildSPlayerCommandLine(const std::string& leftName, const std::string& rightName,
                                      const std::string& quote) const;

  void SelectLocation();
  void SelectVideos();

  // The Stereoscopic Player keys to and from the controls (SPlayerSettingsWindowSettings.cpp).
  void Apply(const Settings& settings);
  void Collect(Settings& settings) const;

 private:
  Services& services_;
  ShowList& list_;
};
