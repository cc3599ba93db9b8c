// Saving a running game into a slot and loading it back, across display depths, and the previous-choice save.
#include <filesystem>

#include "display/screen.h"
#include "interpreter/scenario_state.h"
#include "interpreter_support.h"
#include "saves/save_game.h"
#include "saves/save_picture.h"
#include "saves/save_stream.h"
#include "script/script_file.h"
#include "sound/sound_system.h"

namespace morv::testing {
namespace {

namespace fs = std::filesystem;

// A story whose second page waits inside a called scenario, with every saved
// part of the game set to something other than its start value.
const std::map<std::string, std::string> kStory = {
    {"scenario.txt",
     "init n 5\n"
     "init s 안녕\n"
     "savecomment 첫 장\n"
     "cg WHITE 0\n"
     "bgm theme.ogg\n"
     "effect rain.wav REPEATS\n"
     "charsize 50\n"
     "setfont 12 testface 3\n"
     "funcsnr sub.txt\n"
     "end\n"},
    {"sub.txt",
     "text 첫째 쪽\n"
     "text 둘째 쪽\n"
     "set n += 1\n"
     "cg BLACK 0\n"
     "bgm other.ogg\n"
     "charsize 100\n"
     "setfont 20\n"
     "text 셋째 쪽\n"
     "return\n"}};

class SavedGameTest : public InterpreterTest {
protected:
    void startAtDepth(int depth) {
        runner_.reset();
        platform_.reset();
        cwd_.reset();
        cwd_ = std::make_unique<CurrentDirectory>(dir_.path());
        HeadlessOptions options;
        options.desktopDepth = depth;
        options.traceCommands = true;
        platform_ = std::make_unique<HeadlessPlatform>(options);
        runner_ = std::make_unique<ScenarioRunner>(*platform_);
        ASSERT_TRUE(runner_->initialise());
    }
    void writeStory(const std::string& configuration = "") {
        writeGame(kStory, "SAVE_DIRECTORY = saves\\\nBGM_DIRECTORY = bgm\\\nEFFECT_DIRECTORY = se\\\n"
                          "TEXT_WINDOW_RECT = 0, 30, 64, 48\n" + configuration);
    }
    // Plays to the wait of the second page.
    void playToSecondPage() {
        ASSERT_TRUE(tickUntilIdle());
        runner_->Advance();
        ASSERT_TRUE(tickUntilIdle());
        ASSERT_EQ(lastExecuted(), "sub.txt:2");
    }
    int variable(const std::string& name) {
        for (const Variable& v : runner_->scenarioState()->variables.variables()) {
            if (v.name == name) return v.number;
        }
        return -1;
    }
    std::vector<std::string> messages() const { return platform_->messagesShown(); }
    fs::path saveDir() const { return dir_.path() / "saves"; }
};

class SavedGameDepths : public SavedGameTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(SavedGameDepths, ALoadedGameResumesAtTheStartOfItsPageWithEverythingAsSaved) {
    const auto [saveDepth, loadDepth] = GetParam();
    writeStory();
    startAtDepth(saveDepth);
    playToSecondPage();
    runner_->screen()->setTextWindowHidden(true);
    runner_->screen()->setFullScreenText(true);
    const std::vector<uint8_t> scene = runner_->screen()->saveScenePixels();
    const PixelFormat saveFormat = runner_->screen()->format();
    ASSERT_TRUE(runner_->save(3));
    EXPECT_TRUE(fs::exists(saveDir() / "Save0003.dat"));

    // The story moves on and changes every part, or another run starts at the other depth.
    runner_->screen()->setTextWindowHidden(false);
    runner_->screen()->setFullScreenText(false);
    runner_->Advance();
    ASSERT_TRUE(tickUntilIdle());
    ASSERT_EQ(variable("n"), 6);
    if (loadDepth != saveDepth) startAtDepth(loadDepth);

