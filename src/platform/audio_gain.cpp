// Loudness conversions shared by the audio players.
#include "platform/audio_gain.h"

#include <algorithm>
#include <cmath>

namespace morv {

namespace {
constexpr int kSilent = -5000;
}

double gainForVolume(int hundredthsDb) {
    if (hundredthsDb <= kSilent) return 0.0;
    return std::pow(10.0, std::min(hundredthsDb, 0) / 2000.0);
}

double gainForLineVolume(uint16_t lineVolume) {
    return gainForVolume(static_cast<int>(static_cast<int64_t>(lineVolume) * 5000 / 65535) + kSilent);
}

uint16_t lineVolumeFor(int hundredthsDb) {
    // Volumes come from settings files and are clamped so that the product stays in range.
    const int64_t clamped = std::clamp(hundredthsDb, kSilent, 0);
    return static_cast<uint16_t>((clamped - kSilent) * 65535 / 5000);
}

}  // namespace morv
