// Scenario commands that run effect libraries: cgeffect and threadcgeffect with a library word, and cgeffect2.
#include <filesystem>
#include <map>
#include <memory>

#include "display/screen.h"
#include "effects/continuous_effect.h"
#include "interpreter/scenario_state.h"
#include "interpreter_support.h"
#include "platform/shared_library.h"

namespace morv::testing {
namespace {

namespace fs = std::filesystem;

class EffectLibraries : public InterpreterTest {
protected:
    // The libraries live in "effects\" of the game; the window stays off the top-left pixel.
    void writeGameWithLibraries(const std::string& scenario) {
        writeGame({{"scenario.txt", scenario}}, "CGEFFECT_DIRECTORY = effects\\\nTEXT_WINDOW_RECT = 0, 32, 60, 44\n");
    }
    // Copies a test library into the game's effect directory and keeps it loaded,
    // so that its log outlives the engine's use of it.
    void install(const std::string& built, const std::string& name) {
        const fs::path target = dir_.path() / "effects" / name;
        fs::create_directories(target.parent_path());
        fs::copy_file(fs::path(MORV_TEST_PLUGINS) / (built + ".so"), target);
        held_[name] = SharedLibrary::open(target);
        ASSERT_TRUE(held_[name]);
    }
    std::string log(const std::string& name) {
        using LogFn = const char* (*)();
        return reinterpret_cast<LogFn>(held_.at(name)->symbol("TestPluginLog"))();
    }
    bool pluginBit() const { return runner_->engineState().pluginRunning(); }
    const std::vector<std::string>& messages() const { return platform_->messagesShown(); }
    // The top-left pixel of the last presented frame as 0xRRGGBB.
    uint32_t shownTopLeft() const {
        const FrameImage& frame = platform_->frame();
        return (uint32_t{frame.rgb[0]} << 16) | (uint32_t{frame.rgb[1]} << 8) | frame.rgb[2];
    }

    std::map<std::string, std::unique_ptr<SharedLibrary>> held_;
};

TEST_F(EffectLibraries, NumberAboveThirtyNamesALibraryThatDrawsTheScene) {
    writeGameWithLibraries("cgeffect 31 500 BUFFER 7\nsetflag after\ndelay 100\nend\n");
    install("transition", "31");
    start();
    ASSERT_TRUE(tickUntil([this] { return runner_->delayTimer().active; }));
    EXPECT_EQ(log("31"), "cgeffect 500 7 scratch=-1 rect=64 run=1 stage=1;present=0 stage-present=-1;");
    EXPECT_TRUE(runner_->scenarioState()->flags.IsSet("after"));
    EXPECT_EQ(shownTopLeft(), 0x000007u);
    EXPECT_TRUE(messages().empty());
}

TEST_F(EffectLibraries, ThreadedLibraryEffectWithoutItsLibraryReportsOnceAndGoesOn) {
    writeGameWithLibraries("cg BLACK 0\nthreadcgeffect Missing.dll 500 WHITE\nsetflag after\ndelay 100\nend\n");
    start();
    ASSERT_TRUE(tickUntil([this] { return runner_->delayTimer().active; }));
    EXPECT_EQ(messages(), std::vector<std::string>{"effects\\Missing.dll 파일을 여는데 실패했습니다."});
    EXPECT_TRUE(runner_->scenarioState()->flags.IsSet("after"));
    EXPECT_EQ(state(), EngineState::kScenario);
    // The picture was prepared on the stage before the library was looked for.
    EXPECT_EQ(runner_->screen()->surface(SurfaceRole::StageSurface).row(0)[0], 0xFF);
}

TEST_F(EffectLibraries, ContinuousEffectUpdatesEachTickUntilCgEffect2EndsIt) {
    writeGameWithLibraries("cgeffect2 Snow.DLL heavy\ndelay 100\ncgeffect2\nsetflag after\ndelay 100\nend\n");
    install("continuous", "Snow.so");
    start();
    ASSERT_TRUE(tickUntil([this] { return runner_->delayTimer().active; }));
    EXPECT_TRUE(pluginBit());
    EXPECT_EQ(runner_->continuousEffect()->word(), "Snow.DLL");
    runner_->Tick();
    runner_->Tick();
    // The library painted the frame; the tick presented it.
    EXPECT_EQ(shownTopLeft(), 0x001234u);
    ASSERT_TRUE(tickUntil([this] { return runner_->scenarioState()->flags.IsSet("after"); }));
    EXPECT_FALSE(pluginBit());
    EXPECT_FALSE(runner_->continuousEffect()->active());
    const std::string calls = log("Snow.so");
    EXPECT_EQ(calls.rfind("begin heavy 1;update;", 0), 0u) << calls;
    EXPECT_EQ(calls.substr(calls.size() - 11), "update;end;");
}

TEST_F(EffectLibraries, TransitionEndsTheContinuousEffectFirst) {
    writeGameWithLibraries("cgeffect2 Snow.so\ndelay 50\ncgeffect FADETO 10 WHITE\ndelay 100\nend\n");
    install("continuous", "Snow.so");
    start();
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "scenario.txt:3"; }));
    EXPECT_FALSE(pluginBit());
    const std::string calls = log("Snow.so");
    EXPECT_EQ(calls.substr(calls.size() - 4), "end;");
}

