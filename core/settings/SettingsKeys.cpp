#include "core/settings/SettingsKeys.h"

namespace {

constexpr auto kFlag = SettingType::Flag;
constexpr auto kNumber = SettingType::Number;
constexpr auto kText = SettingType::Text;
constexpr const char* kIni = "Ini Parameters";
// Key 6 spells its section with a small p; names match without case, so all three keys share
// one section, and the first write (key 4) names it "Setup Parameters".
constexpr const char* kSetup = "Setup Parameters";
constexpr const char* kSetupSmall = "Setup parameters";
constexpr const char* kBino = "Bino";
constexpr const char* kSPlayer = "SPlayer";

using S = Setting;
constexpr std::array<SettingKey, kSettingCount> kKeys{{
    {S::InfoVisible, kIni, "File Info", kFlag, 1, ""},
    {S::HelpVisible, kIni, "Help Info", kFlag, 1, ""},
    {S::MonoInfo, kIni, "Mono Info Screen", kFlag, 1, ""},
    {S::ContinuousMode, kSetup, "Continuous", kFlag, 0, ""},
    {S::LoopAll, kSetup, "Loop", kFlag, 0, ""},
    {S::RadioGroup_ChosenPlayer, kSetupSmall, "VideoPlayer", kNumber, 0, ""},
    {S::Edit_BinoLocation, kBino, "BinoLocation", kText, 0, ""},
    {S::CheckBox_BinoFullScreen, kBino, "FullScreenCheck", kFlag, 1, ""},
    {S::RadioGroup_BinoFullScreen, kBino, "FullScreen", kNumber, 0, ""},
    {S::CheckBox_Bino_NoGUI, kBino, "NoGUI", kFlag, 1, ""},
    {S::CheckBox_BinoCenter, kBino, "Center", kFlag, 1, ""},
    {S::CheckBox_BinoSwap, kBino, "Swap", kFlag, 0, ""},
    {S::RadioGroup_BinoVideoInput, kBino, "VideoInput", kNumber, 6, ""},
    {S::RadioGroup_BinoVideoOutput, kBino, "VideoOutput", kNumber, 4, ""},
    {S::CheckBox_Bino_CrossTalk, kBino, "CrossTalkEnable", kFlag, 0, ""},
    {S::Edit_BinoR, kBino, "CrossTalkR", kText, 0, "0"},
    {S::Edit_BinoG, kBino, "CrossTalkG", kText, 0, "0"},
    {S::Edit_BinoB, kBino, "CrossTalkB", kText, 0, "0"},
    {S::Edit_BinoGhostBusting, kBino, "Ghostbusting", kText, 0, "0"},
    {S::CheckBox_BinoAddList, kBino, "AddToList", kFlag, 1, ""},
    {S::Check_sub, kBino, "Subtitles", kFlag, 0, ""},
    {S::Radio_bat_vbs, kBino, "BatOrVbs", kNumber, 1, ""},
    {S::Combo_sub_enc, kBino, "Sub_Encoding", kNumber, 0, ""},
    {S::Combo_sub_font, kBino, "Sub_Font", kNumber, 0, ""},
    {S::Edit_sub_size, kBino, "Sub_Font_Size", kText, 0, "12"},
    {S::Edit_sub_par, kBino, "Sub_Font_Parallax", kText, 0, "0"},
    {S::Edit_SPlayerLocation, kSPlayer, "SPlayerLocation", kText, 0, ""},
    {S::CheckBox_SPlayerFullScreen, kSPlayer, "FullScreenCheck", kFlag, 1, ""},
    {S::RadioGroup_SPlayerFullScreen, kSPlayer, "FullScreen", kNumber, 0, ""},
    {S::RadioGroup_SPlayerVideoInput, kSPlayer, "VideoInput", kNumber, 6, ""},
    {S::RadioGroup_SPlayerVideoOutput, kSPlayer, "VideoOutput", kNumber, 6, ""},
    {S::CheckBox_SPlayerAddList, kSPlayer, "AddToList", kFlag, 1, ""},
    {S::Radio_Splayer_vbs, kSPlayer, "BatOrVbs", kNumber, 1, ""},
    {S::CheckBox_SP_DI, kSPlayer, "Deinterlace", kFlag, 0, ""},
    {S::Edit_SP_Pix, kSPlayer, "Parallax", kText, 0, "0"},
    {S::FloatingValueText, "Floating", "Value", kText, 0, "0"},
}};

constexpr bool TableIsIndexedByBinding() {
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (static_cast<std::size_t>(kKeys[i].binding) != i) return false;
  }
  return true;
}
static_assert(TableIsIndexedByBinding(), "the key table must follow the order of Setting");

constexpr std::array<Setting, kSettingCount> kReadOrder{{
    S::InfoVisible,
    S::HelpVisible,
    S::MonoInfo,
    S::ContinuousMode,
    S::LoopAll,
    S::RadioGroup_ChosenPlayer,
    S::Edit_BinoLocation,
    S::CheckBox_BinoFullScreen,
    S::CheckBox_Bino_NoGUI,
    S::CheckBox_BinoCenter,
    S::CheckBox_BinoSwap,
    S::CheckBox_Bino_CrossTalk,
    S::CheckBox_BinoAddList,
    S::RadioGroup_BinoFullScreen,
    S::RadioGroup_BinoVideoInput,
    S::RadioGroup_BinoVideoOutput,
    S::Edit_BinoR,
    S::Edit_BinoG,
    S::Edit_BinoB,
    S::Edit_BinoGhostBusting,
    S::Radio_bat_vbs,
    S::Check_sub,
    S::Combo_sub_enc,
    S::Combo_sub_font,
    S::Edit_sub_size,
    S::Edit_sub_par,
    S::Edit_SPlayerLocation,
    S::CheckBox_SPlayerFullScreen,
    S::CheckBox_SPlayerAddList,
    S::RadioGroup_SPlayerFullScreen,
    S::RadioGroup_SPlayerVideoInput,
    S::RadioGroup_SPlayerVideoOutput,
    S::Radio_Splayer_vbs,
    S::CheckBox_SP_DI,
    S::Edit_SP_Pix,
    S::FloatingValueText,
}};

}  // namespace

const std::array<SettingKey, kSettingCount>& SettingsKeys() {
  return kKeys;
}

const std::array<Setting, kSettingCount>& SettingsReadOrder() {
  return kReadOrder;
}

const SettingKey& KeyOf(Setting binding) {
  return kKeys[static_cast<std::size_t>(binding)];
}
