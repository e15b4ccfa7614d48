#include "ui/settings/SettingsFile.h"

#include <QCheckBox>
#include <QLineEdit>
#include "ui/App.h"

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

// Transitional: the application whose windows are read and written.
App* gApp = nullptr;

using S = Setting;

std::string SettingsFileName() {
  return ProgramFileName(gApp->ExePath(), ".INI");
}

// The show flags live in ShowState; every other flag is a check box.
bool* ShowFlagOf(Setting binding) {
  switch (binding) {
    case S::InfoVisible:
      return &gApp->State().infoVisible;
    case S::HelpVisible:
      return &gApp->State().helpVisible;
    case S::MonoInfo:
      return &gApp->State().monoInfo;
    default:
      return nullptr;
  }
}

QCheckBox* CheckBoxOf(Setting binding) {
  switch (binding) {
    case S::ContinuousMode:
      return gApp->ListWindow().continuousBox;
    case S::LoopAll:
      return gApp->ListWindow().loopBox;
    case S::BinoFullScreen:
      return gApp->Bino().fullScreenBox;
    case S::BinoNoGui:
      return gApp->Bino().noGuiBox;
    case S::BinoCenter:
      return gApp->Bino().centerBox;
    case S::BinoSwap:
      return gApp->Bino().swapBox;
    case S::BinoCrossTalk:
      return gApp->Bino().crossTalkBox;
    case S::BinoAddToList:
      return gApp->Bino().addToListBox;
    case S::BinoSubtitles:
      return gApp->Bino().subtitlesBox;
    case S::SPlayerFullScreen:
      return gApp->SPlayer().fullScreenBox;
    case S::SPlayerAddToList:
      return gApp->SPlayer().addToListBox;
    case S::SPlayerDeinterlace:
      return gApp->SPlayer().deinterlaceBox;
    default:
      return nullptr;
  }
}

RadioGroup* RadioGroupOf(Setting binding) {
  switch (binding) {
    case S::ChosenPlayer:
      return gApp->ListWindow().playerGroup;
    case S::BinoFullScreenOption:
      return gApp->Bino().fullScreenGroup;
    case S::BinoVideoInput:
      return gApp->Bino().videoInputGroup;
    case S::BinoVideoOutput:
      return gApp->Bino().videoOutputGroup;
    case S::BinoScriptKind:
      return gApp->Bino().scriptKindGroup;
    case S::SPlayerFullScreenOption:
      return gApp->SPlayer().fullScreenGroup;
    case S::SPlayerVideoInput:
      return gApp->SPlayer().videoInputGroup;
    case S::SPlayerVideoOutput:
      return gApp->SPlayer().videoOutputGroup;
    case S::SPlayerScriptKind:
      return gApp->SPlayer().scriptKindGroup;
    default:
      return nullptr;
  }
}

ComboBox* ComboBoxOf(Setting binding) {
  switch (binding) {
    case S::BinoSubtitleEncoding:
      return gApp->Bino().subEncodingCombo;
    case S::BinoSubtitleFont:
      return gApp->Bino().subFontCombo;
    default:
      return nullptr;
  }
}

QLineEdit* EditOf(Setting binding) {
  switch (binding) {
    case S::BinoLocation:
      return gApp->Bino().locationEdit;
    case S::BinoCrossTalkR:
      return gApp->Bino().crossTalkREdit;
    case S::BinoCrossTalkG:
      return gApp->Bino().crossTalkGEdit;
    case S::BinoCrossTalkB:
      return gApp->Bino().crossTalkBEdit;
    case S::BinoGhostBusting:
      return gApp->Bino().ghostBustingEdit;
    case S::BinoSubtitleSize:
      return gApp->Bino().subSizeEdit;
    case S::BinoSubtitleParallax:
      return gApp->Bino().subParallaxEdit;
    case S::SPlayerLocation:
      return gApp->SPlayer().locationEdit;
    case S::SPlayerParallax:
      return gApp->SPlayer().parallaxEdit;
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
        gApp->State().floatingValueText = values.Text(binding);
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
        values.SetFlag(binding, gApp->State().continuousMode);
      } else if (binding == S::LoopAll) {
        values.SetFlag(binding, gApp->State().loopAll);
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
        values.SetText(binding, gApp->State().floatingValueText);
      } else {
        values.SetText(binding, StoredText(EditOf(binding), "text"));
      }
      break;
  }
}

}  // namespace

void LoadSettings(App& app) {
  gApp = &app;
  const ProfileFile profile(SettingsFileName());
  const SettingsValues values = LoadSettingsValues(profile);
  for (const Setting binding : SettingsReadOrder()) Apply(values, binding);
  gApp->Bino().versionGroup->SetItemIndex(LoadBinoVersion(profile));
}

void SaveSettings(App& app) {
  gApp = &app;
  SettingsValues values;
  for (const SettingKey& key : SettingsKeys()) Take(values, key.binding);
  ProfileFile profile(SettingsFileName());
  SaveSettingsValues(profile, values);
  SaveBinoVersion(profile, gApp->Bino().versionGroup->ItemIndex());
  profile.Flush();
}
