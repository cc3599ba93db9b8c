// Readers refuse claimed sizes, long runs and bad command lines without a fault.
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <ctime>

#include "app/game_directory.h"
#include "config/config_file.h"
#include "config/game_config.h"
#include "image/image_archive.h"
#include "platform/headless/headless_platform.h"
#include "script/script_factory.h"
#include "support/archive_builder.h"
#include "support/loose_script_fixture.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::buildArchive;
using testing::CurrentDirectory;
using testing::deflate;
using testing::TempDir;

// Compressed entries inflate only as far as their data really goes: a claimed size
// is a limit, never an allocation made up front.
class CompressedEntries : public ::testing::Test {
protected:
    ImageArchive archiveOf(const std::vector<testing::ArchiveItem>& items) {
        dir_.write("scenario.qxa", buildArchive(items, true));
        return ImageArchive(files_, "scenario.qxa");
    }
    TempDir dir_;
    FileResolver files_{dir_.path()};
};

TEST_F(CompressedEntries, ClaimsAreLimitsNotAllocations) {
    const std::string text = "text hello\nend\n";
    const std::string zeros(300000, '\0');
    ImageArchive archive = archiveOf({
        {"exact.txt", deflate(text), 3, static_cast<uint32_t>(text.size())},
        {"overclaimed.txt", deflate(text), 3, ImageArchive::kMaxInflatedSize},
        {"4gib.txt", deflate(zeros), 3, 0xFFFFFFFFu},
        {"above-cap.txt", deflate(text), 3, ImageArchive::kMaxInflatedSize + 1},
        {"longer-than-claim.txt", deflate(zeros), 3, 1000},
        {"one-short.txt", deflate(text), 3, static_cast<uint32_t>(text.size() - 1)},
        {"big.txt", deflate(zeros), 3, static_cast<uint32_t>(zeros.size())},
    });
    std::string out;
    ASSERT_TRUE(archive.readRaw("exact.txt", out));
    EXPECT_EQ(out, text);
    ASSERT_TRUE(archive.readRaw("overclaimed.txt", out)) << "a claim above the data still reads the data";
    EXPECT_EQ(out, text);
    ASSERT_TRUE(archive.readRaw("big.txt", out)) << "entries larger than the first chunk grow to their size";
    EXPECT_EQ(out, zeros);
    out = "kept";
    EXPECT_FALSE(archive.readRaw("4gib.txt", out));
    EXPECT_FALSE(archive.readRaw("above-cap.txt", out));
    EXPECT_FALSE(archive.readRaw("longer-than-claim.txt", out));
    EXPECT_FALSE(archive.readRaw("one-short.txt", out));
    EXPECT_EQ(out, "kept") << "a refused entry leaves the caller's buffer alone";
}

TEST_F(CompressedEntries, AScenarioClaimingFourGibibytesIsAnUnreadableFile) {
    dir_.write("scenario.qxa",
               buildArchive({{"start.txt", deflate(std::string(100000, 'x')), 3, 0xFFFFFFFFu}}, true));
    CurrentDirectory inGame(dir_.path());
    HeadlessPlatform platform;
    ScriptFactory factory(ScriptSources{false, "scenario.qxa"}, platform);
    EXPECT_EQ(factory.Open("start.txt", ScriptKind::Scenario), nullptr);
    EXPECT_EQ(platform.messagesShown(),
              std::vector<std::string>{"start.txt 파일을 읽는중에 에러가 발생했습니다."});
}

// Ditto and "+" lines find their word above them without reading the file again,
// so long runs of them load in linear time.
using LongScripts = testing::LooseScriptTest;

