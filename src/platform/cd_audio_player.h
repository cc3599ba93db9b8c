// The CD audio port: plays numbered tracks and owns the CD line's volume.
#pragma once
#include <cstdint>

namespace morv {

// Audio CD playback. Without a drive, track t is the file "track" + t in two digits
// with a music extension in the game's BGM directory. A play asked to notify posts a
// media-notification event with code kCdPlayCompleted when the track has played to its end.
class CdAudioPlayer {
public:
    static constexpr int kCdPlayCompleted = -1;
    static constexpr uint16_t kFullLineVolume = 65535;

    virtual ~CdAudioPlayer() = default;

    // False when there is no CD device; playing then fails.
    virtual bool open() = 0;
    // False (kept as the last error, not shown) when the track cannot be played.
    virtual bool play(int track, bool notify) = 0;
    virtual void stop() = 0;
    // The track under the play position; after a track has played to its end,
    // the one after it, as on a disc.
    virtual int currentTrack() = 0;
    // The CD line's volume, 0 (silent) to 65535 (full).
    virtual uint16_t lineVolume() = 0;
    virtual void setLineVolume(uint16_t volume) = 0;
};

}  // namespace morv
