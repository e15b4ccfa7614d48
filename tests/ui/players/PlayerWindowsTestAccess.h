#pragma once
// The player windows' controls, reached by the tests alone.
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"

struct BinoSettingsWindow::TestAccess {
  explicit TestAccess(BinoSettingsWindow& w)
      : window(w),
        selectLocationButton(w.selectLocationButton_),
        locationEdit(w.locationEdit_),
        selectVideosButton(w.selectVideosButton_),
        addToListBox(w.addToListBox_),
        scriptKindGroup(w.scriptKindGroup_),
        noGuiBox(w.noGuiBox_),
        centerBox(w.centerBox_),
        swapBox(w.swapBox_),
        fullScreenBox(w.fullScreenBox_),
        fullScreenGroup(w.fullScreenGroup_),
        videoInputGroup(w.videoInputGroup_),
        videoOutputGroup(w.videoOutputGroup_),
        crossTalkBox(w.crossTalkBox_),
        crossTalkREdit(w.crossTalkREdit_),
        crossTalkGEdit(w.crossTalkGEdit_),
        crossTalkBEdit(w.crossTalkBEdit_),
        ghostBustingEdit(w.ghostBustingEdit_),
        subtitlesBox(w.subtitlesBox_),
        subEncodingCombo(w.subEncodingCombo_),
        subFontCombo(w.subFontCombo_),
        subColourCombo(w.subColourCombo_),
        subSizeEdit(w.subSizeEdit_),
        subParallaxEdit(w.subParallaxEdit_),
        versionGroup(w.versionGroup_),
        bino2Note(w.bino2Note_) {}

  BinoSettingsWindow& window;
  QPushButton* selectLocationButton;
  QLineEdit* locationEdit;
  QPushButton* selectVideosButton;
  QCheckBox* addToListBox;
  RadioGroup* scriptKindGroup;
  QCheckBox* noGuiBox;
  QCheckBox* centerBox;
  QCheckBox* swapBox;
  QCheckBox* fullScreenBox;
  RadioGroup* fullScreenGroup;
  RadioGroup* videoInputGroup;
  RadioGroup* videoOutputGroup;
  QCheckBox* crossTalkBox;
  QLineEdit* crossTalkREdit;
  QLineEdit* crossTalkGEdit;
  QLineEdit* crossTalkBEdit;
  QLineEdit* ghostBustingEdit;
  QCheckBox* subtitlesBox;
  ComboBox* subEncodingCombo;
  ComboBox* subFontCombo;
  ComboBox* subColourCombo;
  QLineEdit* subSizeEdit;
  QLineEdit* subParallaxEdit;
  RadioGroup* versionGroup;
  QLabel* bino2Note;
};

struct SPlayerSettingsWindow::TestAccess {
  explicit TestAccess(SPlayerSettingsWindow& w)
      : window(w),
        selectLocationButton(w.selectLocationButton_),
        locationEdit(w.locationEdit_),
        selectVideosButton(w.selectVideosButton_),
        addToListBox(w.addToListBox_),
        scriptKindGroup(w.scriptKindGroup_),
        fullScreenBox(w.fullScreenBox_),
        fullScreenGroup(w.fullScreenGroup_),
        videoInputGroup(w.videoInputGroup_),
        videoOutputGroup(w.videoOutputGroup_),
        deinterlaceBox(w.deinterlaceBox_),
        parallaxEdit(w.parallaxEdit_) {}

  SPlayerSettingsWindow& window;
  QPushButton* selectLocationButton;
  QLineEdit* locationEdit;
  QPushButton* selectVideosButton;
  QCheckBox* addToListBox;
  RadioGroup* scriptKindGroup;
  QCheckBox* fullScreenBox;
  RadioGroup* fullScreenGroup;
  RadioGroup* videoInputGroup;
  RadioGroup* videoOutputGroup;
  QCheckBox* deinterlaceBox;
  QLineEdit* parallaxEdit;
};

using BinoControls = BinoSettingsWindow::TestAccess;
using SPlayerControls = SPlayerSettingsWindow::TestAccess;
