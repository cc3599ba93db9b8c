// Transition commands: the picture put in place before the effect, and the
// threaded transition the interpreter waits for.
#include <chrono>
#include <filesystem>
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

// The ripple of the Effects library on the worker: 2 s (or 9 s) over a black
// scene, ending on the blue picture the line names.
class ThreadedLibraryEffects : public ThreadedEffects {
protected:
    void writeRippleGame(const std::string& library, const std::string& duration) {
        writeGame({{"scenario.txt", "cg BLACK 0\nthreadcgeffect " + library + " " + duration +
                                        " blue.bmp 32024\nsetflag after\nend\n"}},
                  kLowWindow);
        dir_.write("blue.bmp", morv::test::bmpFile(64, 48, [](int, int) { return 0x0000FFu; }));
        std::filesystem::copy_file(MORV_EFFECTS_LIBRARY, dir_.path() / "Effects.so");
    }
    uint32_t blue() const { return screenColorToPixel(0x0000FF, scene().format()); }
};

TEST_F(ThreadedLibraryEffects, TheInterpreterWaitsForTheLibraryOnTheWorker) {
    writeRippleGame("Effects.dll", "10520020");
    start();
    ASSERT_TRUE(playNotingWaits());
    EXPECT_TRUE(waited_);
    EXPECT_EQ(morv::test::pixelAt(scene(), 32, 24), blue());
    EXPECT_EQ(morv::test::pixelAt(runner_->screen()->surface(SurfaceRole::StageSurface), 32, 24), blue());
    EXPECT_TRUE(runner_->scenarioState()->flags.IsSet("after"));
    EXPECT_TRUE(platform_->messagesShown().empty());
}

TEST_F(ThreadedLibraryEffects, AClickCutsTheLibrarysEffectShort) {
    writeRippleGame("Effects.dll", "10590020");
    start();
    ASSERT_TRUE(tickUntil([this] { return waitingForWorker(); }));
    runner_->Advance();
    ASSERT_TRUE(playNotingWaits());
    EXPECT_LT(now(), 9000u);
    EXPECT_EQ(morv::test::pixelAt(scene(), 32, 24), blue());
}

// Loading fails on the main thread, where the message can be shown; nothing waits.
TEST_F(ThreadedLibraryEffects, AMissingLibraryIsReportedAndTheGameGoesOn) {
    writeRippleGame("Missing.dll", "10520020");
    start();
    ASSERT_TRUE(playNotingWaits());
    EXPECT_FALSE(waited_);
    EXPECT_EQ(platform_->messagesShown(), std::vector<std::string>{".\\Missing.dll 파일을 여는데 실패했습니다."});
    EXPECT_TRUE(runner_->scenarioState()->flags.IsSet("after"));
    EXPECT_EQ(runner_->screen()->effectBusy().load(), 0);
}

// The headless display takes frames on the main thread only: the worker draws one
// frame per turn the main thread grants, and nothing is shown once it is done.
TEST_F(ThreadedEffects, TheWorkerDrawsOneFramePerTurnOfTheMainThread) {
    writeGame({{"scenario.txt", "delay 100\nend\n"}}, kLowWindow);
    start();
    Screen& screen = *runner_->screen();
    const int before = platform_->presentCount();
    screen.effectRun() = 1;
    screen.effectBusy() = 1;
    std::atomic<int> drawn{0};
    std::thread worker([&drawn, canvas = screen.workerCanvas()] {
        canvas.awaitTurn();
        for (int i = 0; i < 2; ++i) {
            ++drawn;
            canvas.present();
        }
        canvas.busy.store(0, std::memory_order_release);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(drawn.load(), 0);
    screen.showWorkerFrame();
    EXPECT_EQ(drawn.load(), 1);
    EXPECT_EQ(platform_->presentCount(), before + 1);
    screen.showWorkerFrame();
    EXPECT_EQ(drawn.load(), 2);
    EXPECT_EQ(platform_->presentCount(), before + 2);
    screen.showWorkerFrame();  // the worker ends in this turn
    worker.join();
    EXPECT_EQ(platform_->presentCount(), before + 2);
    EXPECT_EQ(screen.effectBusy().load(), 0);
}

}  // namespace
}  // namespace morv::testing
