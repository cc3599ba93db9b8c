// Transition commands: the picture put in place before the effect, and the
// threaded transition the interpreter waits for.
#include <chrono>
#include <thread>

#include "display/screen.h"
#include "interpreter/engine_state.h"
#include "interpreter/scenario_state.h"
#include "interpreter_support.h"
#include "scene_test_fixture.h"

namespace morv::testing {
namespace {

using Effects = InterpreterTest;

const std::string kLowWindow = "TEXT_WINDOW_RECT = 0, 32, 60, 44\n";

// Red over the screen's width, blue beyond it.
std::string wideImage() {
    return morv::test::bmpFile(128, 48, [](int x, int) { return x < 64 ? 0xFF0000u : 0x0000FFu; });
}

TEST_F(Effects, TheCommandLoadsTheScrollImageAndTheScrollEndsOnItsFarEnd) {
    writeGame({{"scenario.txt", "cg BLACK 0\ncgeffect RSCROLL 64 wide.bmp\nend\n"}}, kLowWindow);
    dir_.write("wide.bmp", wideImage());
    start();
    ASSERT_TRUE(playToEnd(50));
    const Surface& scene = runner_->screen()->surface(SurfaceRole::SceneSurface);
    EXPECT_EQ(morv::test::pixelAt(scene, 0, 0), screenColorToPixel(0x0000FF, scene.format()));
    EXPECT_TRUE(platform_->messagesShown().empty());
}

TEST_F(Effects, AScrollOfTheKeptStageShowsNoMessage) {
    writeGame({{"scenario.txt", "cg PURPLE 0\ncgeffect LSCROLL 64 BUFFER\nend\n"}}, kLowWindow);
    start();
    ASSERT_TRUE(playToEnd(50));
    EXPECT_TRUE(platform_->messagesShown().empty());
    const Surface& stage = runner_->screen()->surface(SurfaceRole::StageSurface);
    EXPECT_EQ(morv::test::pixelAt(stage, 0, 0), screenColorToPixel(0xFF00FF, stage.format()));
}

class ThreadedEffects : public InterpreterTest {
protected:
    // Ticks until the game ends, noting whether the interpreter ever waited for
    // the worker. The worker's progress depends on the machine's load, so the
    // limit is wall-clock time, and the worker gets the processor between ticks.
    bool playNotingWaits() {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!ended_ && std::chrono::steady_clock::now() < until) {
            waited_ = waited_ || waitingForWorker();
            ended_ = runner_->Tick();
            std::this_thread::yield();
        }
        return ended_;
    }
    bool waitingForWorker() const { return state() == EngineState::kWorkerEffect; }
    const Surface& scene() const { return runner_->screen()->surface(SurfaceRole::SceneSurface); }
    uint32_t white() const { return screenColorToPixel(0xFFFFFF, scene().format()); }

