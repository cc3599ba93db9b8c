// Transitions on the effect worker: cancelling between frames, the final states,
// and a thread that cannot be started.
#include <system_error>
#include <thread>

#include "effects/effect_worker.h"
#include "effects/threaded_effect.h"
#include "effects_test_fixture.h"

namespace morv::test {
namespace {

class EffectsThreadTest : public EffectsTest {
protected:
    // Starts the effect on the worker and waits until it has presented `frames` frames.
    void startAndWaitForFrames(int number, int duration, std::optional<int> parameter, size_t frames) {
        const EffectCanvas canvas = bare->canvas();
        ASSERT_FALSE(startThreadedEffect(worker, canvas, canvas, EffectRequest{number, duration, parameter}));
        EXPECT_EQ(bare->busy.load(), 1);
        while (bare->presented.load() < frames) std::this_thread::yield();
    }

    EffectWorker worker;
};

// The longest duration a line can give: the later frames lie far beyond what
// the worker's own reads of the virtual clock reach before it is cancelled.
constexpr int kLong = 0x7FFFFFFF;

TEST_P(EffectsThreadTest, CancellingJumpsToEachFamilysFinalState) {
    // FADETO: the new picture on the frame and the scene.
    makeCanvas(24, 16);
    startAndWaitForFrames(0, kLong, std::nullopt, 0);
    worker.stop();
    EXPECT_EQ(bare->busy.load(), 0);
    EXPECT_LT(presents(), 32u);
    EXPECT_EQ(pixelsOf(frame()), newPicture);
    EXPECT_EQ(pixelsOf(scene()), newPicture);

    // HQUAKE, after its first shaken frame: the unshaken scene, the stage untouched.
    makeCanvas(24, 16);
    startAndWaitForFrames(18, kLong, 4, 1);
    worker.stop();
    EXPECT_LT(presents(), 32u);
    EXPECT_NE(frames().front(), oldPicture);
    EXPECT_EQ(pixelsOf(frame()), oldPicture);
    EXPECT_EQ(pixelsOf(scene()), oldPicture);
    EXPECT_EQ(pixelsOf(stage()), newPicture);

    // CROTATE, after its first angle: that angle stays as the scene and the stage.
    makeCanvas(24, 16);
    startAndWaitForFrames(24, kLong, 90, 1);
    worker.stop();
    ASSERT_LT(presents(), 16u);
    EXPECT_EQ(pixelsOf(frame()), frames().back());
    EXPECT_EQ(pixelsOf(scene()), frames().back());
    EXPECT_EQ(pixelsOf(stage()), frames().back());
    EXPECT_NE(pixelsOf(scene()), oldPicture);  // its last row and column are black
}

TEST_P(EffectsThreadTest, AnUncancelledWorkerDrawsEveryFrameAndClearsBusyLast) {
    makeCanvas(24, 16);
    const EffectCanvas canvas = bare->canvas();
    ASSERT_FALSE(startThreadedEffect(worker, canvas, canvas, EffectRequest{26, 64, std::nullopt}));
    while (bare->busy.load(std::memory_order_acquire) != 0) std::this_thread::yield();
    // Busy reads 0 only after the final copies.
    EXPECT_EQ(pixelsOf(scene()), newPicture);
    EXPECT_EQ(pixelsOf(frame()), newPicture);
    worker.stop();
    EXPECT_EQ(presents(), 16u);
}

TEST_P(EffectsThreadTest, InvertAndUnknownNumbersAreOverAtOnce) {
    makeCanvas(8, 4);
    const EffectCanvas canvas = bare->canvas();
    EXPECT_TRUE(startThreadedEffect(worker, canvas, canvas, EffectRequest{5, 1000, std::nullopt}));
    EXPECT_EQ(bare->busy.load(), 0);
    EXPECT_NE(pixelsOf(scene()), oldPicture);
    EXPECT_TRUE(startThreadedEffect(worker, canvas, canvas, EffectRequest{31, 1000, std::nullopt}));
    EXPECT_EQ(bare->busy.load(), 0);
    EXPECT_EQ(presents(), 0u);
}

// A new effect cancels the one still running and starts from its final state.
TEST_P(EffectsThreadTest, ANewEffectWaitsForThePreviousWorker) {
    makeCanvas(24, 16);
    startAndWaitForFrames(0, kLong, std::nullopt, 0);
    const EffectCanvas canvas = bare->canvas();
    ASSERT_FALSE(startThreadedEffect(worker, canvas, canvas, EffectRequest{18, 0, 2}));
    worker.stop();
    EXPECT_EQ(pixelsOf(scene()), newPicture);  // the fade's final state, unshaken
    EXPECT_EQ(pixelsOf(frame()), newPicture);
}

TEST_P(EffectsThreadTest, WithoutAThreadTheEffectRunsOnTheCallersThread) {
    EffectWorker noThreads([](std::function<void()>) -> std::thread {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    });
    makeCanvas(24, 16);
    const EffectCanvas canvas = bare->canvas();
    EXPECT_FALSE(startThreadedEffect(noThreads, canvas, canvas, EffectRequest{0, 32, std::nullopt}));
    EXPECT_EQ(bare->busy.load(), 0);
    EXPECT_EQ(presents(), 32u);
    EXPECT_EQ(pixelsOf(scene()), newPicture);
    noThreads.stop();
}

INSTANTIATE_TEST_SUITE_P(Depths, EffectsThreadTest, ::testing::Values(16, 32), depthName);

}  // namespace
}  // namespace morv::test
