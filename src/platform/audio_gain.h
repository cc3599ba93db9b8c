// Loudness conversions shared by the audio players.
#pragma once
#include <cstdint>

namespace morv {

// The amplitude factor (0 to 1) of a volume in hundredths of a decibel;
// -5000 and below are silent.
double gainForVolume(int hundredthsDb);
// The CD line's 0..65535 scale follows the same decibel curve as the channels,
// so CD music fades like file music: 0 is -5000, 65535 is 0.
double gainForLineVolume(uint16_t lineVolume);
// The line value for a volume in hundredths of a decibel, clamped to 0..65535.
uint16_t lineVolumeFor(int hundredthsDb);

}  // namespace morv
