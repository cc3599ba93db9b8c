// The variable and call-stack blocks of a saved game.
#include <gtest/gtest.h>

#include "config/game_config.h"
#include "interpreter/scenario_state.h"
#include "platform/headless/headless_platform.h"
#include "saves/save_stream.h"
#include "script/call_stack.h"
#include "script/variable_table.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using namespace std::string_literals;

TEST(VariableBlockTest, EmptyTableWritesOnlyACount) {
    HeadlessPlatform platform;
    VariableTable table(platform);
    SaveStream out;
    table.Write(out);
    EXPECT_EQ(out.bytes(), "\0\0\0\0"s);
}

TEST(VariableBlockTest, LayoutIsCountedLittleEndian) {
    HeadlessPlatform platform;
    VariableTable table(platform);
    table.Declare("ab", "-2", false);
    table.Declare("t", "xy", false);
    SaveStream out;
    table.Write(out);
    EXPECT_EQ(out.bytes(), "\x02\0\0\0"s
                           "\x02" "ab" "\x00" "\xFE\xFF\xFF\xFF"s
                           "\x01" "t" "\x01" "\x02\0\0\0" "xy"s);
}

TEST(VariableBlockTest, RoundTripKeepsValuesButDigitTextsComeBackAsNumbers) {
    HeadlessPlatform platform;
    VariableTable table(platform);
    std::string longText(1000, 'q');  // longer than a short text field: kept whole
    table.Declare("n", "-2147483648", false);
    table.Declare("word", "Hello", false);
    table.Declare("digits", "x", false);
    table.Modify("digits", "0042", '=', false);
    table.Declare("long", longText, false);
    table.Declare("empty", "x", false);
    table.Modify("empty", "", '=', false);
    SaveStream out;
    table.Write(out);

    VariableTable loaded(platform);
    loaded.Declare("stale", "1", false);
    SaveStream in(out.bytes());
    ASSERT_TRUE(loaded.Read(in));
    EXPECT_EQ(in.remaining(), 0u);
    const auto& v = loaded.variables();
    ASSERT_EQ(v.size(), 5u);
    EXPECT_EQ(v[0].name, "n");
    EXPECT_EQ(v[0].number, INT32_MIN);
    EXPECT_TRUE(v[1].holdsText);
    EXPECT_EQ(v[1].text, "Hello");
    EXPECT_FALSE(v[2].holdsText);
    EXPECT_EQ(v[2].number, 42);
    EXPECT_EQ(v[3].text, longText);
    EXPECT_FALSE(v[4].holdsText) << "an empty text reads back as the number 0";
    EXPECT_TRUE(platform.messagesShown().empty());
}

TEST(VariableBlockTest, MalformedBlocksAreRefusedAndChangeNothing) {
    HeadlessPlatform platform;
    VariableTable table(platform);
    table.Declare("first", "1", false);
    table.Declare("second", "text", false);
    SaveStream out;
    table.Write(out);
    const std::string good = out.bytes();

    VariableTable target(platform);
    target.Declare("keep", "7", false);
    for (size_t length = 0; length < good.size(); ++length) {
        SaveStream in(good.substr(0, length));
        EXPECT_FALSE(target.Read(in)) << "prefix of " << length << " bytes";
    }
    std::string hugeText = good;
    hugeText[good.size() - 5] = '\xFF';  // the text length's top byte
    std::string badKind = good;
    badKind[4 + 1 + 5] = 7;
    std::string hugeCount = "\xFF\xFF\xFF\xFF"s + good.substr(4);
    for (const std::string& bad : {hugeText, badKind, hugeCount}) {
        SaveStream in(bad);
        EXPECT_FALSE(target.Read(in));
    }
    ASSERT_EQ(target.variables().size(), 1u);
    EXPECT_EQ(target.variables()[0].name, "keep");
}

