// Loading effect libraries: paths, the ".dll" fallback, missing exports and the continuous effect's calls.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <map>
#include <optional>
#include <memory>
#include <string>

#include "display/surface.h"
#include "effects/continuous_effect.h"
#include "effects/effect_library_loader.h"
#include "effects/library_effect.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"
#include "surface_test_pixels.h"

namespace morv::test {
namespace {

namespace fs = std::filesystem;

// A game directory with test libraries copied in under the names a scenario uses.
class EffectLibraryTest : public ::testing::Test {
protected:
    EffectLibraryTest() : files(dir.path()) {
        for (std::unique_ptr<Surface>* s : {&frame, &scene, &stage, &scratch}) {
            *s = std::make_unique<Surface>(PixelFormat::Xrgb8888, nullptr);
        }
        for (std::unique_ptr<Surface>* s : {&frame, &scene, &stage}) EXPECT_EQ((*s)->create(8, 6), 0);
        scene->fill(0x00102030);
        stage->fill(0x00405060);
        frame->copy(*scene, false);
    }

    // Copies test library `built` (a file of the test build) to `name` in the game
    // directory and keeps it loaded, so that its log survives the engine releasing it.
    void install(const std::string& built, const std::string& name) {
        fs::create_directories((dir.path() / name).parent_path());
        fs::copy_file(fs::path(MORV_TEST_PLUGINS) / (built + ".so"), dir.path() / name);
        held[name] = SharedLibrary::open(dir.path() / name);
        ASSERT_TRUE(held[name]) << name;
    }
    // The calls the library installed as `name` has seen.
    std::string log(const std::string& name) {
        using LogFn = const char* (*)();
        return reinterpret_cast<LogFn>(held.at(name)->symbol("TestPluginLog"))();
    }

    EffectCanvas canvas() {
        return {*frame, *scene, *stage, *scratch, platform.clock(), [this] { ++presents; }, run, busy, sceneChanged};
    }
    void callEffect(const std::string& path, uint32_t duration, int32_t parameter,
                    std::optional<Rect> rect = std::nullopt) {
        callLibraryEffect(canvas(), {path, duration, parameter, rect}, {files, platform.messages()});
    }
    const std::vector<std::string>& messages() const { return platform.messagesShown(); }

