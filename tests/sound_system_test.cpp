// The sound system's music fades, output switches, loops, one-shots and CD tracks
// against the headless recording players.
#include <gtest/gtest.h>

#include <string>

#include "config/game_config.h"
#include "platform/audio_gain.h"
#include "platform/headless/headless_platform.h"
#include "sound/sound_system.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::CurrentDirectory;
using testing::TempDir;

class SoundSystemTest : public ::testing::Test {
protected:
    SoundSystemTest() : cwd_(dir_.path()) {
        config_.bgmDirectory = "bgm\\";
        config_.effectDirectory = "se\\";
        config_.voiceDirectory = "voice\\";
    }

    void start() {
        sound_ = std::make_unique<SoundSystem>(config_, platform_);
        ASSERT_TRUE(sound_->initialise());
        platform_.audio().channels = {};
    }
    // Lets `ms` virtual milliseconds pass, then takes one fade step.
    void stepAfter(uint32_t ms) {
        platform_.virtualClock().sleep(ms);
        sound_->advanceFade();
    }
    const HeadlessAudio::Channel& channel(int number) { return platform_.audio().channels[number]; }

    TempDir dir_;
    CurrentDirectory cwd_;
    GameConfig config_;
    HeadlessPlatform platform_;
    std::unique_ptr<SoundSystem> sound_;
};

TEST_F(SoundSystemTest, FadeOutThenThePendingNameFadesIn) {
    start();
    sound_->playBgm("first.ogg", false);
    EXPECT_EQ(channel(0).file, "bgm\\first.ogg");
    EXPECT_TRUE(channel(0).loop);
    EXPECT_FALSE(sound_->fading());

    sound_->playBgm("second.ogg", true);
    EXPECT_EQ(channel(0).file, "bgm\\first.ogg") << "the old music fades out first";
    stepAfter(300);
    EXPECT_NEAR(channel(0).volume, -2500, 50);
    stepAfter(400);
    EXPECT_EQ(channel(0).file, "bgm\\second.ogg");
    EXPECT_TRUE(channel(0).playing);
    EXPECT_EQ(channel(0).volume, -5000);
    stepAfter(300);
    EXPECT_NEAR(channel(0).volume, -2500, 50);
    EXPECT_TRUE(sound_->fading());
    stepAfter(400);
    EXPECT_EQ(channel(0).volume, 0);
    EXPECT_FALSE(sound_->fading());
    EXPECT_TRUE(sound_->bgmPlaying());
}

TEST_F(SoundSystemTest, FadingOnEveryChangeAndFadeoutStopTheMusicAfterTheFade) {
    config_.fadeOnBgmChange = true;
    config_.bgmVolume = -1000;
    start();
    sound_->playBgm("a.ogg", false);
    EXPECT_TRUE(sound_->fading()) << "with nothing playing the music fades in";
    EXPECT_EQ(channel(0).volume, -5000);
    stepAfter(700);
    EXPECT_EQ(channel(0).volume, -1000);

    sound_->playBgm("FADEOUT", false);
    EXPECT_EQ(sound_->bgmName(), "");
    EXPECT_TRUE(channel(0).playing);
    stepAfter(300);
    EXPECT_NEAR(channel(0).volume, -3000, 50);
    stepAfter(400);
    EXPECT_FALSE(channel(0).playing);
    EXPECT_FALSE(sound_->bgmPlaying());
    EXPECT_FALSE(sound_->fading());
    EXPECT_EQ(channel(0).volume, -1000) << "the channel is ready for the next music";
}

TEST_F(SoundSystemTest, RequestedFadeWithNothingPlayingFadesInFromSilence) {
    start();
    sound_->playBgm("a.ogg", true);
    EXPECT_TRUE(channel(0).playing);
    EXPECT_EQ(channel(0).volume, -5000);
    EXPECT_EQ(platform_.audio().cdLineVolume, 0);
    stepAfter(150);
    EXPECT_NEAR(channel(0).volume, -3750, 50);
    // Stopping without a fade ends at once, also in the middle of a fade.
    sound_->playBgm("stop", false);
    EXPECT_FALSE(channel(0).playing);
    EXPECT_FALSE(sound_->fading());
}

TEST_F(SoundSystemTest, FadeTimeOfZeroOrLessEndsTheFadeAtOnce) {
    start();
    sound_->setFadeTime(0);
    sound_->playBgm("a.ogg", true);
    sound_->advanceFade();
    EXPECT_FALSE(sound_->fading());
    EXPECT_EQ(channel(0).volume, 0);
    sound_->setFadeTime(-5);
    sound_->playBgm("b.ogg", true);
    sound_->advanceFade();
    EXPECT_EQ(channel(0).file, "bgm\\b.ogg");
    sound_->advanceFade();
    EXPECT_FALSE(sound_->fading());
}

