// Opening archives, reading their entries, and scenario scripts read from one.
#include "image/image_archive.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "script/script_factory.h"
#include "support/archive_builder.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::buildArchive;
using testing::CurrentDirectory;
using testing::deflate;
using testing::putU32;
using testing::TempDir;

class Archive : public ::testing::Test {
protected:
    ImageArchive write(const std::string& bytes) {
        dir_.write("data.qxa", bytes);
        return ImageArchive(files_, "data.qxa");
    }
    TempDir dir_;
    FileResolver files_{dir_.path()};
};

TEST_F(Archive, ReadsEntriesWithAndWithoutMagic) {
    for (bool magic : {true, false}) {
        ImageArchive archive = write(buildArchive({{"a.bmp", "AAAA", 1}, {"b.png", "PNGDATA", 2}}, magic));
        EXPECT_EQ(archive.version(), "100");
        std::string out;
        ASSERT_TRUE(archive.readRaw("B.PNG", out));
        EXPECT_EQ(out, "PNGDATA");
        EXPECT_EQ(archive.size("b.png"), 7u);
        EXPECT_EQ(archive.size("a.bmp"), 4u);
    }
}

TEST_F(Archive, FirstOfTwoNamesDifferingInCaseWins) {
    ImageArchive archive = write(buildArchive({{"Scene.txt", "first", 0}, {"scene.TXT", "second", 0}}, true));
    std::string out;
    ASSERT_TRUE(archive.readRaw("SCENE.txt", out));
    EXPECT_EQ(out, "first");
}

TEST_F(Archive, InflatesCompressedEntries) {
    std::string text = "text hello\nwait\nend\n";
    ImageArchive archive =
        write(buildArchive({{"s.txt", deflate(text), 3, static_cast<uint32_t>(text.size())}}, true));
    EXPECT_EQ(archive.size("s.txt"), text.size());
    std::string out;
    ASSERT_TRUE(archive.readRaw("s.txt", out));
    EXPECT_EQ(out, text);
}

TEST_F(Archive, RefusesMissingEntriesInvalidTypesAndBadStreams) {
    ImageArchive archive = write(buildArchive(
        {{"bad.type", "x", 4}, {"bad.zip", "not zlib", 3, 100}, {"huge.zip", "xx", 3, 0x7FFFFFFF}}, true));
    std::string out;
    EXPECT_FALSE(archive.readRaw("missing", out));
    EXPECT_EQ(archive.size("missing"), 0u);
    EXPECT_FALSE(archive.readRaw("bad.type", out));
    EXPECT_FALSE(archive.readRaw("bad.zip", out));
    EXPECT_FALSE(archive.readRaw("huge.zip", out));
}

TEST_F(Archive, TruncatedFilesFailCleanly) {
    std::string whole = buildArchive({{"a.bmp", "AAAA", 1}, {"b.bmp", "BBBB", 1}}, true);
    // Cut inside the table: opening fails with the archive's message.
    for (size_t cut : {size_t{2}, size_t{8}, size_t{12}, size_t{25}}) {
        dir_.write("cut.qxa", whole.substr(0, cut));
        try {
            ImageArchive archive(files_, "cut.qxa");
            ADD_FAILURE() << "opened an archive cut at " << cut;
        } catch (const ArchiveError& error) {
            EXPECT_STREQ(error.what(), "Cannot create QXA File instance for file cut.qxa");
        }
    }
    // Cut inside the data: the table reads, the entry does not.
    ImageArchive archive = write(whole.substr(0, whole.size() - 2));
    std::string out;
    EXPECT_TRUE(archive.readRaw("a.bmp", out));
    EXPECT_FALSE(archive.readRaw("b.bmp", out));
}

TEST_F(Archive, AbsurdEntryCountIsRefusedBeforeAllocating) {
    std::string bytes = "QXA100";
    putU32(bytes, 0xFFFFFFFF);
    EXPECT_THROW(write(bytes), ArchiveError);
    EXPECT_THROW(ImageArchive(files_, "nothing.qxa"), ArchiveError);
}

TEST(ScenarioArchive, ScriptsComeFromTheArchiveOutsideDebugMode) {
    TempDir dir;
    CurrentDirectory here(dir.path());
    std::string text = "wait\nend\n";
    dir.write("scn.qxa", buildArchive({{"Start.txt", deflate(text), 3, static_cast<uint32_t>(text.size())},
                                       {"empty.txt", "", 0}},
                                      true));
    HeadlessPlatform platform;
    ScriptFactory factory(ScriptSources{.scenarioArchive = "scn.qxa"}, platform);
    auto script = factory.Open("start.TXT", ScriptKind::Scenario);
    ASSERT_TRUE(script);
    EXPECT_EQ(script->commands().size(), 2u);
    // An empty entry reads as an error, like a missing one.
    EXPECT_FALSE(factory.Open("empty.txt", ScriptKind::Scenario));
    EXPECT_EQ(platform.messagesShown().back(), "empty.txt 파일을 읽는중에 에러가 발생했습니다.");
}

TEST(ScenarioArchive, AMissingArchiveIsShownAndEveryReadFails) {
    TempDir dir;
    CurrentDirectory here(dir.path());
    dir.write("start.txt", "wait\n");
    HeadlessPlatform platform;
    ScriptFactory factory(ScriptSources{.scenarioArchive = "none.qxa"}, platform);
    ASSERT_FALSE(platform.messagesShown().empty());
    EXPECT_EQ(platform.messagesShown()[0], "Cannot create QXA File instance for file none.qxa");
    EXPECT_FALSE(factory.Open("start.txt", ScriptKind::Scenario));
}

}  // namespace
}  // namespace morv
