// The movie command in show scripts: its end, skipping, a display change in the middle, and files that do not play.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "interpreter/engine_state.h"
#include "interpreter_support.h"
#include "sound/sound_system.h"
#include "support/headless_run.h"

namespace morv::testing {
namespace {

const std::filesystem::path kMovies = std::filesystem::path(MORV_TEST_GAMES) / "movie";

class MovieCommand : public InterpreterTest {
protected:
    void copyMovie(const std::string& name) {
        std::filesystem::copy_file(kMovies / "colors.mpg", dir_.path() / name);
    }
    // A turn of the main loop: posted media notifications first, then a tick 20 ms later.
    bool turn() {
        WindowEvent event;
        while (platform_->events().poll(event)) {
            if (event.kind == WindowEvent::Kind::MediaNotify) runner_->mediaNotification(event.value);
        }
        sleep(20);
        ended_ = runner_->Tick() || ended_;
        return ended_;
    }
    bool turnUntil(const std::function<bool()>& condition, int limit = 500) {
        for (int i = 0; i < limit && !condition(); ++i) turn();
        return condition();
    }
    bool executedLine(const std::string& line) const {
        const auto lines = executed();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // The presented frame's centre: 'r', 'g', 'b', 'w' for the movie's colours, else '?'.
    char centre() const {
        const FrameImage& frame = platform_->frame();
        const uint8_t* p = &frame.rgb[(static_cast<size_t>(frame.height / 2) * frame.width + frame.width / 2) * 3];
        auto high = [](uint8_t v) { return v > 200; };
        auto low = [](uint8_t v) { return v < 56; };
        if (high(p[0]) && low(p[1]) && low(p[2])) return 'r';
        if (low(p[0]) && high(p[1]) && low(p[2])) return 'g';
        if (low(p[0]) && low(p[1]) && high(p[2])) return 'b';
        if (high(p[0]) && high(p[1]) && high(p[2])) return 'w';
        return '?';
    }
    void startMovieGame(const std::string& show = "show 연출.txt", const std::string& movieLine = "movie colors.mpg FULL") {
        copyMovie("colors.mpg");
        writeGame({{"scenario.txt", show + "\nsetflag 지나감\nend\n"}, {"연출.txt", movieLine + "\ntimer\nend\n"}});
        start();
        ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kMovie; }));
        before_ = platform_->frame().rgb;
    }
    // The frame presented before the movie's first picture.
    std::vector<uint8_t> before_;
};

TEST_F(MovieCommand, PlaysItsPicturesInTimeAndTheEndLetsTheShowScriptGoOn) {
    startMovieGame();
    const uint64_t started = now();
    EXPECT_TRUE(traced("movie play \"colors.mpg\" full"));
    std::string seen;
    turn();
    ASSERT_TRUE(turnUntil([&] {
        const char c = centre();
        if (state() == EngineState::kMovie && (seen.empty() || seen.back() != c)) seen += c;
        return state() != EngineState::kMovie;
    }));
    EXPECT_EQ(seen, "rgbw");
    EXPECT_GE(now() - started, 800u);
    EXPECT_LT(now() - started, 900u);
    EXPECT_TRUE(traced("movie end"));
    EXPECT_FALSE(traced("movie stop"));
    EXPECT_TRUE(traced("state 42 -> 32"));
    EXPECT_EQ(platform_->frame().rgb, before_) << "the covered scene is back";
    ASSERT_TRUE(turnUntil([this] { return ended_; }));
    EXPECT_TRUE(executedLine("연출.txt:2"));
    EXPECT_TRUE(runner_->sound()->movieName().empty());
}

TEST_F(MovieCommand, AClickOrCancelSkipsItInASkippableShowScript) {
    for (bool byCancel : {false, true}) {
        SCOPED_TRACE(byCancel ? "cancel" : "click");
        startMovieGame();
        turn();
        ASSERT_EQ(centre(), 'r');
        if (byCancel) {
            EXPECT_FALSE(runner_->cancel()) << "skipping the movie does not end the game";
        } else {
            runner_->Advance();
        }
        EXPECT_NE(state(), EngineState::kMovie);
        EXPECT_TRUE(traced("movie stop"));
        EXPECT_EQ(platform_->frame().rgb, before_) << "the covered scene is back";
        ASSERT_TRUE(turnUntil([this] { return ended_; }));
        EXPECT_FALSE(executedLine("연출.txt:2")) << "the show script is left";
        EXPECT_TRUE(executedLine("scenario.txt:2"));
        EXPECT_FALSE(traced("movie end"));
        runner_.reset();
        platform_.reset();
        cwd_.reset();
        std::filesystem::remove_all(dir_.path() / "colors.mpg");
        ended_ = false;
    }
}