TEST(CallStackTest, NinetyNineCallsNestAndTheHundredthIsRefused) {
    HeadlessPlatform platform;
    CallStack stack(platform.messages());
    EXPECT_EQ(stack.TopName(), "");
    EXPECT_EQ(stack.TopLine(), -1);
    stack.Pop();  // harmless when empty

    for (int i = 1; i <= 99; ++i) ASSERT_TRUE(stack.Push("file" + std::to_string(i), i));
    EXPECT_TRUE(platform.messagesShown().empty());
    EXPECT_FALSE(stack.Push("file100", 100));
    ASSERT_EQ(platform.messagesShown().size(), 1u);
    EXPECT_EQ(platform.messagesShown()[0], "중첩함수호출한계를 넘어갔습니다,");
    EXPECT_EQ(stack.TopName(), "file99");
    EXPECT_EQ(stack.TopLine(), 99);
    stack.Pop();
    EXPECT_EQ(stack.TopName(), "file98");
    stack.Clear();
    EXPECT_EQ(stack.TopLine(), -1);
}

TEST(CallStackTest, BlockRoundTripsOldestFirstAndRefusesDamage) {
    HeadlessPlatform platform;
    CallStack stack(platform.messages());
    stack.Push("main.txt", 12);
    stack.Push("sub.txt", -3);
    SaveStream out;
    stack.Write(out);
    const std::string good = out.bytes();
    EXPECT_EQ(good, "\x02\0\0\0"s "\x08\0\0\0" "main.txt" "\x0C\0\0\0"s "\x07\0\0\0" "sub.txt" "\xFD\xFF\xFF\xFF"s);

    CallStack loaded(platform.messages());
    loaded.Push("stale", 1);
    SaveStream in(good);
    ASSERT_TRUE(loaded.Read(in));
    ASSERT_EQ(loaded.frames().size(), 2u);
    EXPECT_EQ(loaded.frames()[0].name, "main.txt");
    EXPECT_EQ(loaded.TopName(), "sub.txt");
    EXPECT_EQ(loaded.TopLine(), -3);

    CallStack target(platform.messages());
    target.Push("keep", 5);
    for (size_t length = 0; length < good.size(); ++length) {
        SaveStream prefix(good.substr(0, length));
        EXPECT_FALSE(target.Read(prefix));
    }
    // Deeper than any stack can be written: damage, not a hundred messages.
    SaveStream tooDeep("\x64\0\0\0"s + std::string(100 * 8, '\0'));
    EXPECT_FALSE(target.Read(tooDeep));
    ASSERT_EQ(target.frames().size(), 1u);
    EXPECT_EQ(target.TopName(), "keep");
    EXPECT_TRUE(platform.messagesShown().empty());
}

class ScenarioStateTest : public ::testing::Test {
protected:
    testing::TempDir dir;
    testing::CurrentDirectory current{dir.path()};
    HeadlessPlatform platform;
    GameConfig config;
};

TEST_F(ScenarioStateTest, ReadingVariablesDropsButtonsAndHoverMarks) {
    ScenarioState state(config, platform);
    state.variables.Declare("x", "3", false);
    SaveStream out;
    state.variables.Write(out);

    state.menuButtons.count = 4;
    state.menuButtons.hover = 2;
    state.choices.count = 3;
    state.choices.hover = 1;
    SaveStream truncated(out.bytes().substr(0, 6));
    EXPECT_FALSE(state.ReadVariables(truncated));
    EXPECT_EQ(state.menuButtons.count, 4u);

    state.variables.ResetAll();
    SaveStream in(out.bytes());
    ASSERT_TRUE(state.ReadVariables(in));
    EXPECT_EQ(state.variables.ValueText("x"), "3");
    EXPECT_EQ(state.menuButtons.count, 0u);
    EXPECT_EQ(state.menuButtons.hover, -1);
    EXPECT_EQ(state.choices.count, 0u);
    EXPECT_EQ(state.choices.hover, -1);
}

TEST_F(ScenarioStateTest, ClearGameKeepsOnlyTheFlags) {
    ScenarioState state(config, platform);
    state.saveComment = "chapter";
    state.variables.Declare("x", "3", false);
    state.callStack.Push("a.txt", 1);
    state.choices.count = 2;
    state.choices.hover = 0;
    state.flags.Set("seen");
    state.clearGame();
    EXPECT_TRUE(state.saveComment.empty());
    EXPECT_TRUE(state.variables.variables().empty());
    EXPECT_EQ(state.callStack.TopLine(), -1);
    EXPECT_EQ(state.choices.count, 0u);
    EXPECT_EQ(state.choices.hover, -1);
    EXPECT_TRUE(state.flags.IsSet("seen"));
}

}  // namespace
}  // namespace morv
