// The dialogs in morv-headless runs: saving through the save dialog and loading
// through the load dialog, the settings sheet acting on the sound, and the save
// dialog drawn over the frame against its golden picture.
#include <gtest/gtest.h>

#include <filesystem>

#include "image/image_decoders.h"
#include "support/golden_frame.h"
#include "support/headless_run.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

namespace fs = std::filesystem;

std::optional<DecodedImage> snapshot(const TempDir& out, const std::string& name) {
    std::string error;
    return readPng(out.read(name + ".png"), nullptr, error);
}

TEST(DialogsHeadless, SavingIntoSlotTwoAndLoadingItBringsThePageBack) {
    TempDir out;
    const std::string events =
        "until-idle 3000\nsnapshot first\n"
        "rclick 200 150\nmenu 32771\ncontrol 10002\ncontrol 1000\n"
        "until-idle 3000\nclick 300 300\nuntil-idle 3000\nclick 300 300\nuntil-idle 3000\nsnapshot third\n"
        "rclick 200 150\nmenu 32772\ncontrol 10006\ncontrol 1014\n"
        "until-idle 3000\nsnapshot back\nquit\n";
    auto run = runHeadless(testGame("pages"), events, out.path());
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.missingInOrder({"popup chose 32771", "dialog open save", "dialog close save -> 2",
                                  "popup chose 32772", "dialog open load", "dialog close load -> 2",
                                  "script open \"scenario.txt\" kind 3", "snapshot \"back\""}),
              "");
    EXPECT_TRUE(fs::exists(out.path() / "game" / "Save0002.dat"));
    auto first = snapshot(out, "first");
    auto third = snapshot(out, "third");
    auto back = snapshot(out, "back");
    ASSERT_TRUE(first && third && back);
    // The saved picture is kept at 16 bits: channels come back within a few steps.
    EXPECT_LE(pixelsDifferingBeyond(*first, *back, 8), 0);
    EXPECT_GT(pixelsDifferingBeyond(*third, *back, 8), 10000);
}

TEST(DialogsHeadless, ABgmSliderMovedAndCancelledPutsTheVolumeBackOnThePlayer) {
    TempDir game;
    game.write("morv.ini", "DEBUG\nSCENARIO_FILE = scenario.txt\n");
    game.write("scenario.txt", "bgm beep.ogg\ntext a\nend\n");
    fs::copy_file(testGame("sound") / "beep.ogg", game.path() / "beep.ogg");
    TempDir out;
    auto run = runHeadless(game.path(), "until-idle 2000\nmenu 32811\nslider 1036 2000\ncontrol 2\nquit\n",
                           out.path(), "--trace-volume");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.missingInOrder({R"(audio play 0 ".\\beep.ogg" loop)", "dialog open settings", "audio volume 0 -3000",
                                  "audio volume 0 0", "dialog close settings -> cancel"}),
              "");
}

// The save dialog with two filled slots over the pages game's first page,
// against tests/golden/dialog_save.png (MORV_UPDATE_GOLDEN=1 replaces it).
TEST(DialogsHeadless, TheSaveDialogWithTwoFilledSlotsMatchesItsGoldenPicture) {
    expectMatchesGolden("pages", "dialog_save", "dialog_save");
}

}  // namespace
}  // namespace morv::testing