TEST_F(SoundSystemTest, BgmSwitchOffKeepsTheNameAndOnReplaysIt) {
    start();
    sound_->playBgm("a.ogg", false);
    config_.bgmOn = false;
    sound_->bgmSwitchChanged();
    EXPECT_FALSE(channel(0).playing);
    sound_->playBgm("b.ogg", false);
    EXPECT_FALSE(channel(0).playing) << "nothing plays while BGM is off";
    config_.bgmOn = true;
    sound_->bgmSwitchChanged();
    EXPECT_TRUE(channel(0).playing);
    EXPECT_EQ(channel(0).file, "bgm\\b.ogg");
}

TEST_F(SoundSystemTest, SwitchingOutputMovesThePlayingMusicBetweenFilesAndCd) {
    dir_.write("bgm/track13.ogg", "");
    start();
    sound_->playBgm("music12.ogg", false);
    config_.bgmIsPcm = false;
    sound_->switchBgmOutput();
    EXPECT_FALSE(channel(0).playing);
    EXPECT_TRUE(platform_.audio().cdPlaying);
    EXPECT_EQ(platform_.audio().cdTrack, 13) << "five letters, 12, first audio track 2";

    config_.bgmIsPcm = true;
    sound_->switchBgmOutput();
    EXPECT_FALSE(platform_.audio().cdPlaying);
    EXPECT_TRUE(channel(0).playing);
    EXPECT_EQ(channel(0).file, "bgm\\music12.ogg");
}

TEST_F(SoundSystemTest, CdTrackLoopsByItsCompletionNotification) {
    dir_.write("bgm/Track05.WAV", "");
    config_.bgmIsPcm = false;
    config_.firstAudioTrack = 1;
    start();
    sound_->playBgm("track05.wav", false);
    EXPECT_EQ(platform_.audio().cdTrack, 5);
    platform_.endCdTrack();
    WindowEvent event;
    ASSERT_TRUE(platform_.events().poll(event));
    ASSERT_EQ(event.kind, WindowEvent::Kind::MediaNotify);
    sound_->mediaNotification(event.value);
    EXPECT_TRUE(platform_.audio().cdPlaying);
    EXPECT_EQ(platform_.audio().cdTrack, 5);

    // A missing track fails quietly, like a missing disc.
    sound_->playBgm("track07.wav", false);
    EXPECT_FALSE(platform_.audio().cdPlaying);
    EXPECT_TRUE(platform_.messagesShown().empty());
    // A name too short to hold a number asks for the track before the first.
    sound_->playBgm("cd", false);
    EXPECT_TRUE(platform_.traceLines().back().ends_with("] cd play 0 missing")) << platform_.traceLines().back();
}

TEST_F(SoundSystemTest, CdLineFollowsTheMusicFadeAndIsRestoredAtShutdown) {
    dir_.write("bgm/track02.ogg", "");
    config_.bgmIsPcm = false;
    platform_.audio().cdLineVolume = 40000;
    start();
    EXPECT_EQ(platform_.audio().cdLineVolume, 65535);
    sound_->playBgm("track01.ogg", true);
    stepAfter(300);
    EXPECT_NEAR(platform_.audio().cdLineVolume, 32767, 700);
    sound_.reset();
    EXPECT_EQ(platform_.audio().cdLineVolume, 40000);
    EXPECT_TRUE(platform_.audio().freed);
}

TEST_F(SoundSystemTest, ThirdLoopReplacesTheOneNotFilledLast) {
    start();
    sound_->startLoop("rain.wav");
    sound_->startLoop("wind.wav");
    sound_->startLoop("fire.wav");
    EXPECT_EQ(sound_->loopName(1), "fire.wav");
    EXPECT_EQ(channel(1).file, "se\\fire.wav");
    EXPECT_EQ(sound_->loopName(2), "wind.wav");
    sound_->startLoop("sea.wav");
    EXPECT_EQ(sound_->loopName(2), "sea.wav");
    EXPECT_EQ(sound_->loopName(1), "fire.wav");

    sound_->stopLoop("SEA.WAV");
    EXPECT_FALSE(channel(2).playing);
    EXPECT_EQ(sound_->loopName(2), "");
    sound_->startLoop("bird.wav");
    EXPECT_EQ(sound_->loopName(2), "bird.wav") << "a free channel is taken first";
}

TEST_F(SoundSystemTest, EffectsOffThenOnRestartsBothRecordedLoops) {
    start();
    sound_->startLoop("rain.wav");
    config_.effectsOn = false;
    sound_->effectsSwitchChanged();
    EXPECT_FALSE(channel(1).playing);
    sound_->startLoop("wind.wav");
    sound_->playOneShot("bell.wav");
    EXPECT_FALSE(channel(2).playing) << "recorded, not played";
    EXPECT_FALSE(channel(3).playing);
    config_.effectsOn = true;
    sound_->effectsSwitchChanged();
    EXPECT_EQ(channel(1).file, "se\\rain.wav");
    EXPECT_EQ(channel(2).file, "se\\wind.wav");
    EXPECT_TRUE(channel(1).playing && channel(1).loop);
    EXPECT_TRUE(channel(2).playing && channel(2).loop);
}

