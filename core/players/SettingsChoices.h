#pragma once

struct Settings;

// The items of the show list window's "Chosen 3D player" group and of both player windows'
// "File types" group.
inline constexpr int kPlayerChoiceCount = 3;
inline constexpr int kScriptKindCount = 2;

// Brings every index of the settings to what its control would show and write back: a radio
// group chooses its last item for an index beyond it and none (-1) below 0; a drop-down box
// chooses none (-1) for an index outside its entries. A settings file with odd indexes is so
// written back the same whether or not its window was ever opened.
void KeepChoicesInRange(Settings& settings);
