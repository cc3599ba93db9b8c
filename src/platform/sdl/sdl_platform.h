// The real program's platform: SDL2 video with Dear ImGui boxes.
#pragma once
#include <memory>

#include "platform/platform.h"
#include "platform/sdl/sdl_clock.h"

namespace morv {

class SdlDisplay;
class MixerMovieSound;
class SdlMixerDevice;
class SdlEvents;
class SdlMessageBoxes;
class SdlWindow;

// The real program's platform: SDL2 video with Dear ImGui boxes, SDL2_mixer
// sound (opened when the sound system initialises its player).
class SdlPlatform : public Platform {
public:
    SdlPlatform();
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    // False (after telling why on the standard error stream) when SDL's video
    // could not be started; nothing else may be used then.
    bool ready() const { return ready_; }

    Clock& clock() override { return clock_; }
    MessageBoxes& messages() override;
    EventSource& events() override;
    WindowSystem& window() override;
    Trace& trace() override { return trace_; }
    DisplayDevice& display() override;
    std::unique_ptr<MediaPlayer> createMediaPlayer() override;
    std::unique_ptr<CdAudioPlayer> createCdAudioPlayer(const std::string& trackDirectory) override;

private:
    bool ready_ = false;
    SdlClock clock_;
    Trace trace_;
    std::unique_ptr<SdlWindow> window_;
    std::unique_ptr<SdlDisplay> display_;
    std::unique_ptr<SdlEvents> events_;
    std::unique_ptr<SdlMessageBoxes> messages_;
    // The audio device the players share; closed before SDL goes down.
    std::unique_ptr<SdlMixerDevice> audio_;
    // The movies' sound on the device's movie channel; goes before the device.
    std::unique_ptr<MixerMovieSound> movieSound_;
};

}  // namespace morv
