// The ports the engine needs from the machine it runs on.
#pragma once
#include <memory>
#include <string>

#include "platform/cd_audio_player.h"
#include "platform/clock.h"
#include "platform/display_device.h"
#include "platform/events.h"
#include "platform/file_resolver.h"
#include "platform/media_player.h"
#include "platform/message_boxes.h"
#include "platform/trace.h"
#include "platform/window_system.h"

namespace morv {

// Everything the engine needs from the machine it runs on. The real program
// uses the SDL platform; tests and morv-headless use the headless one.
class Platform {
public:
    virtual ~Platform() = default;
    virtual Clock& clock() = 0;
    virtual MessageBoxes& messages() = 0;
    virtual EventSource& events() = 0;
    virtual WindowSystem& window() = 0;
    virtual Trace& trace() = 0;
    virtual DisplayDevice& display() = 0;
    // The players the sound system owns; they use this platform until destroyed.
    virtual std::unique_ptr<MediaPlayer> createMediaPlayer() = 0;
    // `trackDirectory` is where the files standing in for CD tracks lie.
    virtual std::unique_ptr<CdAudioPlayer> createCdAudioPlayer(const std::string& trackDirectory) = 0;
    FileResolver& files() { return files_; }

private:
    FileResolver files_;
};

}  // namespace morv
