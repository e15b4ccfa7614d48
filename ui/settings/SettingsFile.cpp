#include "ui/settings/SettingsFile.h"

#include <QCheckBox>
#include <QLineEdit>

#include "core/settings/BinoVersionSetting.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsValues.h"
#include "core/show/ShowState.h"
#include "core/showlist/ItemPath.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/StoredText.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

using S = Setting;

std::string SettingsFileName() {
  return ProgramFileName(Form_Main->services().exePath, ".INI");
}

// The show flags live in ShowState; every other flag is a check box.
bool* ShowFlagOf(Setting binding) {
  switch (binding) {
    case S::InfoVisible:
      return &ShowState.InfoVisible;
    case S::HelpVisible:
      return &ShowState.HelpVisible;
    case S::MonoInfo:
      return &ShowState.MonoInfo;
    default:
      return nullptr;
  }
}

QCheckBox* CheckBoxOf(Setting binding) {
  switch (binding) {
    case S::ContinuousMode:
      return Form_Setup->continuousBox;
    case S::LoopAll:
      return Form_Setup->loopBox;
    case S::BinoFullScreen:
      return Form_Bino->fullScreenBox;
    case S::BinoNoGui:
      return Form_Bino->noGuiBox;
    case S::BinoCenter:
      return Form_Bino->centerBox;
    case S::BinoSwap:
      return Form_Bino->swapBox;
    case S::BinoCrossTalk:
      return Form_Bino->crossTalkBox;
    case S::BinoAddToList:
      return Form_Bino->addToListBox;
    case S::BinoSubtitles:
      return Form_Bino->subtitlesBox;
    case S::SPlayerFullScreen:
      return Form_SPlayer->fullScreenBox;
    case S::SPlayerAddToList:
      return Form_SPlayer->addToListBox;
    case S::SPlayerDeinterlace:
      return Form_SPlayer->deinterlaceBox;
    default:
      return nullptr;
  }
}

RadioGroup* RadioGroupOf(Setting binding) {
  switch (binding) {
    case S::ChosenPlayer:
      return Form_Setup->playerGroup;
    case S::BinoFullScreenOption:
      return Form_Bino->fullScreenGroup;
    case S::BinoVideoInput:
      return Form_Bino->videoInputGroup;
    case S::BinoVideoOutput:
      return Form_Bino->videoOutputGroup;
    case S::BinoScriptKind:
      return Form_Bino->scriptKindGroup;
    case S::SPlayerFullScreenOption:
      return Form_SPlayer->fullScreenGroup;
    case S::SPlayerVideoInput:
      return Form_SPlayer->videoInputGroup;
    case S::SPlayerVideoOutput:
      return Form_SPlayer->videoOutputGroup;
    case S::SPlayerScriptKind:
      return Form_SPlayer->scriptKindGroup;
    default:
      return nullptr;
  }
}

ComboBox* ComboBoxOf(Setting binding) {
  switch (binding) {
    case S::BinoSubtitleEncoding:
      return Form_Bino->subEncodingCombo;
    case S::BinoSubtitleFont:
      return Form_Bino->subFontCombo;
    default:
      return nullptr;
  }
}

QLineEdit* EditOf(Setting binding) {
  switch (binding) {
    case S::BinoLocation:
      return Form_Bino->locationEdit;
    case S::BinoCrossTalkR:
      return Form_Bino->crossTalkREdit;
    case S::BinoCrossTalkG:
      return Form_Bino->crossTalkGEdit;
    case S::BinoCrossTalkB:
      return Form_Bino->crossTalkBEdit;
    case S::BinoGhostBusting:
      return Form_Bino->ghostBustingEdit;
    case S::BinoSubtitleSize:
      return Form_Bino->subSizeEdit;
    case S::BinoSubtitleParallax:
      return Form_Bino->subParallaxEdit;
    case S::SPlayerLocation:
      return Form_SPlayer->locationEdit;
    case S::SPlayerParallax:
      return Form_SPlayer->parallaxEdit;
    default:
      return nullptr;
  }
}

// Assigns one value at once to what it is bound to, as the file is read.
void Apply(const SettingsValues& values, Setting binding) {
  switch (KeyOf(binding).type) {
    case SettingType::Flag:
      if (bool* flag = ShowFlagOf(binding)) {
        *flag = values.Flag(binding);
      } else {
        // Ticking the play options runs their click handlers, which copy them into ShowState.
        CheckBoxOf(binding)->setChecked(values.Flag(binding));
      }
      break;
    case SettingType::Number:
      if (RadioGroup* group = RadioGroupOf(binding)) {
        group->SetItemIndex(values.Number(binding));
      } else {
        ComboBoxOf(binding)->SetItemIndex(values.Number(binding));
      }
      break;
    case SettingType::Text:
      if (binding == S::FloatingValueText) {
        ShowState.FloatingValueText = values.Text(binding);
      } else {
        ShowStoredText(EditOf(binding), "text", values.Text(binding));
      }
      break;
  }
}

// The value to write for one key, taken from what it is bound to at this moment.
void Take(SettingsValues& values, Setting binding) {
  switch (KeyOf(binding).type) {
    case SettingType::Flag:
      if (const bool* flag = ShowFlagOf(binding)) {
        values.SetFlag(binding, *flag);
      } else if (binding == S::ContinuousMode) {
        values.SetFlag(binding, ShowState.ContinuousMode);
      } else if (binding == S::LoopAll) {
        values.SetFlag(binding, ShowState.LoopAll);
      } else {
        values.SetFlag(binding, CheckBoxOf(binding)->isChecked());
      }
      break;
    case SettingType::Number:
      if (const RadioGroup* group = RadioGroupOf(binding)) {
        values.SetNumber(binding, group->ItemIndex());
      } else {
        values.SetNumber(binding, ComboBoxOf(binding)->ItemIndex());
      }
      break;
    case SettingType::Text:
      if (binding == S::FloatingValueText) {
        values.SetText(binding, ShowState.FloatingValueText);
      } else {
        values.SetText(binding, StoredText(EditOf(binding), "text"));
      }
      break;
  }
}

}  // namespace

void LoadSettings() {
  const ProfileFile profile(SettingsFileName());
  const SettingsValues values = LoadSettingsValues(profile);
  for (const Setting binding : SettingsReadOrder()) Apply(values, binding);
  Form_Bino->versionGroup->SetItemIndex(LoadBinoVersion(profile));
}

void SaveSettings() {
  SettingsValues values;
  for (const SettingKey& key : SettingsKeys()) Take(values, key.binding);
  ProfileFile profile(SettingsFileName());
  SaveSettingsValues(profile, values);
  SaveBinoVersion(profile, Form_Bino->versionGroup->ItemIndex());
  profile.Flush();
}
