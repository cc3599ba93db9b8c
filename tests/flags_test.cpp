// The flag table and its store.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/game_config.h"
#include "interpreter/scenario_state.h"
#include "platform/headless/headless_platform.h"
#include "saves/flag_files.h"
#include "saves/save_stream.h"
#include "script/flag_table.h"
#include "platform/file_resolver.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using namespace std::string_literals;

TEST(FlagTableTest, SetAppendsOrMarksAndClearAllKeepsNames) {
    FlagTable table;
    table.assign({Flag{"bg01", Flag::kNotSet}});
    EXPECT_FALSE(table.IsSet("BG01"));
    EXPECT_FALSE(table.IsSet("unknown"));
    table.Set("Bg01");
    table.Set("ev02");
    EXPECT_TRUE(table.IsSet("bg01"));
    EXPECT_TRUE(table.IsSet("EV02"));
    ASSERT_EQ(table.flags().size(), 2u);
    EXPECT_EQ(table.flags()[0].name, "bg01");
    EXPECT_EQ(table.flags()[1].name, "ev02");
    table.ClearAll();
    EXPECT_FALSE(table.IsSet("bg01"));
    EXPECT_EQ(table.flags().size(), 2u);
}

TEST(FlagFilesTest, ListLinesBecomeUnsetFlagsWithOrWithoutAFinalLineFeed) {
    auto flags = parseFlagList("one\r\ntwo\n\nthree");
    ASSERT_EQ(flags.size(), 4u);
    EXPECT_EQ(flags[0].name, "one");
    EXPECT_EQ(flags[1].name, "two");
    EXPECT_EQ(flags[2].name, "");
    EXPECT_EQ(flags[3].name, "three");
    for (const Flag& f : flags) EXPECT_EQ(f.state, Flag::kNotSet);
    EXPECT_EQ(parseFlagList("last\n").size(), 1u);
    EXPECT_TRUE(parseFlagList("").empty());
    EXPECT_EQ(parseFlagList(std::string(3000, 'x')).at(0).name.size(), 1023u);
}

TEST(FlagFilesTest, StoreEncodesEachByteAsAnOffsetWord) {
    std::string bytes = encodeFlagStore({Flag{"A", Flag::kSet}, Flag{"", Flag::kNotSet}});
    ASSERT_EQ(bytes.size(), 4u * 3 + 4u * 2);
    SaveStream in(bytes);
    uint32_t letter, end;
    int32_t state;
    ASSERT_TRUE(in.readU32(letter) && in.readU32(end) && in.readI32(state));
    EXPECT_EQ(letter - end, uint32_t{'A'});
    EXPECT_EQ(state, 1);

    auto decoded = decodeFlagStore(bytes);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), 2u);
    EXPECT_EQ((*decoded)[0].name, "A");
    EXPECT_EQ((*decoded)[1].state, Flag::kNotSet);
}

TEST(FlagFilesTest, DamagedStoresAreRefused) {
    const std::string good = encodeFlagStore({Flag{"ev01", Flag::kSet}});
    for (size_t length = 1; length < good.size(); ++length) {
        EXPECT_FALSE(decodeFlagStore(good.substr(0, length))) << length;
    }
    std::string badByte = good;
    badByte[3] ^= 0x10;
    EXPECT_FALSE(decodeFlagStore(badByte));
    std::string badState = good;
    badState[good.size() - 4] = 5;
    EXPECT_FALSE(decodeFlagStore(badState));
    EXPECT_TRUE(decodeFlagStore("")->empty());
}

TEST(FlagFilesTest, NamesWithAZeroByteAreNotStoredSoTheRestSurvives) {
    auto decoded = decodeFlagStore(encodeFlagStore({Flag{"a\0b"s, Flag::kSet}, Flag{"c", Flag::kSet}}));
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), 1u);
    EXPECT_EQ((*decoded)[0].name, "c");
}

class FlagFileLoadTest : public ::testing::Test {
protected:
    FlagTable loaded() {
        FlagTable table;
        table.Set("leftover");
        loadFlags(table, files);
        return table;
    }
    testing::TempDir dir;
    FileResolver files{dir.path()};
};

TEST_F(FlagFileLoadTest, WithoutFilesTheListIsEmpty) { EXPECT_TRUE(loaded().flags().empty()); }

TEST_F(FlagFileLoadTest, ListSeedsTheTableOnlyWhenThereIsNoStore) {
    dir.write("cglist.txt", "bg01\nbg02");
    FlagTable seeded = loaded();
    ASSERT_EQ(seeded.flags().size(), 2u);
    EXPECT_EQ(seeded.flags()[1].name, "bg02");
    EXPECT_FALSE(seeded.IsSet("bg01"));

    dir.write("cg.cfg", "");
    EXPECT_TRUE(loaded().flags().empty()) << "an empty store is still a store";
}

TEST_F(FlagFileLoadTest, DamagedStoreCountsAsMissing) {
    dir.write("cglist.txt", "bg01\n");
    dir.write("cg.cfg", "\x01\x02\x03"s);
    FlagTable table = loaded();
    ASSERT_EQ(table.flags().size(), 1u);
    EXPECT_EQ(table.flags()[0].name, "bg01");
}

TEST_F(FlagFileLoadTest, SaveAndLoadRoundTrip) {
    dir.write("cglist.txt", "bg01\nbg02\n");
    FlagTable table = loaded();
    table.Set("bg02");
    table.Set("setflag_only");
    ASSERT_TRUE(saveFlags(table, files));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "cg.cfg.tmp"));

    FlagTable again = loaded();
    ASSERT_EQ(again.flags().size(), 3u);
    EXPECT_FALSE(again.IsSet("bg01"));
    EXPECT_TRUE(again.IsSet("bg02"));
    EXPECT_TRUE(again.IsSet("setflag_only"));
}

TEST_F(FlagFileLoadTest, ScenarioStateLoadsFlagsAndWritesThemWhenDestroyed) {
    dir.write("cglist.txt", "bg01\n");
    testing::CurrentDirectory current(dir.path());
    HeadlessPlatform platform;
    GameConfig config;
    {
        ScenarioState state(config, platform);
        EXPECT_FALSE(state.flags.IsSet("bg01"));
        ASSERT_EQ(state.flags.flags().size(), 1u);
        state.flags.Set("bg01");
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "cg.cfg"));
    }
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "cg.cfg"));
    ScenarioState reopened(config, platform);
    EXPECT_TRUE(reopened.flags.IsSet("bg01"));
}

}  // namespace
}  // namespace morv