    bool waited_ = false;
};

TEST_F(ThreadedEffects, TheInterpreterWaitsForTheWorkerThenGoesOn) {
    writeGame({{"scenario.txt", "cg BLACK 0\nthreadcgeffect FADETO 320 WHITE\nsetflag after\nend\n"}}, kLowWindow);
    start();
    ASSERT_TRUE(playNotingWaits());
    EXPECT_TRUE(waited_);
    EXPECT_EQ(morv::test::pixelAt(scene(), 5, 5), white());
    EXPECT_TRUE(runner_->scenarioState()->flags.IsSet("after"));
    EXPECT_EQ(runner_->screen()->effectBusy().load(), 0);
}

TEST_F(ThreadedEffects, InvertNeverEntersTheWait) {
    writeGame({{"scenario.txt", "cg WHITE 0\nthreadcgeffect INVERT 5000\nsetflag after\nend\n"}}, kLowWindow);
    start();
    ASSERT_TRUE(playNotingWaits());
    EXPECT_FALSE(waited_);
    // Every bit inverted: white turns black, with the spare byte set.
    EXPECT_EQ(morv::test::pixelAt(scene(), 5, 5) & 0xFFFFFF, 0u);
}

// The fade would take weeks of virtual time: only a cancel ends it.
const std::string kEndlessFade = "cg BLACK 0\nthreadcgeffect FADETO 2147483647 WHITE\nsetflag after\nend\n";

TEST_F(ThreadedEffects, ADisplayModeToggleWaitsForTheFinalPicture) {
    writeGame({{"scenario.txt", kEndlessFade}}, kLowWindow);
    start();
    ASSERT_TRUE(tickUntil([this] { return waitingForWorker(); }));
    ASSERT_EQ(runner_->screen()->toggleDisplayMode(), 0);
    EXPECT_EQ(runner_->screen()->effectBusy().load(), 0);
    EXPECT_EQ(morv::test::pixelAt(scene(), 5, 5), white());
    ASSERT_TRUE(playNotingWaits());
    EXPECT_TRUE(runner_->scenarioState()->flags.IsSet("after"));
}

TEST_F(ThreadedEffects, SkippingCutsTheEffectShort) {
    writeGame({{"scenario.txt", kEndlessFade}}, kLowWindow);
    start();
    ASSERT_TRUE(tickUntil([this] { return waitingForWorker(); }));
    runner_->fastForward();
    ASSERT_TRUE(playNotingWaits());
    EXPECT_EQ(morv::test::pixelAt(scene(), 5, 5), white());
}

TEST_F(ThreadedEffects, AClickCutsTheEffectShort) {
    writeGame({{"scenario.txt", kEndlessFade}}, kLowWindow);
    start();
    ASSERT_TRUE(tickUntil([this] { return waitingForWorker(); }));
    runner_->Advance();
    ASSERT_TRUE(playNotingWaits());
    EXPECT_EQ(morv::test::pixelAt(scene(), 5, 5), white());
    EXPECT_TRUE(runner_->scenarioState()->flags.IsSet("after"));
}

TEST_F(ThreadedEffects, TheReviewCannotOpenWhileTheWorkerDraws) {
    writeGame({{"scenario.txt", "text 가\n" + kEndlessFade}}, kLowWindow);
    start();
    ASSERT_TRUE(tickUntilIdle());
    runner_->Advance();
    ASSERT_TRUE(tickUntil([this] { return waitingForWorker(); }));
    runner_->reviewBack();
    EXPECT_EQ(state(), EngineState::kWorkerEffect);
    EXPECT_TRUE(waitingForWorker());
}

TEST_F(ThreadedEffects, ShutdownStopsARunningWorker) {
    writeGame({{"scenario.txt", kEndlessFade}}, kLowWindow);
    start();
    ASSERT_TRUE(tickUntil([this] { return waitingForWorker(); }));
    runner_.reset();  // would hang, or draw on freed surfaces, if the worker went on
}

// The headless display takes frames on the main thread only: the worker's frames
// wait until the wait tick shows them, and are dropped once the worker is done.
TEST_F(ThreadedEffects, WorkerFramesAreShownByTheMainThread) {
    writeGame({{"scenario.txt", "delay 100\nend\n"}}, kLowWindow);
    start();
    Screen& screen = *runner_->screen();
    const int before = platform_->presentCount();
    std::thread([canvas = screen.workerCanvas()] { canvas.present(); }).join();
    EXPECT_EQ(platform_->presentCount(), before);
    screen.effectBusy() = 1;
    screen.showWorkerFrame();
    EXPECT_EQ(platform_->presentCount(), before + 1);
    screen.showWorkerFrame();  // nothing new
    EXPECT_EQ(platform_->presentCount(), before + 1);
    std::thread([canvas = screen.workerCanvas()] { canvas.present(); }).join();
    screen.effectBusy() = 0;
    screen.showWorkerFrame();
    EXPECT_EQ(platform_->presentCount(), before + 1);
}

}  // namespace
}  // namespace morv::testing