TEST_F(EffectLibraries, FailedContinuousStartClearsTheBitAndLeavesNothingToEnd) {
    writeGameWithLibraries("cgeffect2 NoEnd.so x\ndelay 100\nend\n");
    install("no_end", "NoEnd.so");
    start();
    ASSERT_TRUE(tickUntil([this] { return runner_->delayTimer().active; }));
    EXPECT_EQ(messages(), std::vector<std::string>{"EndCGEffect2 함수가 없습니다."});
    EXPECT_FALSE(pluginBit());
    EXPECT_FALSE(runner_->continuousEffect()->active());
    EXPECT_EQ(runner_->continuousEffect()->word(), "");
    EXPECT_EQ(log("NoEnd.so"), "");
}

TEST_F(EffectLibraries, LoadedGameRestartsItsContinuousEffect) {
    writeGameWithLibraries("delay 100\nend\n");
    install("continuous", "Rain.so");
    start();
    runner_->restoreContinuousEffect("Rain.so", "saved");
    EXPECT_TRUE(pluginBit());
    EXPECT_EQ(runner_->continuousEffect()->parameter(), "saved");
    runner_->restoreContinuousEffect("", "");
    EXPECT_FALSE(pluginBit());
    EXPECT_EQ(log("Rain.so"), "begin saved 1;end;");
    // A saved library that is gone leaves no effect and the bit clear.
    runner_->restoreContinuousEffect("Gone.so", "");
    EXPECT_FALSE(pluginBit());
    EXPECT_EQ(messages(), std::vector<std::string>{"effects\\Gone.so 파일을 여는데 실패했습니다."});
}

TEST_F(EffectLibraries, ASavedGameStartsItsContinuousEffectAgainWhenLoaded) {
    writeGameWithLibraries("cgeffect2 Rain.so saved\ntext 가\nend\n");
    install("continuous", "Rain.so");
    start();
    ASSERT_TRUE(tickUntilIdle());
    ASSERT_TRUE(runner_->save(2));
    runner_->restoreContinuousEffect("", "");
    ASSERT_FALSE(pluginBit());
    ASSERT_TRUE(runner_->load(2));
    EXPECT_TRUE(pluginBit());
    EXPECT_EQ(runner_->continuousEffect()->word(), "Rain.so");
    EXPECT_EQ(runner_->continuousEffect()->parameter(), "saved");
    // Loading ends the running effect before its own starts.
    ASSERT_TRUE(runner_->load(2));
    EXPECT_TRUE(log("Rain.so").ends_with(";end;begin saved 1;end;begin saved 1;")) << log("Rain.so");
}

}  // namespace
}  // namespace morv::testing
