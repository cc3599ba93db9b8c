// The scene layers: backgrounds, characters and pictures on the stage.
#include "scene_test_fixture.h"

namespace morv {
namespace {

using test::keyedBmp;
using test::pixelAt;
using test::SceneTest;
using test::solidBmp;

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

TEST_P(SceneTest, BackgroundColorWordsInAnyCaseAndImageFiles) {
    EXPECT_EQ(screen->setBackground("white"), 0);
    EXPECT_EQ(pixelAt(stage(), 300, 200), raw(0xFFFFFF));
    screen->setBackground("PURPLE");
    EXPECT_EQ(pixelAt(stage(), 0, 0), raw(0xFF00FF));
    screen->setBackground("Black");
    EXPECT_EQ(pixelAt(stage(), 639, 479), raw(0));
    screen->setBackground("WHITE");
    screen->setBackground("");
    EXPECT_EQ(pixelAt(stage(), 10, 10), raw(0));
    EXPECT_EQ(screen->backgroundName(), "");

    // A name that only begins with a color word is an image, stretched to the screen.
    const std::string white = file("White.bmp", solidBmp(64, 48, 0x336699));
    EXPECT_EQ(screen->setBackground(white), 0);
    EXPECT_EQ(pixelAt(stage(), 639, 479), raw(0x336699));
    EXPECT_EQ(screen->backgroundName(), white);
    EXPECT_TRUE(messages().empty());
}

TEST_P(SceneTest, UnreadableBackgroundIsReportedAndKeepsTheStage) {
    screen->setBackground("WHITE");
    const std::string missing = (dir.path() / "gone.bmp").string();
    EXPECT_LT(screen->setBackground(missing), 0);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], missing + " 파일을 읽는데 실패했습니다.");
    EXPECT_EQ(pixelAt(stage(), 5, 5), raw(0xFFFFFF));
}

TEST_P(SceneTest, CentredCharacterAtHalfScaleLandsAt220By180) {
    const std::string girl = file("girl.bmp", keyedBmp(400, 600, kRed));
    screen->setBackground("WHITE");
    screen->setCharacterScale(50);
    ASSERT_EQ(screen->drawCharacterCentred(girl), 0);
    EXPECT_EQ(screen->surface(SurfaceRole::ScratchSurface).width(), 200);
    EXPECT_EQ(screen->surface(SurfaceRole::ScratchSurface).height(), 300);
    EXPECT_EQ(pixelAt(stage(), 220, 180), raw(0xFFFFFF)) << "the key pixel stays transparent";
    EXPECT_EQ(pixelAt(stage(), 221, 180), raw(kRed));
    EXPECT_EQ(pixelAt(stage(), 419, 479), raw(kRed));
    EXPECT_EQ(pixelAt(stage(), 219, 300), raw(0xFFFFFF));
    EXPECT_EQ(pixelAt(stage(), 420, 300), raw(0xFFFFFF));
    EXPECT_EQ(pixelAt(stage(), 300, 179), raw(0xFFFFFF));
}

TEST_P(SceneTest, TallCharacterBottomAlignedStartsAtTheTopAndIsCut) {
    const std::string tall = file("tall.bmp", test::bmpFile(100, 600, [](int x, int y) {
        return x == 0 && y == 0 ? 0xFF00FFu : static_cast<uint32_t>(y) << 8;
    }));
    screen->setBackground("BLACK");
    ASSERT_EQ(screen->drawCharacterBottomAligned(tall, 30), 0);
    EXPECT_EQ(pixelAt(stage(), 31, 0), raw(0));
    EXPECT_EQ(pixelAt(stage(), 31, 200), raw(200u << 8));
    EXPECT_EQ(pixelAt(stage(), 129, 479), raw(479u << 8));
    EXPECT_EQ(pixelAt(stage(), 130, 479), raw(0));

    // A short one stands on the bottom edge.
    const std::string small = file("small.bmp", keyedBmp(10, 40, kBlue));
    ASSERT_EQ(screen->drawCharacterBottomAligned(small, 500), 0);
    EXPECT_EQ(pixelAt(stage(), 505, 439), raw(0));
    EXPECT_EQ(pixelAt(stage(), 505, 440), raw(kBlue));
}