TEST_F(SoundSystemTest, StoppingALoopThatIsNotPlayingShowsTheMessage) {
    start();
    sound_->startLoop("rain.wav");
    sound_->stopLoop("wind.wav");
    ASSERT_EQ(platform_.messagesShown().size(), 1u);
    EXPECT_EQ(platform_.messagesShown()[0], "\"wind.wav\" 파일은 현재 재생중이 아닙니다.");
    EXPECT_TRUE(channel(1).playing);
    EXPECT_EQ(sound_->loopName(1), "rain.wav");
}

TEST_F(SoundSystemTest, OneShotsTakeChannelsThreeToSixInTurn) {
    start();
    for (int i = 0; i < 5; ++i) sound_->playOneShot("s" + std::to_string(i) + ".wav");
    EXPECT_EQ(channel(3).file, "se\\s4.wav") << "the fifth replaces the oldest";
    EXPECT_EQ(channel(4).file, "se\\s1.wav");
    EXPECT_EQ(channel(6).file, "se\\s3.wav");
    EXPECT_FALSE(channel(6).loop);

    sound_->startLoop("rain.wav");
    sound_->playVoice("v1.ogg");
    sound_->stopAll();
    for (int number = 0; number < MediaPlayer::kChannels; ++number) EXPECT_FALSE(channel(number).playing) << number;
    EXPECT_EQ(sound_->loopName(1), "");
}

TEST_F(SoundSystemTest, VoicePlaysOnceOnlyWhenSwitchedOn) {
    start();
    sound_->playVoice("v1.ogg");
    EXPECT_EQ(channel(7).file, "voice\\v1.ogg");
    EXPECT_FALSE(channel(7).loop);
    sound_->playVoice("STOP");
    EXPECT_FALSE(channel(7).playing);
    config_.voiceOn = false;
    sound_->playVoice("v2.ogg");
    EXPECT_FALSE(channel(7).playing);
    EXPECT_EQ(channel(7).file, "voice\\v1.ogg");
}

TEST_F(SoundSystemTest, InitialisationSetsEveryVolumeAndFailsWithoutADevice) {
    config_.bgmVolume = -100;
    config_.effectVolume = -200;
    config_.voiceVolume = -300;
    sound_ = std::make_unique<SoundSystem>(config_, platform_);
    ASSERT_TRUE(sound_->initialise());
    EXPECT_EQ(channel(0).volume, -100);
    for (int number = 1; number <= 6; ++number) EXPECT_EQ(channel(number).volume, -200);
    EXPECT_EQ(channel(7).volume, -300);

    HeadlessPlatform silent;
    silent.audio().deviceMissing = true;
    SoundSystem failing(config_, silent);
    EXPECT_FALSE(failing.initialise());
    ASSERT_EQ(silent.messagesShown().size(), 1u);
    EXPECT_EQ(silent.messagesShown()[0], "DirectShow 초기화에 실패했습니다.");
}

TEST_F(SoundSystemTest, EndedStreamsReachThePlayerUnlessTheCodeIsEvenWithBgmOff) {
    start();
    sound_->playOneShot("bell.wav");
    platform_.endAudio(3);
    WindowEvent event;
    ASSERT_TRUE(platform_.events().poll(event));
    EXPECT_EQ(event.kind, WindowEvent::Kind::MediaNotify);
    EXPECT_EQ(event.value, mediaEndCode(3));
    sound_->mediaNotification(event.value);
    EXPECT_EQ(platform_.audio().handledEvents, 1);
    config_.bgmOn = false;
    sound_->mediaNotification(event.value);
    sound_->mediaNotification(2);
    sound_->mediaNotification(-1);
    EXPECT_EQ(platform_.audio().handledEvents, 2);
    EXPECT_FALSE(platform_.audio().cdPlaying);
}

TEST(AudioGain, DecibelsBecomeAmplitudeAndLineVolume) {
    EXPECT_EQ(gainForVolume(-5000), 0.0);
    EXPECT_EQ(gainForVolume(-9000), 0.0);
    EXPECT_NEAR(gainForVolume(-2000), 0.1, 1e-9);
    EXPECT_EQ(gainForVolume(0), 1.0);
    EXPECT_EQ(lineVolumeFor(-5000), 0);
    EXPECT_EQ(lineVolumeFor(0), 65535);
    EXPECT_EQ(lineVolumeFor(-2500), 32767);
    EXPECT_EQ(lineVolumeFor(400000), 65535) << "volumes out of range are clamped";
    EXPECT_EQ(gainForLineVolume(0), 0.0);
    EXPECT_EQ(gainForLineVolume(65535), 1.0);
}

}  // namespace
}  // namespace morv
