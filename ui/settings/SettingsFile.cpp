#include "ui/settings/SettingsFile.h"

#include <QCheckBox>
#include <QLineEdit>

#include "ui/controls/ComboBox.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "core/settings/BinoVersionSetting.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsValues.h"
#include "ui/controls/StoredText.h"
#include "core/show/ShowState.h"
#include "ui/show/ShowWindow.h"
#include "core/showlist/ItemPath.h"
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
      return Form_Setup->CheckBox_continuous;
    case S::LoopAll:
      return Form_Setup->CheckBox_Loop;
    case S::CheckBox_BinoFullScreen:
      return Form_Bino->CheckBox_BinoFullScreen;
    case S::CheckBox_Bino_NoGUI:
      return Form_Bino->CheckBox_Bino_NoGUI;
    case S::CheckBox_BinoCenter:
      return Form_Bino->CheckBox_BinoCenter;
    case S::CheckBox_BinoSwap:
      return Form_Bino->CheckBox_BinoSwap;
    case S::CheckBox_Bino_CrossTalk:
      return Form_Bino->CheckBox_Bino_CrossTalk;
    case S::CheckBox_BinoAddList:
      return Form_Bino->CheckBox_BinoAddList;
    case S::Check_sub:
      return Form_Bino->Check_sub;
    case S::CheckBox_SPlayerFullScreen:
      return Form_SPlayer->CheckBox_SPlayerFullScreen;
    case S::CheckBox_SPlayerAddList:
      return Form_SPlayer->CheckBox_SPlayerAddList;
    case S::CheckBox_SP_DI:
      return Form_SPlayer->CheckBox_SP_DI;
    default:
      return nullptr;
  }
}

TRadioGroup* RadioGroupOf(Setting binding) {
  switch (binding) {
    case S::RadioGroup_ChosenPlayer:
      return Form_Setup->RadioGroup_ChosenPlayer;
    case S::RadioGroup_BinoFullScreen:
      return Form_Bino->RadioGroup_BinoFullScreen;
    case S::RadioGroup_BinoVideoInput:
      return Form_Bino->RadioGroup_BinoVideoInput;
    case S::RadioGroup_BinoVideoOutput:
      return Form_Bino->RadioGroup_BinoVideoOutput;
    case S::Radio_bat_vbs:
      return Form_Bino->Radio_bat_vbs;
    case S::RadioGroup_SPlayerFullScreen:
      return Form_SPlayer->RadioGroup_SPlayerFullScreen;
    case S::RadioGroup_SPlayerVideoInput:
      return Form_SPlayer->RadioGroup_SPlayerVideoInput;
    case S::RadioGroup_SPlayerVideoOutput:
      return Form_SPlayer->RadioGroup_SPlayerVideoOutput;
    case S::Radio_Splayer_vbs:
      return Form_SPlayer->Radio_Splayer_vbs;
    default:
      return nullptr;
  }
}

TComboBox* ComboBoxOf(Setting binding) {
  switch (binding) {
    case S::Combo_sub_enc:
      return Form_Bino->Combo_sub_enc;
    case S::Combo_sub_font:
      return Form_Bino->Combo_sub_font;
    default:
      return nullptr;
  }
}

QLineEdit* EditOf(Setting binding) {
  switch (binding) {
    case S::Edit_BinoLocation:
      return Form_Bino->Edit_BinoLocation;
    case S::Edit_BinoR:
      return Form_Bino->Edit_BinoR;
    case S::Edit_BinoG:
      return Form_Bino->Edit_BinoG;
    case S::Edit_BinoB:
      return Form_Bino->Edit_BinoB;
    case S::Edit_BinoGhostBusting:
      return Form_Bino->Edit_BinoGhostBusting;
    case S::Edit_sub_size:
      return Form_Bino->Edit_sub_size;
    case S::Edit_sub_par:
      return Form_Bino->Edit_sub_par;
    case S::Edit_SPlayerLocation:
      return Form_SPlayer->Edit_SPlayerLocation;
    case S::Edit_SP_Pix:
      return Form_SPlayer->Edit_SP_Pix;
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
      if (TRadioGroup* group = RadioGroupOf(binding)) {
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
      if (const TRadioGroup* group = RadioGroupOf(binding)) {
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
  Form_Bino->RadioGroup_BinoVersion->SetItemIndex(LoadBinoVersion(profile));
}

void SaveSettings() {
  SettingsValues values;
  for (const SettingKey& key : SettingsKeys()) Take(values, key.binding);
  ProfileFile profile(SettingsFileName());
  SaveSettingsValues(profile, values);
  SaveBinoVersion(profile, Form_Bino->RadioGroup_BinoVersion->ItemIndex());
  profile.Flush();
}
