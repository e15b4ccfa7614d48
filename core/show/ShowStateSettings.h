#pragma once

struct Settings;
struct ShowState;

// The show window's displays and the floating value come from the settings. The play options
// do not: they are read into the show list window's boxes, whose handlers copy them here.
void ApplyShowSettings(const Settings& settings, ShowState& state);

// The displays, the floating value and the play options as the show holds them now.
void CollectShowSettings(const ShowState& state, Settings& settings);