TEST_F(MovieCommand, ANonSkippableShowScriptIgnoresClicksAndCancel) {
    startMovieGame("show 연출.txt DISABLE_SKIP");
    turn();
    runner_->Advance();
    EXPECT_FALSE(runner_->cancel());
    EXPECT_EQ(state(), EngineState::kMovie);
    EXPECT_FALSE(traced("movie stop"));
    ASSERT_TRUE(turnUntil([this] { return state() != EngineState::kMovie; }));
    EXPECT_TRUE(traced("movie end"));
}

TEST_F(MovieCommand, ADisplayChangeInTheMiddleResumesAtTheSamePosition) {
    startMovieGame();
    ASSERT_TRUE(turnUntil([this] { return centre() == 'b'; }));
    const uint64_t changedAt = now();
    ASSERT_GE(runner_->toggleDisplayMode(), 0);
    EXPECT_FALSE(runner_->config()->windowed);
    turn();
    EXPECT_EQ(state(), EngineState::kMovie);
    EXPECT_EQ(centre(), 'b') << "the same picture, not the start";
    ASSERT_TRUE(turnUntil([this] { return state() != EngineState::kMovie; }));
    // Blue began at 400 ms: the rest takes about 400 ms more.
    EXPECT_GT(now() - changedAt, 300u);
    EXPECT_LT(now() - changedAt, 480u);
}

TEST_F(MovieCommand, AStoppedMovieIsNotStartedAgainByADisplayChange) {
    startMovieGame();
    turn();
    runner_->Advance();
    ASSERT_TRUE(runner_->sound()->movieName().empty());
    ASSERT_GE(runner_->toggleDisplayMode(), 0);
    turn();
    EXPECT_FALSE(runner_->sound()->movieRunning());
    EXPECT_EQ(platform_->frame().rgb, before_);
    int plays = 0;
    for (const std::string& line : platform_->traceLines()) plays += line.find("] movie play") != std::string::npos;
    EXPECT_EQ(plays, 1);
}

TEST_F(MovieCommand, MissingTruncatedAndNoiseFilesLetTheShowScriptGoOn) {
    std::ifstream in(kMovies / "colors.mpg", std::ios::binary);
    const std::string movie{std::istreambuf_iterator<char>(in), {}};
    std::string noise(20000, '\0');
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919u + 13u) >> 3);
    dir_.write("cut.mpg", movie.substr(0, movie.size() / 2));
    dir_.write("noise.mpg", noise);
    writeGame({{"scenario.txt", "show 연출.txt DISABLE_SKIP\nsetflag 지나감\nend\n"},
               {"연출.txt", "movie none.mpg\nmovie noise.mpg FULL\nmovie cut.mpg\ntimer\nend\n"}});
    start();
    ASSERT_TRUE(turnUntil([this] { return ended_; }));
    EXPECT_TRUE(executedLine("연출.txt:4"));
    EXPECT_TRUE(platform_->messagesShown().empty()) << "nothing is reported";
    EXPECT_TRUE(traced("movie play \"cut.mpg\" window"));
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(MovieHeadless, ASnapshotInTheMiddleIsTheSameFrameOnEveryRun) {
    TempDir out;
    const std::string events = "snapshot-after 300 green\nsnapshot-after 700 white\nuntil-idle 5000\n";
    const HeadlessRun first = runHeadless(testGame("movie"), events, out.path() / "1");
    const HeadlessRun second = runHeadless(testGame("movie"), events, out.path() / "2");
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.missingInOrder({"movie play \"colors.mpg\" window", "snapshot \"green\"", "snapshot \"white\"",
                                    "movie end", "state 42 -> 32"}),
              "");
    EXPECT_EQ(first.trace, second.trace);
    const std::string green = fileBytes(first.outDir / "green.png");
    ASSERT_FALSE(green.empty());
    EXPECT_EQ(green, fileBytes(second.outDir / "green.png"));
    EXPECT_EQ(fileBytes(first.outDir / "white.png"), fileBytes(second.outDir / "white.png"));
    EXPECT_NE(green, fileBytes(first.outDir / "white.png"));
}

}  // namespace
}  // namespace morv::testing