    ASSERT_TRUE(runner_->load(3));
    EXPECT_TRUE(messages().empty()) << messages().front();
    Screen& screen = *runner_->screen();
    EXPECT_EQ(screen.saveScenePixels(), displayPixels(savedPicture(scene, saveFormat), screen.format()));
    EXPECT_EQ(variable("n"), 5);
    EXPECT_EQ(runner_->scenarioState()->saveComment, cp949("첫 장"));
    const auto& frames = runner_->scenarioState()->callStack.frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].name, "scenario.txt");
    EXPECT_EQ(screen.backgroundName(), "WHITE");
    EXPECT_EQ(screen.characterScale(), 50);
    EXPECT_TRUE(screen.textWindowHidden());
    EXPECT_TRUE(screen.fullScreenText());
    EXPECT_EQ(screen.fontForSaving().height, 12);
    EXPECT_EQ(screen.fontForSaving().faceName, "testface");
    EXPECT_EQ(screen.fontForSaving().type, 3);
    EXPECT_EQ(runner_->sound()->bgmName(), "theme.ogg");
    EXPECT_EQ(runner_->sound()->loopName(1), "rain.wav");
    EXPECT_EQ(platform_->audio().channels[0].file, "bgm\\theme.ogg");
    EXPECT_TRUE(platform_->audio().channels[1].playing);
    EXPECT_EQ(runner_->sound()->fadeTime(), SoundSystem::kDefaultFadeTimeMs);
    EXPECT_EQ(state(), EngineState::kScenario);
    EXPECT_EQ(runner_->runningScript()->FileName(), "sub.txt");

    // The page is typed again from its start, and the game goes on from there.
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(lastExecuted(), "sub.txt:2");
    runner_->Advance();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(variable("n"), 6);
}

INSTANTIATE_TEST_SUITE_P(Depths, SavedGameDepths,
                         ::testing::Values(std::pair{32, 32}, std::pair{16, 16}, std::pair{32, 16}, std::pair{16, 32}),
                         [](const auto& info) {
                             return "Saved" + std::to_string(info.param.first) + "Loaded" +
                                    std::to_string(info.param.second);
                         });

TEST_F(SavedGameTest, TheEngineWritesTheFieldsOfTheRunningGame) {
    writeStory();
    startAtDepth(32);
    playToSecondPage();
    ASSERT_TRUE(runner_->save(7));
    auto file = dir_.read("saves/Save0007.dat");
    auto stream = SaveStream::fromFileBytes(file);
    ASSERT_TRUE(stream);
    auto game = readSaveGame(*stream, 64 * 48);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->header, SaveGame::kHeader);
    const LocalTime when = platform_->virtualClock().localTime();
    EXPECT_EQ(game->savedAt.year, when.year);
    EXPECT_EQ(game->savedAt.minute, when.minute);
    EXPECT_EQ(game->scenarioName, "sub.txt");
    EXPECT_EQ(game->scenarioLine, 2);
    EXPECT_EQ(game->bgmFadeTimeMs, SoundSystem::kDefaultFadeTimeMs);
    EXPECT_EQ(game->loopNames[0], "rain.wav");
    EXPECT_EQ(game->loopNames[1], "");
    EXPECT_EQ(game->effectWord, "");
    ASSERT_EQ(game->variables.size(), 2u);
    EXPECT_TRUE(game->variables[1].holdsText);
    EXPECT_EQ(stream->remaining(), 0u);
}

TEST_F(SavedGameTest, SavingAgainReplacesTheSlotWhateverTheCaseOfItsName) {
    writeStory();
    startAtDepth(32);
    playToSecondPage();
    dir_.write("saves/save0003.dat", "old");
    ASSERT_TRUE(runner_->save(3));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(saveDir())) names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"save0003.dat"});
    EXPECT_NE(dir_.read("saves/save0003.dat"), "old");
    ASSERT_TRUE(runner_->load(3));
}

TEST_F(SavedGameTest, AnUnreadableSlotIsRefusedAndTheGameGoesOnWithoutItsSound) {
    writeStory();
    startAtDepth(32);
    playToSecondPage();
    EXPECT_FALSE(runner_->load(12));
    EXPECT_EQ(messages(), std::vector<std::string>{"파일 읽기에 실패했습니다."});
    EXPECT_FALSE(platform_->audio().channels[0].playing);

    // A damaged file and a file cut short are refused the same way.
    ASSERT_TRUE(runner_->save(4));
    std::string file = dir_.read("saves/Save0004.dat");
    dir_.write("saves/Save0005.dat", file.substr(0, file.size() / 2));
    file[40] = static_cast<char>(file[40] ^ 0x5A);
    dir_.write("saves/Save0004.dat", file);
    EXPECT_FALSE(runner_->load(4));
    EXPECT_FALSE(runner_->load(5));
    EXPECT_EQ(messages().size(), 3u);
    EXPECT_EQ(variable("n"), 5);
    EXPECT_EQ(runner_->runningScript()->FileName(), "sub.txt");
    runner_->Advance();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(variable("n"), 6);
}

