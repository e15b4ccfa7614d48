#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// What each key of the settings file is read into and written from, named after the variable
// or control it is bound to.
enum class Setting : uint8_t {
  InfoVisible,
  HelpVisible,
  MonoInfo,
  ContinuousMode,  // read into Form_Setup.CheckBox_continuous, written from ContinuousMode
  LoopAll,         // read into Form_Setup.CheckBox_Loop, written from LoopAll
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
};

inline constexpr std::size_t kSettingCount = 36;

// Flags are check boxes and show flags, numbers are item indexes, texts are edit fields.
enum class SettingType : uint8_t { Flag, Number, Text };

struct SettingKey {
  Setting binding;
  const char* section;
  const char* key;
  SettingType type;
  int32_t defaultNumber;    // flags (0 or 1) and numbers
  const char* defaultText;  // texts
};

// The 36 keys in the order SaveSettings writes them, which is also the layout of a new file.
// The table is indexed by Setting: SettingsKeys()[i].binding == Setting(i).
const std::array<SettingKey, kSettingCount>& SettingsKeys();

// The order in which LoadSettings reads the keys.
const std::array<Setting, kSettingCount>& SettingsReadOrder();

const SettingKey& KeyOf(Setting binding);
