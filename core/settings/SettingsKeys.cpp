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
    {S::ChosenPlayer, kSetupSmall, "VideoPlayer", kNumber, 0, ""},
    {S::BinoLocation, kBino, "BinoLocation", kText, 0, ""},
    {S::BinoFullScreen, kBino, "FullScreenCheck", kFlag, 1, ""},
    {S::BinoFullScreenOption, kBino, "FullScreen", kNumber, 0, ""},
    {S::BinoNoGui, kBino, "NoGUI", kFlag, 1, ""},
    {S::BinoCenter, kBino, "Center", kFlag, 1, ""},
    {S::BinoSwap, kBino, "Swap", kFlag, 0, ""},
    {S::BinoVideoInput, kBino, "VideoInput", kNumber, 6, ""},
    {S::BinoVideoOutput, kBino, "VideoOutput", kNumber, 4, ""},
    {S::BinoCrossTalk, kBino, "CrossTalkEnable", kFlag, 0, ""},
    {S::BinoCrossTalkR, kBino, "CrossTalkR", kText, 0, "0"},
    {S::BinoCrossTalkG, kBino, "CrossTalkG", kText, 0, "0"},
    {S::BinoCrossTalkB, kBino, "CrossTalkB", kText, 0, "0"},
    {S::BinoGhostBusting, kBino, "Ghostbusting", kText, 0, "0"},
    {S::BinoAddToList, kBino, "AddToList", kFlag, 1, ""},
    {S::BinoSubtitles, kBino, "Subtitles", kFlag, 0, ""},
    {S::BinoScriptKind, kBino, "BatOrVbs", kNumber, 1, ""},
    {S::BinoSubtitleEncoding, kBino, "Sub_Encoding", kNumber, 0, ""},
    {S::BinoSubtitleFont, kBino, "Sub_Font", kNumber, 0, ""},
    {S::BinoSubtitleSize, kBino, "Sub_Font_Size", kText, 0, "12"},
    {S::BinoSubtitleParallax, kBino, "Sub_Font_Parallax", kText, 0, "0"},
    {S::SPlayerLocation, kSPlayer, "SPlayerLocation", kText, 0, ""},
    {S::SPlayerFullScreen, kSPlayer, "FullScreenCheck", kFlag, 1, ""},
    {S::SPlayerFullScreenOption, kSPlayer, "FullScreen", kNumber, 0, ""},
    {S::SPlayerVideoInput, kSPlayer, "VideoInput", kNumber, 6, ""},
    {S::SPlayerVideoOutput, kSPlayer, "VideoOutput", kNumber, 6, ""},
    {S::SPlayerAddToList, kSPlayer, "AddToList", kFlag, 1, ""},
    {S::SPlayerScriptKind, kSPlayer, "BatOrVbs", kNumber, 1, ""},
    {S::SPlayerDeinterlace, kSPlayer, "Deinterlace", kFlag, 0, ""},
    {S::SPlayerParallax, kSPlayer, "Parallax", kText, 0, "0"},
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
    S::ChosenPlayer,
    S::BinoLocation,
    S::BinoFullScreen,
    S::BinoNoGui,
    S::BinoCenter,
    S::BinoSwap,
    S::BinoCrossTalk,
    S::BinoAddToList,
    S::BinoFullScreenOption,
    S::BinoVideoInput,
    S::BinoVideoOutput,
    S::BinoCrossTalkR,
    S::BinoCrossTalkG,
    S::BinoCrossTalkB,
    S::BinoGhostBusting,
    S::BinoScriptKind,
    S::BinoSubtitles,
    S::BinoSubtitleEncoding,
    S::BinoSubtitleFont,
    S::BinoSubtitleSize,
    S::BinoSubtitleParallax,
    S::SPlayerLocation,
    S::SPlayerFullScreen,
    S::SPlayerAddToList,
    S::SPlayerFullScreenOption,
    S::SPlayerVideoInput,
    S::SPlayerVideoOutput,
    S::SPlayerScriptKind,
    S::SPlayerDeinterlace,
    S::SPlayerParallax,
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
