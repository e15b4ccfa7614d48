#include <QCheckBox>
#include <QLineEdit>

#include "core/settings/Settings.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/StoredText.h"
#include "ui/players/BinoSettingsWindow.h"

void BinoSettingsWindow::Apply(const Settings& settings) {
  // Indexes go through the controls' own rules; the version last, as its handler greys out
  // what Bino 2 cannot honour.
  ShowStoredText(locationEdit, "text", settings.binoLocation);
  fullScreenBox->setChecked(settings.binoFullScreen);
  noGuiBox->setChecked(settings.binoNoGui);
  centerBox->setChecked(settings.binoCenter);
  swapBox->setChecked(settings.binoSwap);
  crossTalkBox->setChecked(settings.binoCrossTalk);
  addToListBox->setChecked(settings.binoAddToList);
  fullScreenGroup->SetItemIndex(settings.binoFullScreenOption);
  videoInputGroup->SetItemIndex(settings.binoVideoInput);
  videoOutputGroup->SetItemIndex(settings.binoVideoOutput);
  ShowStoredText(crossTalkREdit, "text", settings.binoCrossTalkR);
  ShowStoredText(crossTalkGEdit, "text", settings.binoCrossTalkG);
  ShowStoredText(crossTalkBEdit, "text", settings.binoCrossTalkB);
  ShowStoredText(ghostBustingEdit, "text", settings.binoGhostBusting);
  scriptKindGroup->SetItemIndex(settings.binoScriptKind);
  subtitlesBox->setChecked(settings.binoSubtitles);
  subEncodingCombo->SetItemIndex(settings.binoSubtitleEncoding);
  subFontCombo->SetItemIndex(settings.binoSubtitleFont);
  ShowStoredText(subSizeEdit, "text", settings.binoSubtitleSize);
  ShowStoredText(subParallaxEdit, "text", settings.binoSubtitleParallax);
  versionGroup->SetItemIndex(settings.binoVersion);
}

void BinoSettingsWindow::Collect(Settings& settings) const {
  settings.binoLocation = StoredText(locationEdit, "text");
  settings.binoFullScreen = fullScreenBox->isChecked();
  settings.binoFullScreenOption = fullScreenGroup->ItemIndex();
  settings.binoNoGui = noGuiBox->isChecked();
  settings.binoCenter = centerBox->isChecked();
  settings.binoSwap = swapBox->isChecked();
  settings.binoVideoInput = videoInputGroup->ItemIndex();
  settings.binoVideoOutput = videoOutputGroup->ItemIndex();
  settings.binoCrossTalk = crossTalkBox->isChecked();
  settings.binoCrossTalkR = StoredText(crossTalkREdit, "text");
  settings.binoCrossTalkG = StoredText(crossTalkGEdit, "text");
  settings.binoCrossTalkB = StoredText(crossTalkBEdit, "text");
  settings.binoGhostBusting = StoredText(ghostBustingEdit, "text");
  settings.binoAddToList = addToListBox->isChecked();
  settings.binoSubtitles = subtitlesBox->isChecked();
  settings.binoScriptKind = scriptKindGroup->ItemIndex();
  settings.binoSubtitleEncoding = subEncodingCombo->ItemIndex();
  settings.binoSubtitleFont = subFontCombo->ItemIndex();
  settings.binoSubtitleSize = StoredText(subSizeEdit, "text");
  settings.binoSubtitleParallax = StoredText(subParallaxEdit, "text");
  settings.binoVersion = versionGroup->ItemIndex();
}
