// The SDL2_mixer players on SDL's dummy audio driver: files play, ends are notified.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_resolver.h"
#include "platform/mixer/sdl_cd_audio.h"
#include "platform/mixer/sdl_mixer_device.h"
#include "platform/headless/virtual_clock.h"
#include "platform/mixer/mixer_movie_sound.h"
#include "platform/mixer/sdl_mixer_player.h"
#include "platform/sdl/sdl_clock.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::TempDir;

void putLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A 16-bit mono WAV file of a sine tone.
std::string sineWav(int milliseconds) {
    const int rate = 22050;
    const int frames = rate * milliseconds / 1000;
    std::string wav = "RIFF";
    putLe(wav, 36 + frames * 2, 4);
    wav += "WAVEfmt ";
    putLe(wav, 16, 4);
    putLe(wav, 1, 2);
    putLe(wav, 1, 2);
    putLe(wav, rate, 4);
    putLe(wav, rate * 2, 4);
    putLe(wav, 2, 2);
    putLe(wav, 16, 2);
    wav += "data";
    putLe(wav, frames * 2, 4);
    for (int i = 0; i < frames; ++i) {
        putLe(wav, static_cast<uint16_t>(static_cast<int16_t>(8000 * std::sin(i * 0.1))), 2);
    }
    return wav;
}

std::string fixture(const char* name) {
    std::ifstream in(std::filesystem::path(MORV_TEST_GAMES) / "sound" / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class MixerPlayerTest : public ::testing::Test {
protected:
    MixerPlayerTest() : files_(dir_.path()) {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        dir_.write("se/beep.wav", sineWav(150));
        dir_.write("se/beep.ogg", fixture("beep.ogg"));
        dir_.write("bgm/track03.ogg", fixture("beep.ogg"));
    }

    // Waits up to two seconds for the code to be notified.
    bool notified(int code) {
        for (int i = 0; i < 200; ++i) {
            {
                std::lock_guard lock(mutex_);
                for (int seen : codes_) {
                    if (seen == code) return true;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    std::vector<int> codes() {
        std::lock_guard lock(mutex_);
        return codes_;
    }

    TempDir dir_;
    FileResolver files_;
    VirtualClock clock_;
    std::mutex mutex_;
    std::vector<int> codes_;
    SdlMixerDevice device_{[this](int code) {
        std::lock_guard lock(mutex_);
        codes_.push_back(code);
    }};
};

TEST_F(MixerPlayerTest, OneShotsOfWavAndOggEndWithTheirChannelsNotification) {
    SdlMixerPlayer player(device_, files_, clock_);
    ASSERT_GE(player.Init(), 0);
    player.SetAudioVolume(3, -2000);
    player.PlayAudio(3, "SE\\Beep.wav", false);
    player.PlayAudio(4, "se\\beep.ogg", false);
    EXPECT_TRUE(device_.chunkPlaying(3));
    EXPECT_TRUE(notified(mediaEndCode(3)));
    EXPECT_TRUE(notified(mediaEndCode(4)));
    player.HandleGraphEvent(mediaEndCode(3));
    EXPECT_FALSE(device_.chunkPlaying(3));
    player.Free();
}

TEST_F(MixerPlayerTest, StoppedLoopsAndMissingFilesAreQuiet) {
    SdlMixerPlayer player(device_, files_, clock_);
    ASSERT_GE(player.Init(), 0);
    player.PlayAudio(1, "se\\beep.wav", true);
    player.PlayAudio(2, "se\\missing.wav", true);
    player.PlayAudio(0, "se\\beep.ogg", true);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_TRUE(device_.chunkPlaying(1)) << "a loop goes on past its end";
    EXPECT_TRUE(device_.musicPlaying(SdlMixerDevice::MusicUser::Channel0));
    EXPECT_FALSE(device_.chunkPlaying(2));
    player.StopAudio(1);
    player.StopAudio(0);
    player.StopAudio(5);
    EXPECT_TRUE(codes().empty()) << "only ends reached by playing are notified";
    player.Free();
}

TEST_F(MixerPlayerTest, CdTrackFileEndsWithTheCompletionCode) {
    SdlMixerPlayer player(device_, files_, clock_);
    ASSERT_GE(player.Init(), 0);
    SdlCdAudio cd(device_, files_, "bgm\\");
    ASSERT_TRUE(cd.open());
    EXPECT_FALSE(cd.play(4, true));
    ASSERT_TRUE(cd.play(3, true));
    EXPECT_EQ(cd.currentTrack(), 3);
    EXPECT_TRUE(notified(CdAudioPlayer::kCdPlayCompleted));
    EXPECT_EQ(cd.currentTrack(), 4) << "past the end of a track lies the next";
    player.Free();
}

// A movie with sound on the real mixer: its clock follows the played sound and its end is notified.
TEST_F(MixerPlayerTest, AMoviesSoundLeadsItsClockToTheEnd) {
    std::filesystem::copy_file(std::filesystem::path(MORV_TEST_GAMES) / "movie" / "colors.mpg", dir_.path() / "colors.mpg");
    SdlClock clock;
    MixerMovieSound sound(device_);
    SdlMixerPlayer player(device_, files_, clock, &sound);
    ASSERT_GE(player.Init(), 0);
    player.PlayAudio(0, "bgm\\track03.ogg", true);
    player.PlayVideo(0, "colors.mpg");
    ASSERT_EQ(player.GetVideoState(0), MediaPlayer::kVideoRunning);
    std::vector<uint8_t> pixels(64 * 48 * 4);
    const MediaPlayer::VideoTarget target{pixels.data(), 64 * 4, 64, 48, PixelFormat::Xrgb8888};
    bool soundFlowed = false;
    for (int i = 0; i < 300 && player.GetVideoState(0) == MediaPlayer::kVideoRunning; ++i) {
        player.DrawVideoFrame(0, target);
        soundFlowed = soundFlowed || sound.playedMs().has_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_NE(player.GetVideoState(0), MediaPlayer::kVideoRunning);
    EXPECT_TRUE(soundFlowed) << "the sound played through the movie's own channel";
    EXPECT_TRUE(notified(kVideoEndCode));
    EXPECT_TRUE(device_.musicPlaying(SdlMixerDevice::MusicUser::Channel0)) << "the music goes on beside it";
    player.UnloadVideo(0);
    player.Free();
}

}  // namespace
}  // namespace morv
