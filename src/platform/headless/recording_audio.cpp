// The headless audio players: they play nothing and record every call.
#include "platform/headless/recording_audio.h"

#include "platform/cd_track_file.h"
#include "platform/cp949.h"
#include "platform/trace.h"
#include "platform/video/movie_media_player.h"

namespace morv {

namespace {

bool validChannel(int channel) { return channel >= 0 && channel < MediaPlayer::kChannels; }

// The audio channels are recorded; the movie channel really decodes, on the virtual clock.
class RecordingMediaPlayer : public MovieMediaPlayer {
public:
    RecordingMediaPlayer(HeadlessAudio& state, AudioTraceSink sink, const HeadlessVideo& video)
        : MovieMediaPlayer(video.files, video.clock, video.notify), state_(state), sink_(std::move(sink)) {}

    int Init() override {
        if (state_.deviceMissing) return -1;
        state_.initialised = true;
        return 0;
    }
    void PlayAudio(int channel, const std::string& fileName, bool loop) override {
        if (!validChannel(channel)) return;
        state_.channels[channel].file = fileName;
        state_.channels[channel].loop = loop;
        state_.channels[channel].playing = true;
        sink_.write("audio play " + std::to_string(channel) + " " + traceQuote(cp949::toUtf8(fileName)) +
                    (loop ? " loop" : " once"));
    }
    void StopAudio(int channel) override {
        if (!validChannel(channel)) return;
        state_.channels[channel].playing = false;
        sink_.write("audio stop " + std::to_string(channel));
    }
    void SetAudioVolume(int channel, int volume) override {
        if (!validChannel(channel)) return;
        state_.channels[channel].volume = volume;
        if (sink_.traceVolume) sink_.write("audio volume " + std::to_string(channel) + " " + std::to_string(volume));
    }
    void HandleGraphEvent(int) override { ++state_.handledEvents; }
    void Free() override {
        video().unload();
        for (auto& channel : state_.channels) channel.playing = false;
        state_.freed = true;
    }

private:
    HeadlessAudio& state_;
    AudioTraceSink sink_;
};

class RecordingCdPlayer : public CdAudioPlayer {
public:
    RecordingCdPlayer(HeadlessAudio& state, AudioTraceSink sink, const FileResolver& files, std::string directory)
        : state_(state), sink_(std::move(sink)), files_(files), directory_(std::move(directory)) {}

    bool open() override {
        state_.cdOpen = true;
        return true;
    }
    bool play(int track, bool notify) override {
        // A missing track file fails like a missing disc.
        const bool found = findTrackFile(files_, directory_, track).has_value();
        sink_.write("cd play " + std::to_string(track) + (found ? "" : " missing"));
        if (!found) return false;
        state_.cdTrack = track;
        state_.cdPlaying = true;
        state_.cdEnded = false;
        state_.cdNotify = notify;
        return true;
    }
    void stop() override {
        state_.cdPlaying = false;
        sink_.write("cd stop");
    }
    int currentTrack() override { return state_.cdEnded ? state_.cdTrack + 1 : state_.cdTrack; }
    uint16_t lineVolume() override { return state_.cdLineVolume; }
    void setLineVolume(uint16_t volume) override {
        state_.cdLineVolume = volume;
        if (sink_.traceVolume) sink_.write("cd volume " + std::to_string(volume));
    }

private:
    HeadlessAudio& state_;
    AudioTraceSink sink_;
    const FileResolver& files_;
    std::string directory_;
};

}  // namespace

std::unique_ptr<MediaPlayer> makeRecordingMediaPlayer(HeadlessAudio& state, AudioTraceSink sink,
                                                      const HeadlessVideo& video) {
    return std::make_unique<RecordingMediaPlayer>(state, std::move(sink), video);
}

std::unique_ptr<CdAudioPlayer> makeRecordingCdPlayer(HeadlessAudio& state, AudioTraceSink sink,
                                                     const FileResolver& files, std::string trackDirectory) {
    return std::make_unique<RecordingCdPlayer>(state, std::move(sink), files, std::move(trackDirectory));
}

}  // namespace morv