TEST_P(SceneTest, DeleteOrAnEmptyNameClearsEveryCharacter) {
    const std::string chara = file("c.bmp", keyedBmp(50, 50, kRed));
    screen->setBackground("WHITE");
    for (const char* clear : {"delete", "DELETE", ""}) {
        screen->drawCharacterAt(chara, 100, 100, true);
        ASSERT_EQ(pixelAt(stage(), 120, 120), raw(kRed));
        screen->drawCharacter(clear, 0, 0, true);
        EXPECT_EQ(pixelAt(stage(), 120, 120), raw(0xFFFFFF)) << clear;
    }
    screen->drawCharacterAt(chara, 100, 100, true);
    screen->drawCharacterCentred("Delete");
    EXPECT_EQ(pixelAt(stage(), 120, 120), raw(0xFFFFFF));
    EXPECT_TRUE(messages().empty());
}

TEST_P(SceneTest, KeyedAndUnkeyedCharactersAndTheRememberedPosition) {
    // Every pixel of the key color is transparent, not only the corner.
    const std::string dotted = file("dots.bmp", test::bmpFile(4, 4, [](int x, int y) {
        return (x + y) % 2 == 0 ? 0xFF00FFu : 0x00FF00u;
    }));
    screen->setBackground("BLACK");
    ASSERT_EQ(screen->drawCharacterAt(dotted, 10, 20, true), 0);
    EXPECT_EQ(pixelAt(stage(), 10, 20), raw(0));
    EXPECT_EQ(pixelAt(stage(), 11, 20), raw(0x00FF00));
    EXPECT_EQ(pixelAt(stage(), 12, 22), raw(0));
    EXPECT_EQ(screen->lastCharacterX(), 10);
    EXPECT_EQ(screen->lastCharacterY(), 20);

    ASSERT_EQ(screen->drawCharacterAtX(dotted, 50), 0);
    EXPECT_EQ(pixelAt(stage(), 51, 20), raw(0x00FF00));
    EXPECT_EQ(screen->lastCharacterX(), 50);
    ASSERT_EQ(screen->drawCharacterAt(dotted, 80, 90, false), 0);
    EXPECT_EQ(pixelAt(stage(), 80, 90), raw(0xFF00FF)) << "unkeyed draws the key color too";
    ASSERT_EQ(screen->drawCharacterAtLastPosition(dotted), 0);

    // The character clip rectangle cuts keyed characters.
    screen->setBackground("BLACK");
    screen->setCharacterClip({0, 0, 12, 480});
    screen->drawCharacterAt(dotted, 10, 20, true);
    EXPECT_EQ(pixelAt(stage(), 11, 20), raw(0x00FF00));
    EXPECT_EQ(pixelAt(stage(), 13, 20), raw(0));
}

TEST_P(SceneTest, AnUnreadableCharacterDrawsNothingAndIsReportedOnce) {
    screen->setBackground("WHITE");
    for (int form = 0; form < 3; ++form) {
        const std::string name = (dir.path() / ("missing" + std::to_string(form) + ".bmp")).string();
        if (form == 0) screen->drawCharacterCentred(name);
        if (form == 1) screen->drawCharacterBottomAligned(name, 0);
        if (form == 2) screen->drawCharacterAt(name, 0, 0, true);
        ASSERT_EQ(messages().size(), static_cast<size_t>(form + 1));
        EXPECT_EQ(messages().back(), name + " 파일을 읽는데 실패했습니다.");
    }
    EXPECT_EQ(pixelAt(stage(), 0, 0), raw(0xFFFFFF));
}