TEST_F(SavedGameTest, ASaveWhoseScenarioIsGoneIsRefusedBeforeAnythingChanges) {
    writeStory();
    startAtDepth(32);
    playToSecondPage();
    ASSERT_TRUE(runner_->save(6));
    runner_->Advance();
    ASSERT_TRUE(tickUntilIdle());
    fs::remove(dir_.path() / "sub.txt");
    EXPECT_FALSE(runner_->load(6));
    EXPECT_EQ(messages(), std::vector<std::string>{"sub.txt 파일을 읽는중에 에러가 발생했습니다."});
    EXPECT_EQ(variable("n"), 6);
    EXPECT_EQ(runner_->screen()->backgroundName(), "BLACK");
}

TEST_F(SavedGameTest, ASlotThatCannotBeWrittenReportsItAndKeepsWhatWasThere) {
    writeStory();
    startAtDepth(32);
    playToSecondPage();
    fs::create_directories(saveDir() / "Save0008.dat");
    EXPECT_FALSE(runner_->save(8));
    EXPECT_EQ(messages(), std::vector<std::string>{"파일 생성에 실패했습니다."});
    EXPECT_TRUE(fs::is_directory(saveDir() / "Save0008.dat"));
    EXPECT_FALSE(fs::exists(saveDir() / "Save0008.dat.tmp"));
}

TEST_F(SavedGameTest, APageSavedBeforeAnyTextResumesAtTheStartOfItsFile) {
    writeGame({{"scenario.txt", "init n 1\ndelay 100000\ntext 가\nend\n"}});
    startAtDepth(32);
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "scenario.txt:2"; }));
    ASSERT_TRUE(runner_->save(1));
    ASSERT_TRUE(runner_->load(1));
    EXPECT_TRUE(messages().empty());
    runner_->Tick();
    EXPECT_EQ(lastExecuted(), "scenario.txt:1");
    // The file's first line declares the saved variable a second time.
    EXPECT_EQ(messages(), std::vector<std::string>{"변수 n가 중복 선언되었습니다."});
}

TEST_F(SavedGameTest, ThePreviousChoiceIsSavedBeforeAPickAndGoneAfterALoadOrARestart) {
    writeGame({{"scenario.txt", "init n 1\ntext 고르세요\nselect 5 하나\n+ 5 둘\nset n += 1\ntext 끝\nend\n"}},
              "SAVE_DIRECTORY = saves\\\n");
    startAtDepth(32);
    runner_->config()->mouseTracking = false;
    ASSERT_TRUE(tickUntil([this] {
        if (runner_->idle() && state() == EngineState::kScenario) runner_->Advance();
        return state() == EngineState::kChoices;
    }));
    EXPECT_FALSE(runner_->previousChoiceSaveExists());
    const ButtonRecord& choice = runner_->scenarioState()->choices[0];
    runner_->Advance(PointerPosition{choice.left + 1, choice.top + 1});
    EXPECT_TRUE(runner_->previousChoiceSaveExists());
    EXPECT_TRUE(fs::exists(saveDir() / "save0090.dat") || fs::exists(saveDir() / "Save0090.dat"));
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(variable("n"), 2);

    // Loading it goes back to the page of the choice, and deletes it.
    ASSERT_TRUE(runner_->load(90));
    EXPECT_FALSE(runner_->previousChoiceSaveExists());
    EXPECT_EQ(variable("n"), 1);
    ASSERT_TRUE(tickUntil([this] {
        if (runner_->idle() && state() == EngineState::kScenario) runner_->Advance();
        return state() == EngineState::kChoices;
    }));

    const ButtonRecord& again = runner_->scenarioState()->choices[0];
    runner_->Advance(PointerPosition{again.left + 1, again.top + 1});
    EXPECT_TRUE(runner_->previousChoiceSaveExists());
    runner_->restart();
    EXPECT_FALSE(runner_->previousChoiceSaveExists());
}

}  // namespace
}  // namespace morv::testing
