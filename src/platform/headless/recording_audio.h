// The headless audio players: they play nothing and record every call.
#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/cd_audio_player.h"
#include "platform/media_player.h"

namespace morv {

class Clock;
class FileResolver;

// What the headless players were last asked to do, for tests.
struct HeadlessAudio {
    struct Channel {
        std::string file;  // CP949 game file name
        bool loop = false;
        bool playing = false;
        int volume = 0;
    };
    bool deviceMissing = false;  // Init fails, as on a machine without any audio device
    bool initialised = false;
    bool freed = false;
    std::array<Channel, MediaPlayer::kChannels> channels;
    bool cdOpen = false;
    bool cdPlaying = false;
    bool cdNotify = false;
    bool cdEnded = false;
    int cdTrack = 0;
    uint16_t cdLineVolume = CdAudioPlayer::kFullLineVolume;
    int handledEvents = 0;
};

// Where the recording players write their trace lines; volume lines only when wanted.
struct AudioTraceSink {
    std::function<void(const std::string&)> write;
    bool traceVolume = false;
};

// What the headless player's movie channel plays with: it decodes for real, silently.
struct HeadlessVideo {
    const FileResolver& files;
    Clock& clock;
    std::function<void(int code)> notify;  // posts a media notification
};

std::unique_ptr<MediaPlayer> makeRecordingMediaPlayer(HeadlessAudio& state, AudioTraceSink sink,
                                                      const HeadlessVideo& video);
std::unique_ptr<CdAudioPlayer> makeRecordingCdPlayer(HeadlessAudio& state, AudioTraceSink sink,
                                                     const FileResolver& files, std::string trackDirectory);

}  // namespace morv
