#include "core/show/ShowStateSettings.h"

#include "core/settings/Settings.h"
#include "core/show/ShowState.h"

void ApplyShowSettings(const Settings& settings, ShowState& state) {
  state.infoVisible = settings.infoVisible;
  state.helpVisible = settings.helpVisible;
  state.monoInfo = settings.monoInfo;
  state.floatingValueText = settings.floatingValueText;
}

void CollectShowSettings(const ShowState& state, Settings& settings) {
  settings.infoVisible = state.infoVisible;
  settings.helpVisible = state.helpVisible;
  settings.monoInfo = state.monoInfo;
  settings.floatingValueText = state.floatingValueText;
}