TEST_P(SceneTest, QuickFadeReachesTheStageExactlyAfterEightSteps) {
    // Without the dialogue window, which would cover part of the stage.
    screen->hideTextWindow();
    screen->setBackground(file("old.bmp", test::bmpFile(640, 480, [](int x, int y) {
        return static_cast<uint32_t>((x * 7) & 0xFF) << 16 | static_cast<uint32_t>(y & 0xFF) << 8 | 0x5A;
    })));
    screen->showStage();
    screen->setBackground(file("new.bmp", test::bmpFile(640, 480, [](int x, int y) {
        return static_cast<uint32_t>(y & 0xFF) << 16 | 0xA500 | static_cast<uint32_t>((x * 3) & 0xFF);
    })));
    screen->setSceneChanged(false);
    const uint32_t oldPixel = pixelAt(scene(), 123, 45);
    for (int step = 1; step < 8; ++step) {
        EXPECT_FALSE(screen->quickFadeStep()) << step;
        EXPECT_FALSE(screen->sceneChanged());
    }
    EXPECT_NE(pixelAt(frame(), 123, 45), pixelAt(stage(), 123, 45));
    EXPECT_EQ(pixelAt(scene(), 123, 45), oldPixel);
    EXPECT_TRUE(screen->quickFadeStep());
    EXPECT_TRUE(screen->sceneChanged());
    EXPECT_EQ(screen->quickFadeStepNumber(), 1);
    for (int y = 0; y < 480; y += 7) {
        for (int x = 0; x < 640; x += 3) {
            ASSERT_EQ(pixelAt(frame(), x, y), pixelAt(stage(), x, y)) << x << "," << y;
            ASSERT_EQ(pixelAt(scene(), x, y), pixelAt(stage(), x, y)) << x << "," << y;
        }
    }
}

TEST_P(SceneTest, FinishingAFadeShowsTheStageAtOnce) {
    screen->setBackground("WHITE");
    screen->showStage();
    screen->setBackground("PURPLE");
    EXPECT_FALSE(screen->quickFadeStep());
    EXPECT_FALSE(screen->quickFadeStep());
    EXPECT_TRUE(screen->finishQuickFade());
    EXPECT_EQ(pixelAt(frame(), 320, 240), raw(0xFF00FF));
    EXPECT_EQ(pixelAt(scene(), 320, 240), raw(0xFF00FF));
    EXPECT_EQ(screen->quickFadeStepNumber(), 1);
}

TEST_P(SceneTest, PicturesOnTheSceneInARectangleAndFullScreen) {
    const std::string button = file("button.bmp", keyedBmp(20, 10, kBlue));
    screen->setBackground("WHITE");
    screen->showStage();
    screen->setSceneChanged(false);
    ASSERT_EQ(screen->drawPictureOnScene(button, 600, 470), 0);
    EXPECT_TRUE(screen->sceneChanged());
    EXPECT_EQ(pixelAt(scene(), 600, 470), raw(0xFFFFFF));
    EXPECT_EQ(pixelAt(scene(), 619, 479), raw(kBlue));
    EXPECT_EQ(pixelAt(frame(), 619, 479), raw(kBlue));
    EXPECT_EQ(pixelAt(stage(), 619, 479), raw(0xFFFFFF));

    // Right and bottom of the rectangle are inclusive; the picture is not keyed.
    ASSERT_EQ(screen->drawPictureInRect(button, 10, 20, 49, 29), 0);
    EXPECT_EQ(screen->surface(SurfaceRole::ScratchSurface).width(), 40);
    EXPECT_EQ(pixelAt(stage(), 10, 20), raw(0xFF00FF));
    EXPECT_EQ(pixelAt(stage(), 49, 29), raw(kBlue));
    EXPECT_EQ(pixelAt(stage(), 50, 29), raw(0xFFFFFF));

    // A full-screen picture larger than the screen is cut at its edges.
    const std::string wide = file("wide.bmp", solidBmp(700, 10, kRed));
    ASSERT_EQ(screen->drawFullScreenPicture(wide), 0);
    EXPECT_EQ(pixelAt(frame(), 639, 9), raw(kRed));
    EXPECT_EQ(pixelAt(frame(), 639, 10), raw(0xFFFFFF));
}

