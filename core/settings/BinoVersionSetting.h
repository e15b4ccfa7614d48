#pragma once
#include <cstdint>

class ProfileFile;

// Which Bino the Bino window's location holds (the item index of its "Bino version" group),
// kept as "BinoVersion" in the "Bino" section after the other keys. Missing, or not a number:
// 0, Bino 1, so every file written before the choice existed behaves as it always did.
int32_t LoadBinoVersion(const ProfileFile& profile);

// Writes the key only where it says something: when the choice is not Bino 1, or when the file
// holds the key already (so a return to Bino 1 is kept). A file that never knew another Bino
// stays byte for byte as it was.
void SaveBinoVersion(ProfileFile& profile, int32_t itemIndex);
