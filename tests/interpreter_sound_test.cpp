// The scenario's sound commands reach the players, and a restart silences them.
#include <string>

#include "interpreter_support.h"
#include "sound/sound_system.h"

namespace morv::testing {
namespace {

class InterpreterSoundTest : public InterpreterTest {};

TEST_F(InterpreterSoundTest, SoundCommandsPlayMusicLoopsEffectsAndVoice) {
    writeGame({{"scenario.txt",
                "bgm theme.ogg\n"
                "effect rain.wav REPEATS\n"
                "effect bell.wav\n"
                "voice v01.ogg\n"
                "effect wind.wav STOP\n"
                "setfadedelay 100\n"
                "bgm next.ogg FADE\n"
                "text 소리\n"
                "effect\n"
                "text 끝\n"}},
              "BGM_DIRECTORY = bgm\\\nEFFECT_DIRECTORY = se\\\nVOICE_DIRECTORY = voice\\\n");
    start();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_TRUE(traced(R"(audio play 0 "bgm\\theme.ogg" loop)"));
    EXPECT_TRUE(traced(R"(audio play 1 "se\\rain.wav" loop)"));
    EXPECT_TRUE(traced(R"(audio play 3 "se\\bell.wav" once)"));
    EXPECT_TRUE(traced(R"(audio play 7 "voice\\v01.ogg" once)"));
    EXPECT_TRUE(traced(R"(message "\"wind.wav\" 파일은 현재 재생중이 아닙니다.")"));
    EXPECT_EQ(runner_->sound()->fadeTime(), 100);

    // The fade runs on the engine's ticks while the text waits for the player.
    sleep(150);
    runner_->Tick();
    sleep(150);
    runner_->Tick();
    EXPECT_TRUE(traced(R"(audio play 0 "bgm\\next.ogg" loop)"));

    runner_->Advance();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(runner_->sound()->loopName(1), "") << "effect without a name stops the effects";

    runner_->restart();
    EXPECT_EQ(runner_->sound()->fadeTime(), SoundSystem::kDefaultFadeTimeMs);
    EXPECT_EQ(runner_->sound()->bgmName(), "");
    EXPECT_FALSE(platform_->audio().channels[0].playing);
    EXPECT_FALSE(platform_->audio().channels[7].playing);
}

}  // namespace
}  // namespace morv::testing
