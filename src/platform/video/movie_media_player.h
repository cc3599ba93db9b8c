// The video side of the media players: their video calls played on one movie channel.
#pragma once
#include "platform/media_player.h"
#include "platform/video/movie_channel.h"

namespace morv {

// A media player whose video channel 0 is a MovieChannel; the real and the
// headless players add their audio channels. Calls on other video channels do nothing.
class MovieMediaPlayer : public MediaPlayer {
public:
    void LoadVideo(int channel, const std::string& fileName) override {
        if (channel == 0) video_.load(fileName);
    }
    void PlayVideo(int channel, const std::string& fileName) override {
        if (channel != 0) return;
        video_.unload();
        video_.load(fileName);
        video_.play();
    }
    void PlayVideo(int channel) override {
        if (channel == 0) video_.play();
    }
    void SetVideoMode(int channel, int mode) override {
        if (channel == 0) video_.setMode(mode);
    }
    int GetVideoState(int channel) override { return channel == 0 ? video_.state() : kVideoStopped; }
    void StopVideo(int channel) override {
        if (channel == 0) video_.pause();
    }
    void UnloadVideo(int channel) override {
        if (channel == 0) video_.unload();
    }
    bool GetVideoPosition(int channel, int64_t& position) override {
        return channel == 0 && video_.position(position);
    }
    void SetVideoPosition(int channel, int64_t position) override {
        if (channel == 0) video_.setPosition(position);
    }
    void WindowMoved() override { video_.windowMoved(); }
    bool DrawVideoFrame(int channel, const VideoTarget& target) override {
        return channel == 0 && video_.draw(target);
    }

protected:
    MovieMediaPlayer(const FileResolver& files, Clock& clock, MovieChannel::Notify notify, MovieSound* sound = nullptr,
                     bool decodeOnThread = false)
        : video_(files, clock, std::move(notify), sound, decodeOnThread) {}
    MovieChannel& video() { return video_; }

private:
    MovieChannel video_;
};

}  // namespace morv
