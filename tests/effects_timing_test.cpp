// How long effects take and how their frames are paced.
#include <functional>

#include "effects/effect_frames.h"
#include "effects_test_fixture.h"

namespace morv::test {
namespace {

class EffectsTimingTest : public EffectsTest {
protected:
    // With the virtual clock every poll of the tick counter takes 1 ms: a frame due
    // after `deadline` is presented 2 ms past start + deadline, or 1 ms after the
    // previous frame when that deadline has already passed.
    void expectDeadlines(const std::vector<uint64_t>& deadlines) {
        const std::vector<uint64_t>& times = bare->presentTimes;
        ASSERT_EQ(times.size(), deadlines.size());
        const uint64_t start = times[0] - deadlines[0] - 2;
        uint64_t expected = 0;
        for (size_t k = 0; k < times.size(); ++k) {
            expected = std::max(k == 0 ? 0 : expected + 1, start + deadlines[k] + 2);
            ASSERT_EQ(times[k], expected) << "frame " << k;
        }
    }
    static std::vector<uint64_t> deadlines(int count, const std::function<uint64_t(uint64_t)>& deadline) {
        std::vector<uint64_t> out;
        for (int k = 0; k < count; ++k) out.push_back(deadline(static_cast<uint64_t>(k)));
        return out;
    }
};

TEST_P(EffectsTimingTest, FadeDrawsThirtyTwoFramesEndingOnTheNewPicture) {
    makeCanvas(16, 8);
    run(0, 320);
    EXPECT_EQ(presents(), 32u);
    EXPECT_EQ(frames().back(), newPicture);
    EXPECT_NE(frames()[30], newPicture);
    expectDeadlines(deadlines(32, [](uint64_t k) { return ((k + 1) * 320) >> 5; }));
}

TEST_P(EffectsTimingTest, FramesKeepTheirDeadlines) {
    makeCanvas(40, 32);
    run(6, 100, 5);  // LBLIND: 5 steps at n T / P
    expectDeadlines(deadlines(5, [](uint64_t n) { return n * 100 / 5; }));

    makeCanvas(40, 32);
    run(24, 70, 45);  // CROTATE to 42 degrees: angle T / 45
    expectDeadlines(deadlines(8, [](uint64_t n) { return n * 6 * 70 / 45; }));

    makeCanvas(40, 32);
    run(14, 90, 16);  // LCURTAIN: bands at s P T / W
    expectDeadlines(deadlines(3, [](uint64_t s) { return s * 16 * 90 / 40; }));

    // MOVE: both phases from one start, so the entering half follows without waiting.
    makeCanvas(40, 32);
    run(27, 200, 10);
    std::vector<uint64_t> move = deadlines(4, [](uint64_t k) { return (k * 10 * 200 / 40) >> 1; });
    move.insert(move.end(), move.begin(), move.end());
    expectDeadlines(move);

    makeCanvas(40, 32);
    run(22, 640);  // ZOOMIN: n T / 64
    expectDeadlines(deadlines(64, [](uint64_t n) { return n * 640 / 64; }));
}

// T = 0 puts every deadline at 0: each frame comes one tick after the one before.
TEST_P(EffectsTimingTest, ZeroDurationStillDrawsEveryFrame) {
    struct Case {
        int number;
        size_t frames;
    };
    for (Case c : {Case{0, 32}, Case{18, 32}, Case{22, 64}, Case{26, 16}, Case{24, 16}, Case{9, 2}}) {
        SCOPED_TRACE(c.number);
        makeCanvas(32, 32);
        run(c.number, 0);
        EXPECT_EQ(presents(), c.frames);
        expectDeadlines(std::vector<uint64_t>(c.frames, 0));
    }
}

TEST_P(EffectsTimingTest, NegativeDurationCountsAsZero) {
    makeCanvas(16, 8);
    const uint64_t before = bare->clock.elapsed();
    run(0, -5);
    EXPECT_EQ(presents(), 32u);
    EXPECT_LT(bare->clock.elapsed() - before, 100u);
    EXPECT_EQ(pixelsOf(scene()), newPicture);
}

TEST_P(EffectsTimingTest, StepCountsFollowTheParameter) {
    makeCanvas(640, 4);
    run(10, 0);  // LBLINDSHOW, stripes of 16: 640 / 16 + 16 - 1
    EXPECT_EQ(presents(), 55u);

    makeCanvas(40, 32);
    run(26, 0);
    EXPECT_EQ(presents(), 16u);

    // Default stripe H / 16 = 2 for vertical and horizontal blinds alike.
    for (int number : {6, 7, 8, 9}) {
        makeCanvas(40, 32);
        run(number, 0);
        EXPECT_EQ(presents(), 2u) << number;
    }

    // DMOVE moves 16 pixels a step whatever it is given: 32 rows in 2 steps a phase.
    makeCanvas(40, 32);
    run(30, 0, 3);
    EXPECT_EQ(presents(), 4u);
    makeCanvas(40, 32);
    run(29, 0, 3);  // UMOVE keeps its 3: 11 steps a phase
    EXPECT_EQ(presents(), 22u);
}

TEST_P(EffectsTimingTest, RotationAngleIsLimitedAndItsSignIgnored) {
    makeCanvas(20, 20);
    run(24, 0, 200);
    EXPECT_EQ(presents(), 31u);  // 0 to 180 in steps of 6
    makeCanvas(20, 20);
    run(24, 0, -45);
    EXPECT_EQ(presents(), 8u);  // 0 to 42
    const std::vector<uint32_t> negative = pixelsOf(frame());
    makeCanvas(20, 20);
    run(24, 0, 45);
    EXPECT_EQ(pixelsOf(frame()), negative);
    EXPECT_NE(pixelsOf(frame()), oldPicture);
}

// A worker's run ends between two frames once the run flag is cleared and jumps
// to the family's final state; the scrolls still make their closing copy.
TEST_P(EffectsTimingTest, ACancelledRunJumpsToTheFinalState) {
    makeCanvas(16, 8);
    const EffectCanvas canvas = bare->canvas();
    std::optional<EffectValues> fade = startEffect(canvas, EffectRequest{0, 100000, {}}, true);
    ASSERT_TRUE(fade);
    EXPECT_TRUE(bare->busy);
    bare->run = 0;
    runEffectFamily(canvas, *fade, true);
    EXPECT_EQ(presents(), 0u);
    EXPECT_EQ(pixelsOf(frame()), newPicture);
    EXPECT_EQ(pixelsOf(scene()), newPicture);
    EXPECT_FALSE(bare->busy);

    makeScrollImage(32, 8, [](int x, int) { return x * 0x070707u; });
    std::optional<EffectValues> scroll = startEffect(canvas, EffectRequest{2, 100000, 0}, true);
    ASSERT_TRUE(scroll);
    bare->run = 0;
    runEffectFamily(canvas, *scroll, true);
    EXPECT_EQ(presents(), 0u);
    EXPECT_EQ(pixelAt(scene(), 0, 0), pixelAt(scratch(), 16, 0));
}

INSTANTIATE_TEST_SUITE_P(Depths, EffectsTimingTest, ::testing::Values(16, 32), depthName);

}  // namespace
}  // namespace morv::test
