#pragma once

struct Settings;
struct ShowState;

// The show window's displays and the floating value live in the show state while the show runs
// (the keys and the floating value window change them there): they come from the settings at
// the first activation and go back into them at the close.
void ApplyShowSettings(const Settings& settings, ShowState& state);
void CollectShowSettings(const ShowState& state, Settings& settings);
