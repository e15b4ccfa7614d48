#include <QCheckBox>
#include <QLineEdit>

#include "core/settings/Settings.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/StoredText.h"
#include "ui/players/SPlayerSettingsWindow.h"

void SPlayerSettingsWindow::Apply(const Settings& settings) {
  ShowStoredText(locationEdit, "text", settings.splayerLocation);
  fullScreenBox->setChecked(settings.splayerFullScreen);
  addToListBox->setChecked(settings.splayerAddToList);
  fullScreenGroup->SetItemIndex(settings.splayerFullScreenOption);
  videoInputGroup->SetItemIndex(settings.splayerVideoInput);
  videoOutputGroup->SetItemIndex(settings.splayerVideoOutput);
  scriptKindGroup->SetItemIndex(settings.splayerScriptKind);
  deinterlaceBox->setChecked(settings.splayerDeinterlace);
  ShowStoredText(parallaxEdit, "text", settings.splayerParallax);
}

void SPlayerSettingsWindow::Collect(Settings& settings) const {
  settings.splayerLocation = StoredText(locationEdit, "text");
  settings.splayerFullScreen = fullScreenBox->isChecked();
  settings.splayerFullScreenOption = fullScreenGroup->ItemIndex();
  settings.splayerVideoInput = videoInputGroup->ItemIndex();
  settings.splayerVideoOutput = videoOutputGroup->ItemIndex();
  settings.splayerAddToList = addToListBox->isChecked();
  settings.splayerScriptKind = scriptKindGroup->ItemIndex();
  settings.splayerDeinterlace = deinterlaceBox->isChecked();
  settings.splayerParallax = StoredText(parallaxEdit, "text");
}
