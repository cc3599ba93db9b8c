// The flash command in show scripts: playing to the end, skipping by click or cancel, and a missing file.
#include <algorithm>

#include "interpreter/engine_state.h"
#include "interpreter_support.h"
#include "support/swf_builder.h"

namespace morv::testing {
namespace {

class FlashCommand : public InterpreterTest {
protected:
    // A red stage of four frames at ten frames a second.
    void writeMovie(const std::string& name) {
        SwfWriter swf(64, 48, 10);
        swf.background({255, 0, 0, 255});
        for (int i = 0; i < 4; ++i) swf.showFrame();
        dir_.write(name, swf.file('C'));
    }
    // Ticks with 20 virtual milliseconds between turns, as the paced main loop would.
    bool tickTimedUntil(const std::function<bool()>& condition, int limit = 500) {
        return tickUntil(
            [&] {
                sleep(20);
                return condition();
            },
            limit);
    }
    bool messageEndsWith(const std::string& text) const {
        for (const std::string& line : platform_->traceLines())
            if (line.find("message \"") != std::string::npos && line.find(text + "\"") != std::string::npos) return true;
        return false;
    }
};

TEST_F(FlashCommand, PlaysToItsLastFrameThenTheShowScriptGoesOn) {
    writeMovie("logo.swf");
    writeGame({{"scenario.txt", "show 연출.txt\nsetflag 지나감\nend\n"},
               {"연출.txt", "flash .\\logo.swf\nsetflag 보임\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kFlash; }));
    const uint64_t started = now();
    ASSERT_TRUE(tickTimedUntil([this] { return state() != EngineState::kFlash; }));
    // Frame 3 is due 300 ms after the start.
    EXPECT_GE(now() - started, 300u);
    EXPECT_LT(now() - started, 400u);
    EXPECT_TRUE(traced("state 43 -> 32"));
    ASSERT_TRUE(playToEnd());
    const auto lines = executed();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "연출.txt:2"), lines.end());
}

TEST_F(FlashCommand, DrawsIntoItsRectangleAndGivesTheSceneBack) {
    writeMovie("logo.swf");
    writeGame({{"scenario.txt", "show 연출.txt\nend\n"}, {"연출.txt", "flash logo.swf 8 8 16 12\ntimer\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kFlash; }));
    runner_->Tick();
    ASSERT_EQ(platform_->frame().width, 64);
    auto red = [this](int x, int y) {
        const FrameImage& frame = platform_->frame();
        const uint8_t* p = &frame.rgb[(static_cast<size_t>(y) * frame.width + x) * 3];
        return p[0] == 255 && p[1] == 0 && p[2] == 0;
    };
    EXPECT_TRUE(red(8, 8));
    EXPECT_TRUE(red(23, 19));
    EXPECT_FALSE(red(7, 8));
    EXPECT_FALSE(red(24, 19));
    ASSERT_TRUE(tickTimedUntil([this] { return state() != EngineState::kFlash; }));
    EXPECT_FALSE(red(8, 8));
}

TEST_F(FlashCommand, AClickSkipsItOnlyInASkippableShowScript) {
    writeMovie("logo.swf");
    writeGame({{"scenario.txt", "show 연출.txt\nshow 연출.txt DISABLE_SKIP\nend\n"},
               {"연출.txt", "flash logo.swf\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kFlash; }));
    runner_->Advance();
    EXPECT_EQ(lastExecuted(), "scenario.txt:2");
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kFlash; }));
    runner_->Advance();
    EXPECT_EQ(state(), EngineState::kFlash);
    EXPECT_EQ(lastExecuted(), "연출.txt:1");
    ASSERT_TRUE(tickTimedUntil([this] { return state() == EngineState::kShow; }));
}

TEST_F(FlashCommand, CancelSkipsItInASkippableShowScriptAndGivesTheSceneBack) {
    writeMovie("logo.swf");
    writeGame({{"scenario.txt", "show 연출.txt\nsetflag 지나감\nend\n"},
               {"연출.txt", "flash logo.swf 8 8 16 12\nsetflag 보임\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kFlash; }));
    runner_->Tick();
    EXPECT_FALSE(runner_->cancel()) << "skipping the animation does not end the game";
    EXPECT_NE(state(), EngineState::kFlash);
    ASSERT_TRUE(playToEnd());
    const auto lines = executed();
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "연출.txt:2"), lines.end()) << "the show script is left";
    EXPECT_NE(std::find(lines.begin(), lines.end(), "scenario.txt:2"), lines.end());
    const FrameImage& frame = platform_->frame();
    const uint8_t* p = &frame.rgb[(static_cast<size_t>(8) * frame.width + 8) * 3];
    EXPECT_FALSE(p[0] == 255 && p[1] == 0 && p[2] == 0) << "the covered scene is back";
}

TEST_F(FlashCommand, AMissingFileIsReportedAndTheShowScriptGoesOn) {
    writeGame({{"scenario.txt", "show 연출.txt DISABLE_SKIP\nend\n"}, {"연출.txt", "flash 없는로고.swf\nend\n"}});
    start();
    ASSERT_TRUE(playToEnd());
    EXPECT_TRUE(messageEndsWith("/없는로고.swf를 찾을 수 없습니다."));
    EXPECT_TRUE(traced("state 32 -> 43"));
    EXPECT_TRUE(traced("state 43 -> 32"));
}

}  // namespace
}  // namespace morv::testing
