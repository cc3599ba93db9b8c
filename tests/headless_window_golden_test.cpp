// The window's menu bar, popup menu and a message box as morv-headless draws
// them into snapshots, against golden pictures (tests/golden/README.md).
#include <gtest/gtest.h>

#include "image/image_decoders.h"
#include "support/golden_frame.h"
#include "support/headless_run.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

// Plays tests/golden/NAME.events on the Korean test game against tests/golden/NAME.png.
void expectGolden(const std::string& name) { expectMatchesGolden("korean_text", name, name); }

TEST(WindowGolden, TheOpenSettingsMenuShowsItsTicksAndTheDisabledVoiceItem) { expectGolden("window_menu_bar"); }

TEST(WindowGolden, ThePopupMenuShowsPreviousChoiceDisabledWithoutItsSave) { expectGolden("window_popup"); }

TEST(WindowGolden, TheQuestionBeforeClosingShowsOverTheFrame) { expectGolden("window_question_box"); }

// Nothing open: the snapshot is the frame alone, at the game's size.
TEST(WindowGolden, WithNothingOpenTheSnapshotIsTheFrameAlone) {
    TempDir out;
    auto run = runHeadless(testGame("korean_text"), "wait 1000\nsnapshot plain\nquit\n", out.path());
    ASSERT_EQ(run.exitCode, 0);
    std::string error;
    auto plain = readPng(out.read("plain.png"), nullptr, error);
    ASSERT_TRUE(plain) << error;
    EXPECT_EQ(plain->width, 640);
    EXPECT_EQ(plain->height, 480);
}

// While a drop-down menu is open nothing types behind it: five seconds with the
// menu open leave the page as it was when the menu opened.
TEST(WindowMenus, AnOpenDropDownMenuHoldsTheGameStill) {
    TempDir held;
    TempDir fresh;
    auto heldRun = runHeadless(testGame("korean_text"), "menu 1\nwait 5000\nclick 5 300\nsnapshot page\nquit\n",
                               held.path());
    auto freshRun = runHeadless(testGame("korean_text"), "snapshot page\nquit\n", fresh.path());
    ASSERT_EQ(heldRun.exitCode, 0);
    ASSERT_EQ(freshRun.exitCode, 0);
    EXPECT_EQ(held.read("page.png"), fresh.read("page.png"));
}

}  // namespace
}  // namespace morv::testing
