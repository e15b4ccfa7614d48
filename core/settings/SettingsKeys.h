#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "core/settings/Settings.h"

// The keys of the settings file, named after the value they hold.
enum class Setting : uint8_t {
  InfoVisible,
  HelpVisible,
  MonoInfo,
  ContinuousMode,
  LoopAll,
  ChosenPlayer,
  BinoLocation,
  BinoFullScreen,
  BinoFullScreenOption,
  BinoNoGui,
  BinoCenter,
  BinoSwap,
  BinoVideoInput,
  BinoVideoOutput,
  BinoCrossTalk,
  BinoCrossTalkR,
  BinoCrossTalkG,
  BinoCrossTalkB,
  BinoGhostBusting,
  BinoAddToList,
  BinoSubtitles,
  BinoScriptKind,
  BinoSubtitleEncoding,
  BinoSubtitleFont,
  BinoSubtitleSize,
  BinoSubtitleParallax,
  SPlayerLocation,
  SPlayerFullScreen,
  SPlayerFullScreenOption,
  SPlayerVideoInput,
  SPlayerVideoOutput,
  SPlayerAddToList,
  SPlayerScriptKind,
  SPlayerDeinterlace,
  SPlayerParallax,
  FloatingValueText,
  BinoVersion,
  VenueScreen,
  ShowLock,
  OfferResume,
  RemoteEnabled,
  RemoteListen,
  RemoteOscPort,
  RemoteWebPort,
  RemotePin,
  RemoteOscSenders,
  GoProtection,
};

inline constexpr std::size_t kSettingCount = 47;

// The field of Settings a key is read into and written from; its type is the key's: flags are
// check boxes and show flags, numbers are item indexes, texts are edit fields.
using SettingField = std::variant<bool Settings::*, int32_t Settings::*, std::string Settings::*>;

struct SettingKey {
  Setting binding;
  const char* section;
  const char* key;
  SettingField field;
  // Written only when it says something: when its value is not the default, or when the file
  // holds the key already. A file that never knew the key stays byte for byte as it was.
  bool onlyWhenSet = false;
};

// The keys in the order SaveSettings writes them, which is also the layout of a new file.
// The table is indexed by Setting: SettingsKeys()[i].binding == Setting(i).
const std::array<SettingKey, kSettingCount>& SettingsKeys();

// The order in which LoadSettings reads the keys.
const std::array<Setting, kSettingCount>& SettingsReadOrder();

const SettingKey& KeyOf(Setting binding);