    testing::TempDir dir;
    FileResolver files;
    HeadlessPlatform platform;
    std::unique_ptr<Surface> frame, scene, stage, scratch;
    std::atomic<int32_t> run{1};
    std::atomic<int32_t> busy{1};
    std::atomic<bool> sceneChanged{false};
    int presents = 0;
    std::map<std::string, std::unique_ptr<SharedLibrary>> held;
};

TEST_F(EffectLibraryTest, PathJoinsDirectoryAndWordWithoutASeparator) {
    EXPECT_EQ(effectLibraryPath(".\\", "Effects.dll"), ".\\Effects.dll");
    EXPECT_EQ(effectLibraryPath("effects", "Ripple.dll"), "effectsRipple.dll");
    // A directory value without its separator names a file beside the directory.
    install("transition", "effectsRipple.dll");
    install("no_exports", "effects/Ripple.dll");
    EXPECT_EQ(log("effectsRipple.dll"), "");
    callEffect(effectLibraryPath("effects", "Ripple.dll"), 5, 7);
    EXPECT_EQ(log("effectsRipple.dll"), "cgeffect 5 7 scratch=-1 rect=-1 run=1 stage=1;present=0 stage-present=-1;");
    EXPECT_TRUE(messages().empty());
}

TEST_F(EffectLibraryTest, LibraryIsFoundLikeEveryGameFileAndADllNameFallsBackToSo) {
    install("transition", "Effects/Ripple.so");
    callEffect("effects\\RIPPLE.DLL", 1, 2);
    callEffect("effects\\ripple.so", 3, 4);
    EXPECT_EQ(log("Effects/Ripple.so"),
              "cgeffect 1 2 scratch=-1 rect=-1 run=1 stage=1;present=0 stage-present=-1;"
              "cgeffect 3 4 scratch=-1 rect=-1 run=1 stage=1;present=0 stage-present=-1;");
    EXPECT_TRUE(messages().empty());
    // Only a ".dll" name has a second chance.
    callEffect("effects\\Ripple.dl", 1, 2);
    callEffect("effects\\Ripple", 1, 2);
    EXPECT_EQ(messages(), (std::vector<std::string>{"effects\\Ripple.dl 파일을 여는데 실패했습니다.",
                                                    "effects\\Ripple 파일을 여는데 실패했습니다."}));
}

TEST_F(EffectLibraryTest, TransitionDrawsTheFrameThatThenBecomesSceneAndStage) {
    install("transition", "Effects.dll");
    ASSERT_EQ(scratch->create(3, 2), 0);
    callEffect("Effects.dll", 1500, 0x00ABCDEF, Rect{0, 20, 8, 26});
    EXPECT_EQ(log("Effects.dll"), "cgeffect 1500 11259375 scratch=3 rect=8 run=1 stage=1;present=0 stage-present=-1;");
    EXPECT_EQ(presents, 1);
    for (Surface* s : {frame.get(), scene.get(), stage.get()}) EXPECT_EQ(pixelAt(*s, 7, 5), 0x00ABCDEFu);
    EXPECT_EQ(busy, 0);
}

TEST_F(EffectLibraryTest, TransitionThatReturnsAtOnceLeavesTheScene) {
    install("transition", "Effects.dll");
    callEffect("Effects.dll", 1500, 0);
    EXPECT_EQ(presents, 0);
    for (Surface* s : {frame.get(), scene.get(), stage.get()}) EXPECT_EQ(pixelAt(*s, 0, 0), 0x00102030u);
}

TEST_F(EffectLibraryTest, MissingLibraryOrCGEffectIsReportedAndChangesNothing) {
    install("no_exports", "effects/Plain.so");
    install("continuous", "effects/Continuous.so");
    callEffect("effects\\Missing.dll", 1, 2);
    EXPECT_EQ(busy, 0);
    busy = 1;
    callEffect("effects\\Plain.dll", 1, 2);
    callEffect("effects\\Continuous.so", 1, 2);
    EXPECT_EQ(messages(), (std::vector<std::string>{"effects\\Missing.dll 파일을 여는데 실패했습니다.",
                                                    "CustomEffect 함수가 없습니다.", "CustomEffect 함수가 없습니다."}));
    EXPECT_EQ(busy, 0);
    EXPECT_EQ(pixelAt(*stage, 0, 0), 0x00405060u);
    EXPECT_EQ(pixelAt(*frame, 0, 0), 0x00102030u);
    // A file that is no library at all fails like a missing one.
    dir.write("effects/Text.so", "not a library");
    callEffect("effects\\Text.so", 1, 2);
    EXPECT_EQ(messages().back(), "effects\\Text.so 파일을 여는데 실패했습니다.");
}

TEST_F(EffectLibraryTest, ContinuousEffectBeginsUpdatesAndEnds) {
    install("continuous", "fx/Snow.so");
    ContinuousEffect effect(files, platform.messages());
    ASSERT_TRUE(effect.start("fx\\Snow.dll", "Snow.dll", "heavy", *frame, *scene, *stage));
    EXPECT_TRUE(effect.active());
    EXPECT_EQ(effect.word(), "Snow.dll");
    EXPECT_EQ(effect.parameter(), "heavy");
    effect.update();
    effect.update();
    EXPECT_EQ(pixelAt(*frame, 3, 3), 0x1234u);
    effect.end();
    effect.end();
    effect.update();
    EXPECT_FALSE(effect.active());
    EXPECT_EQ(effect.word(), "");
    EXPECT_EQ(log("fx/Snow.so"), "begin heavy 1;update;update;end;");
    EXPECT_TRUE(messages().empty());
}

TEST_F(EffectLibraryTest, NewContinuousEffectEndsTheOldOneFirst) {
    install("continuous", "Rain.so");
    install("continuous", "Snow.so");
    ContinuousEffect effect(files, platform.messages());
    ASSERT_TRUE(effect.start("Rain.so", "Rain.so", "", *frame, *scene, *stage));
    ASSERT_TRUE(effect.start("Snow.so", "Snow.so", "x", *frame, *scene, *stage));
    EXPECT_EQ(log("Rain.so"), "begin  1;end;");
    EXPECT_EQ(log("Snow.so"), "begin x 1;");
    // A failed start still ends the running effect first, and leaves nothing bound.
    EXPECT_FALSE(effect.start("Missing.so", "Missing.so", "y", *frame, *scene, *stage));
    EXPECT_EQ(log("Snow.so"), "begin x 1;end;");
    EXPECT_FALSE(effect.active());
    EXPECT_EQ(effect.word(), "");
    EXPECT_EQ(effect.parameter(), "");
    effect.end();
    EXPECT_EQ(log("Snow.so"), "begin x 1;end;");
}

TEST_F(EffectLibraryTest, ContinuousLibraryMissingAnExportIsReportedAndNotBound) {
    install("no_begin", "NoBegin.so");
    install("no_update", "NoUpdate.so");
    install("no_end", "NoEnd.so");
    install("transition", "Transition.so");
    ContinuousEffect effect(files, platform.messages());
    for (const char* name : {"NoBegin.so", "NoUpdate.so", "NoEnd.so", "Transition.so", "Missing.so"}) {
        EXPECT_FALSE(effect.start(name, name, "p", *frame, *scene, *stage)) << name;
        EXPECT_FALSE(effect.active());
        effect.update();
    }
    EXPECT_EQ(messages(), (std::vector<std::string>{"BeginCGEffect2 함수가 없습니다.", "UpdateFrame 함수가 없습니다.",
                                                    "EndCGEffect2 함수가 없습니다.", "BeginCGEffect2 함수가 없습니다.",
                                                    "Missing.so 파일을 여는데 실패했습니다."}));
    // Nothing was called in a library that lacked one of the three.
    for (const char* name : {"NoUpdate.so", "NoEnd.so"}) EXPECT_EQ(log(name), "") << name;
}

}  // namespace
}  // namespace morv::test