TEST_P(SceneTest, ScenePixelsRoundTripAndAShortBufferIsRefused) {
    screen->setBackground(file("bg.bmp", test::bmpFile(64, 48, [](int x, int y) {
        return static_cast<uint32_t>(x * 4) << 16 | static_cast<uint32_t>(y * 5);
    })));
    screen->showStage();
    std::vector<uint8_t> saved = screen->saveScenePixels();
    ASSERT_EQ(saved.size(), 640u * 480u * (GetParam() / 8));
    const uint32_t corner = pixelAt(scene(), 639, 479);

    screen->setBackground("WHITE");
    screen->showStage();
    std::vector<uint8_t> shortBuffer(saved.begin(), saved.end() - 1);
    EXPECT_FALSE(screen->restoreScenePixels(shortBuffer));
    EXPECT_EQ(pixelAt(scene(), 639, 479), raw(0xFFFFFF));

    screen->setSceneChanged(false);
    ASSERT_TRUE(screen->restoreScenePixels(saved));
    EXPECT_TRUE(screen->sceneChanged());
    EXPECT_EQ(pixelAt(scene(), 639, 479), corner);
    EXPECT_EQ(pixelAt(stage(), 639, 479), corner);
    EXPECT_EQ(pixelAt(frame(), 639, 479), corner);
}

TEST_P(SceneTest, ShownBackgroundAndCharacterReachThePresentedFrame) {
    screen->hideTextWindow();
    screen->setBackground(file("sky.bmp", solidBmp(32, 24, 0x2080F0)));
    screen->setCharacterScale(100);
    screen->drawCharacterAt(file("boy.bmp", keyedBmp(100, 200, 0xF0C000)), 300, 250, true);
    screen->showStage();
    screen->present();
    const FrameImage& shown = platform->frame();
    ASSERT_EQ(shown.width, 640);
    ASSERT_EQ(shown.height, 480);
    auto rgbAt = [&shown](int x, int y) {
        const uint8_t* p = shown.rgb.data() + (static_cast<size_t>(y) * shown.width + x) * 3;
        return static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
    };
    // 16-bit frames lose the low bits of each channel.
    const uint32_t sky = GetParam() == 16 ? 0x2080F0 & 0xF8FCF8 : 0x2080F0;
    const uint32_t boy = GetParam() == 16 ? 0xF0C000 & 0xF8FCF8 : 0xF0C000;
    EXPECT_EQ(rgbAt(0, 0), sky);
    EXPECT_EQ(rgbAt(300, 250), sky);
    EXPECT_EQ(rgbAt(301, 250), boy);
    EXPECT_EQ(rgbAt(399, 449), boy);
    EXPECT_EQ(rgbAt(400, 449), sky);
    EXPECT_EQ(rgbAt(350, 450), sky);
}

TEST_P(SceneTest, ResetBringsBackTheStartingLayers) {
    screen->setBackground("WHITE");
    screen->setCharacterScale(50);
    screen->drawCharacterAt(file("c.bmp", keyedBmp(8, 8, kRed)), 5, 6, true);
    screen->showStage();
    screen->surface(SurfaceRole::TextLayer).fill(0x123456);
    screen->quickFadeStep();

    screen->reset();
    EXPECT_EQ(screen->characterScale(), 100);
    EXPECT_EQ(screen->lastCharacterX(), 0);
    EXPECT_EQ(screen->lastCharacterY(), 0);
    EXPECT_EQ(screen->quickFadeStepNumber(), 1);
    EXPECT_EQ(screen->backgroundName(), "");
    EXPECT_EQ(pixelAt(stage(), 7, 7), raw(0));
    EXPECT_EQ(pixelAt(frame(), 7, 7), raw(0));
    EXPECT_EQ(pixelAt(screen->surface(SurfaceRole::TextLayer), 0, 0), raw(0xFF00FF));
}

INSTANTIATE_TEST_SUITE_P(BothDepths, SceneTest, ::testing::Values(16, 32), test::depthName);

}  // namespace
}  // namespace morv
