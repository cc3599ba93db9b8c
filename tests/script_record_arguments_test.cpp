// Where parsed records keep their arguments, and how long they can be read.
#include <functional>

#include "script/scenario_command.h"
#include "script_parse_support.h"

namespace morv::testing {
namespace {

using RecordArguments = ScriptParseTest;

// True when `piece` lies inside `text`.
bool isSliceOf(std::string_view piece, const std::string& text) {
    const std::less<const char*> before;
    return !before(piece.data(), text.data()) && !before(text.data() + text.size(), piece.data() + piece.size());
}

// Effect numbers are the only texts the parser makes itself; enough of them make
// their room move several times while the records that read them are kept.
TEST_F(RecordArguments, SlicesAndMadeTextsReadRightAfterParsingAndCopying) {
    constexpr int kPairs = 3000;
    std::string text;
    for (int i = 0; i < kPairs; ++i) {
        text += "cgeffect ripple" + std::to_string(i) + " 500 bg.bmp\n";
        text += "cgeffect hquake 10 " + std::to_string(i) + "\n";
    }
    text += "text [+]끝입니다\nselect 3 네, 갈게요\n";
    auto script = scenario(text);
    const std::vector<CommandRecord> copies = script->commands();  // copied with their script alive
    ASSERT_EQ(copies.size(), 2 * size_t{kPairs} + 9);
    for (int i = 0; i < kPairs; ++i) {
        const CommandRecord& library = copies[static_cast<size_t>(2 * i)];
        const CommandRecord& quake = copies[static_cast<size_t>(2 * i + 1)];
        ASSERT_EQ(library.args[0], "-1");
        ASSERT_EQ(library.args[9], "ripple" + std::to_string(i));
        ASSERT_EQ(library.args[2], "bg.bmp");
        ASSERT_EQ(quake.args[0], "18");
        ASSERT_EQ(quake.args[2], "");
        ASSERT_EQ(quake.args[3], std::to_string(i));
        EXPECT_TRUE(isSliceOf(library.args[9], script->text()));
    }
    // A text without its "[+]", and a choice's text shown as text, are slices of the line.
    const CommandRecord& shown = copies[2 * kPairs + 1];
    EXPECT_EQ(shown.args[0], cp949("끝입니다"));
    EXPECT_TRUE(isSliceOf(shown.args[0], script->text()));
    const CommandRecord& choiceText = copies[2 * kPairs + 6];
    EXPECT_EQ(choiceText.id, CommandId::Text);
    EXPECT_EQ(choiceText.args[0], cp949("네, 갈게요"));
    EXPECT_EQ(choiceText.args[0].data(), copies[2 * kPairs + 5].args[1].data());
}

// A command may replace the running script before it reads its last argument
// (loadsnr with a line), so the command performed owns its arguments.
TEST_F(RecordArguments, ACommandToPerformOutlivesItsScript) {
    auto script = scenario("loadsnr next.txt 12\nsetstring name 긴 이름이 들어가는 자리입니다");
    ScenarioCommand load(script->commands()[0]);
    ScenarioCommand name(script->commands()[1]);
    script.reset();
    EXPECT_EQ(load.id, CommandId::LoadSnr);
    EXPECT_EQ(load.args[0], "next.txt");
    EXPECT_EQ(load.args[1], "12");
    EXPECT_EQ(load.argCount, 2);
    EXPECT_EQ(load.line, 1);
    EXPECT_EQ(name.args[1], cp949("긴 이름이 들어가는 자리입니다"));
    name.args.slot(1) = "changed";  // variables are substituted into the copy
    EXPECT_EQ(name.args[1], "changed");
}

}  // namespace
}  // namespace morv::testing