// Processor time of the body: unlike the wall clock, it does not grow when other
// programs share the machine.
template <typename Body>
double secondsFor(Body body) {
    const std::clock_t start = std::clock();
    body();
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

TEST_F(LongScripts, DittoAndContinuationRunsLoadInLinearTime) {
    constexpr int kLines = 30000;  // read again line by line, this took minutes
    std::string ditto = "cg a.bmp 1\n";
    std::string continued = "text first\n";
    for (int i = 0; i < kLines; ++i) {
        ditto += "\" b.bmp 2\n";
        continued += "+ more\n";
    }
    std::unique_ptr<ScriptFile> dittoScript, continuedScript;
    const double seconds = secondsFor([&] {
        dittoScript = open(ditto);
        continuedScript = open(continued);
    });
    EXPECT_LT(seconds, 10.0);
    ASSERT_TRUE(dittoScript && continuedScript);
    const auto& cgs = dittoScript->commands();
    ASSERT_EQ(cgs.size(), size_t{kLines} + 2);  // the cg lines and the final end
    EXPECT_EQ(cgs[kLines].id, CommandId::Cg);
    EXPECT_EQ(cgs[kLines].args[0], "b.bmp");
    const auto& texts = continuedScript->commands();
    // nextpage and text, then nextline and text per "+" line, one wait, end.
    ASSERT_EQ(texts.size(), 2 + 2 * size_t{kLines} + 2);
    EXPECT_EQ(texts[texts.size() - 3].id, CommandId::Text);
    EXPECT_EQ(texts[texts.size() - 2].id, CommandId::Wait);
    EXPECT_TRUE(platform_.messagesShown().empty());
}

TEST_F(LongScripts, TheRememberedWordsStopWhereTheLookUpwardsStops) {
    // An empty line ends both searches; ditto lines pass a "+" word on, "+" lines
    // look through ditto lines.
    auto script = open("text a\n\n\" x\n+ y\nselect 5 b\n\" 6 c\n+ 7 d\ncg p.bmp\n\"\n");
    ASSERT_TRUE(script);
    std::vector<std::pair<CommandId, int>> shape;
    for (const auto& command : script->commands()) shape.emplace_back(command.id, command.line);
    using P = std::pair<CommandId, int>;
    EXPECT_EQ(shape, (std::vector<P>{P{CommandId::NextPage, 1}, P{CommandId::Text, 1}, P{CommandId::Wait, 1},
                                      P{CommandId::Invalid, 3},
                                      P{CommandId::NextPage, 5}, P{CommandId::StartChoices, 5},
                                      P{CommandId::Choice, 5}, P{CommandId::Text, 5}, P{CommandId::EndChoices, 5},
                                      P{CommandId::NextPage, 6}, P{CommandId::StartChoices, 6},
                                      P{CommandId::Choice, 6}, P{CommandId::Text, 6},
                                      P{CommandId::NextLine, 7}, P{CommandId::Choice, 7}, P{CommandId::Text, 7},
                                      P{CommandId::EndChoices, 7}, P{CommandId::Cg, 8}, P{CommandId::Cg, 9},
                                      P{CommandId::End, 11}}));
}

bool applicationFontsContain(const std::filesystem::path& file) {
    FcFontSet* set = FcConfigGetFonts(nullptr, FcSetApplication);
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &name) == FcResultMatch &&
            file == reinterpret_cast<const char*>(name)) {
            return true;
        }
    }
    return false;
}

TEST(FontAdd, DirectoriesAreListedButNeverScanned) {
    const std::filesystem::path system = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (!std::filesystem::exists(system)) GTEST_SKIP() << "no font file to copy";
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "fonts");
    std::filesystem::copy_file(system, dir.path() / "fonts" / "inside.ttf");
    dir.write("morv.ini", "FONTADD = fonts\nFONTADD = \\usr\n");
    HeadlessPlatform platform;
    auto config = std::make_unique<GameConfig>();
    const double seconds = secondsFor([&] {
        CurrentDirectory inGame(dir.path());
        ASSERT_TRUE(readGameConfiguration(*config, platform));
    });
    EXPECT_LT(seconds, 5.0);
    EXPECT_EQ(config->addedFonts, (std::vector<std::string>{"fonts", "\\usr"}));
    EXPECT_FALSE(applicationFontsContain(std::filesystem::canonical(dir.path() / "fonts" / "inside.ttf")));
    EXPECT_TRUE(platform.messagesShown().empty());
}

struct ProgramRun {
    int status = -1;
    std::string output;
};

ProgramRun runHeadlessWith(const std::string& arguments) {
    ProgramRun run;
    const std::string command = std::string("'") + MORV_HEADLESS_BIN + "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[512];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(HeadlessOptions, BadNumbersAreRefusedWithOneLine) {
    TempDir out;
    const std::string game = std::string("'") + MORV_TEST_GAMES + "/minimal'";
    for (const char* bad : {"--max-ms -5", "--max-ms abc", "--max-ms 99999999999999999999999", "--max-ms ''",
                            "--max-ms 5s", "--depth -32", "--depth 99999999999", "--depth x16", "--max-ms +5"}) {
        SCOPED_TRACE(bad);
        ProgramRun run = runHeadlessWith(game + " --out '" + out.path().string() + "' " + bad);
        EXPECT_EQ(run.status, 2);
        ASSERT_FALSE(run.output.empty());
        EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << run.output;
        EXPECT_NE(run.output.find("needs a whole number"), std::string::npos) << run.output;
    }
    EXPECT_FALSE(std::filesystem::exists(out.path() / "trace.txt")) << "nothing ran";
}

TEST(GameDirectory, SaysWhyADirectoryCannotBePlayed) {
    TempDir dir;
    dir.write("plain.txt", "x");
    dir.write("empty/readme.txt", "x");
    dir.write("game/MORV.INI", "end\n");
    std::filesystem::create_directories(dir.path() / "dir-named/morv.ini");
    EXPECT_EQ(gameDirectoryProblem(dir.path() / "missing"), "does not exist");
    EXPECT_EQ(gameDirectoryProblem(dir.path() / "plain.txt"), "is not a directory");
    EXPECT_EQ(gameDirectoryProblem(dir.path() / "empty"), "holds no \"morv.ini\"");
    EXPECT_EQ(gameDirectoryProblem(dir.path() / "dir-named"), "holds no \"morv.ini\"");
    EXPECT_EQ(gameDirectoryProblem(dir.path() / "game"), std::nullopt);
}

}  // namespace
}  // namespace morv
