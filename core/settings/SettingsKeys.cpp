#include "core/settings/SettingsKeys.h"

namespace {

constexpr const char* kIni = "Ini Parameters";
// Key 6 spells its section with a small p; names match without case, so all three keys share
// one section, and the first write (key 4) names it "Setup Parameters".
constexpr const char* kSetup = "Setup Parameters";
constexpr const char* kSetupSmall = "Setup parameters";
constexpr const char* kBino = "Bino";
constexpr const char* kSPlayer = "SPlayer";
constexpr const char* kVenue = "Venue";
constexpr const char* kRemote = "Remote";

using S = Setting;
constexpr std::array<SettingKey, kSettingCount> kKeys{{
    {S::InfoVisible, kIni, "File Info", &Settings::infoVisible},
    {S::HelpVisible, kIni, "Help Info", &Settings::helpVisible},
    {S::MonoInfo, kIni, "Mono Info Screen", &Settings::monoInfo},
    {S::ContinuousMode, kSetup, "Continuous", &Settings::continuousMode},
    {S::LoopAll, kSetup, "Loop", &Settings::loopAll},
    {S::ChosenPlayer, kSetupSmall, "VideoPlayer", &Settings::chosenPlayer},
    {S::BinoLocation, kBino, "BinoLocation", &Settings::binoLocation},
    {S::BinoFullScreen, kBino, "FullScreenCheck", &Settings::binoFullScreen},
    {S::BinoFullScreenOption, kBino, "FullScreen", &Settings::binoFullScreenOption},
    {S::BinoNoGui, kBino, "NoGUI", &Settings::binoNoGui},
    {S::BinoCenter, kBino, "Center", &Settings::binoCenter},
    {S::BinoSwap, kBino, "Swap", &Settings::binoSwap},
    {S::BinoVideoInput, kBino, "VideoInput", &Settings::binoVideoInput},
    {S::BinoVideoOutput, kBino, "VideoOutput", &Settings::binoVideoOutput},
    {S::BinoCrossTalk, kBino, "CrossTalkEnable", &Settings::binoCrossTalk},
    {S::BinoCrossTalkR, kBino, "CrossTalkR", &Settings::binoCrossTalkR},
    {S::BinoCrossTalkG, kBino, "CrossTalkG", &Settings::binoCrossTalkG},
    {S::BinoCrossTalkB, kBino, "CrossTalkB", &Settings::binoCrossTalkB},
    {S::BinoGhostBusting, kBino, "Ghostbusting", &Settings::binoGhostBusting},
    {S::BinoAddToList, kBino, "AddToList", &Settings::binoAddToList},
    {S::BinoSubtitles, kBino, "Subtitles", &Settings::binoSubtitles},
    {S::BinoScriptKind, kBino, "BatOrVbs", &Settings::binoScriptKind},
    {S::BinoSubtitleEncoding, kBino, "Sub_Encoding", &Settings::binoSubtitleEncoding},
    {S::BinoSubtitleFont, kBino, "Sub_Font", &Settings::binoSubtitleFont},
    {S::BinoSubtitleSize, kBino, "Sub_Font_Size", &Settings::binoSubtitleSize},
    {S::BinoSubtitleParallax, kBino, "Sub_Font_Parallax", &Settings::binoSubtitleParallax},
    {S::SPlayerLocation, kSPlayer, "SPlayerLocation", &Settings::splayerLocation},
    {S::SPlayerFullScreen, kSPlayer, "FullScreenCheck", &Settings::splayerFullScreen},
    {S::SPlayerFullScreenOption, kSPlayer, "FullScreen", &Settings::splayerFullScreenOption},
    {S::SPlayerVideoInput, kSPlayer, "VideoInput", &Settings::splayerVideoInput},
    {S::SPlayerVideoOutput, kSPlayer, "VideoOutput", &Settings::splayerVideoOutput},
    {S::SPlayerAddToList, kSPlayer, "AddToList", &Settings::splayerAddToList},
    {S::SPlayerScriptKind, kSPlayer, "BatOrVbs", &Settings::splayerScriptKind},
    {S::SPlayerDeinterlace, kSPlayer, "Deinterlace", &Settings::splayerDeinterlace},
    {S::SPlayerParallax, kSPlayer, "Parallax", &Settings::splayerParallax},
    {S::FloatingValueText, "Floating", "Value", &Settings::floatingValueText},
    // Last, so that it follows the other Bino keys of a new file.
    {S::BinoVersion, kBino, "BinoVersion", &Settings::binoVersion, true},
    // Written once changed: first-run files and files of older versions stay as they were.
    {S::VenueScreen, kVenue, "Screen", &Settings::venueScreen, true},
    {S::ShowLock, kVenue, "ShowLock", &Settings::showLock, true},
    {S::OfferResume, kVenue, "OfferResume", &Settings::offerResume, true},
    {S::RemoteEnabled, kRemote, "Enabled", &Settings::remoteEnabled, true},
    {S::RemoteListen, kRemote, "Listen", &Settings::remoteListen, true},
    {S::RemoteOscPort, kRemote, "OscPort", &Settings::remoteOscPort, true},
    {S::RemoteWebPort, kRemote, "WebPort", &Settings::remoteWebPort, true},
    {S::RemotePin, kRemote, "Pin", &Settings::remotePin, true},
    {S::RemoteOscSenders, kRemote, "OscSenders", &Settings::remoteOscSenders, true},
    {S::GoProtection, kRemote, "GoProtection", &Settings::goProtection, true},
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
    S::BinoVersion,
    S::VenueScreen,
    S::ShowLock,
    S::OfferResume,
    S::RemoteEnabled,
    S::RemoteListen,
    S::RemoteOscPort,
    S::RemoteWebPort,
    S::RemotePin,
    S::RemoteOscSenders,
    S::GoProtection,
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
