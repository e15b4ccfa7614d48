#include "core/players/SettingsChoices.h"

#include <cstddef>

#include "core/players/Bino2CommandFile.h"
#include "core/players/BinoCommandLine.h"
#include "core/players/SPlayerCommandLine.h"
#include "core/settings/Settings.h"

namespace {

void RadioChoice(int32_t& index, std::size_t count) {
  const auto items = static_cast<int32_t>(count);
  if (index >= items) index = items - 1;
  if (index < 0) index = -1;
}

void DropDownChoice(int32_t& index, std::size_t count) {
  if (index < 0 || index >= static_cast<int32_t>(count)) index = -1;
}

}  // namespace

void KeepChoicesInRange(Settings& s) {
  RadioChoice(s.chosenPlayer, kPlayerChoiceCount);
  RadioChoice(s.binoFullScreenOption, kBinoFullScreenOptions.size());
  RadioChoice(s.binoVideoInput, kBinoVideoInputs.size());
  RadioChoice(s.binoVideoOutput, kBinoVideoOutputs.size());
  RadioChoice(s.binoScriptKind, kScriptKindCount);
  RadioChoice(s.binoVersion, kBinoVersionCaptions.size());
  DropDownChoice(s.binoSubtitleEncoding, kBinoSubtitleEncodings.size());
  DropDownChoice(s.binoSubtitleFont, kBinoSubtitleFonts.size());
  RadioChoice(s.splayerFullScreenOption, kSPlayerFullScreenOptions.size());
  RadioChoice(s.splayerVideoInput, kSPlayerVideoInputs.size());
  RadioChoice(s.splayerVideoOutput, kSPlayerVideoOutputs.size());
  RadioChoice(s.splayerScriptKind, kScriptKindCount);
}
