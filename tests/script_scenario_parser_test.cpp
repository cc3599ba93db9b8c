// Parsing scenario lines into command records.
#include "script_parse_support.h"

namespace morv::testing {
namespace {

using Id = CommandId;
using ScenarioParser = ScriptParseTest;

TEST_F(ScenarioParser, TextLinesWithContinuationsAndTheirWaits) {
    auto script = scenario(
        "text 안녕하세요, 여러분 (1)\n"
        "+ [+]둘째 줄\n"
        "text [+]혼자\n"
        "\n"
        "+ 빈 줄 다음\n"
        "atext 덧붙임\n"
        "writevariable 점수 합계");
    expectRecords(*script, {
                               {Id::NextPage, {}, 0, 1},
                               {Id::Text, {"안녕하세요, 여러분 (1)"}, 1, 1},
                               {Id::NextLine, {}, 0, 2},
                               {Id::Text, {"둘째 줄"}, 1, 2},
                               {Id::Wait, {}, 0, 2},
                               {Id::NextPage, {}, 0, 3},
                               {Id::Text, {"혼자"}, 1, 3},
                               {Id::Wait, {}, 0, 3},
                               // the "+" after the blank line produces nothing
                               {Id::Text, {"덧붙임"}, 1, 6},
                               {Id::WriteVariable, {"점수 합계"}, 1, 7},
                               {Id::End, {}, 0, 8},
                           });
    EXPECT_TRUE(messages().empty());
}

TEST_F(ScenarioParser, ChoiceListsCollectContinuationLines) {
    auto script = scenario(
        "select 100 왼쪽으로 간다\n"
        "+ 200 오른쪽, 아마도\n"
        "\" 300 무시되는 ditto\n"
        "+ 400 마지막\n"
        "ncselect next.txt 하나뿐");
    expectRecords(*script, {
                               {Id::NextPage, {}, 0, 1},
                               {Id::StartChoices, {}, 0, 1},
                               {Id::Choice, {"100", "왼쪽으로 간다"}, 2, 1},
                               {Id::Text, {"왼쪽으로 간다"}, 1, 1},
                               {Id::NextLine, {}, 0, 2},
                               {Id::Choice, {"200", "오른쪽, 아마도"}, 2, 2},
                               {Id::Text, {"오른쪽, 아마도"}, 1, 2},
                               {Id::EndChoices, {}, 0, 2},
                               // a ditto of "+" is one more choice; the next "+" looks through both
                               {Id::NextLine, {}, 0, 3},
                               {Id::Choice, {"300", "무시되는 ditto"}, 2, 3},
                               {Id::Text, {"무시되는 ditto"}, 1, 3},
                               {Id::NextLine, {}, 0, 4},
                               {Id::Choice, {"400", "마지막"}, 2, 4},
                               {Id::Text, {"마지막"}, 1, 4},
                               {Id::EndChoices, {}, 0, 4},
                               {Id::NextLine, {}, 0, 5},
                               {Id::StartChoices, {}, 0, 5},
                               {Id::Choice, {"next.txt", "하나뿐"}, 2, 5},
                               {Id::Text, {"하나뿐"}, 1, 5},
                               {Id::EndChoices, {}, 0, 5},
                               {Id::End, {}, 0, 6},
                           });
}

TEST_F(ScenarioParser, VariableForms) {
    auto script = scenario(
        "set 호감도 += 3\n"
        "SET b = 5 RANDOM\n"
        "set c -=2 x\n"
        "init a = 5\n"
        "init b 3 r\n"
        "init c\n"
        "reset\n"
        "setstring 이름 이름을 입력하세요: \n"
        "savecomment 제 1장, 시작");
    expectRecords(*script, {
                               {Id::Set, {"호감도", "3", "+"}, 3, 1},
                               {Id::Set, {"b", "5", " ", "RANDOM"}, 4, 2},
                               {Id::Set, {"c", "2", "-", "x"}, 3, 3},
                               {Id::Init, {"a", "5"}, 2, 4},
                               {Id::Init, {"b", "3", "r"}, 3, 5},
                               {Id::Init, {"c"}, 1, 6},
                               {Id::Reset, {}, 0, 7},
                               {Id::SetString, {"이름", "이름을 입력하세요:"}, 2, 8},
                               {Id::SaveComment, {"제 1장, 시작"}, 1, 9},
                               {Id::End, {}, 0, 10},
                           });
}

TEST_F(ScenarioParser, IfNeedsABlankBeforeItsParenthesis) {
    auto script = scenario(
        "if (a > 3) 120 200\n"
        "if ( b=1 ) 50\n"
        "if(a > 3) 120 200");
    expectRecords(*script, {
                               {Id::If, {"a", "3", ">", "120", "200"}, 5, 1},
                               {Id::If, {"b", "1", "=", "50"}, 4, 2},
                               // against the parenthesis the condition is lost and the targets are read instead
                               {Id::If, {"120", "00", "2"}, 4, 3},
                               {Id::End, {}, 0, 4},
                           });
}

TEST_F(ScenarioParser, DrawTextAndCgEffect2KeepTheirTextWhole) {
    auto script = scenario(
        "drawtext 10 20 점수: 100 점\n"
        "bufferdrawtext(5, 6, hi there)\n"
        "cgeffect2 ripple 1 2 3");
    expectRecords(*script, {
                               {Id::DrawText, {"10", "20", "점수: 100 점"}, 3, 1},
                               {Id::BufferDrawText, {"5", "6", ", hi there)"}, 3, 2},
                               {Id::CgEffect2, {"ripple", "1 2 3"}, 4, 3},
                               {Id::End, {}, 0, 4},
                           });
}

TEST_F(ScenarioParser, EffectAndFilterNamesBecomeNumbers) {
    auto script = scenario(
        "cgeffect HQUAKE 10 20\n"
        "threadcgeffect rrotate 300 5 lost\n"
        "cgeffect 7 300 bg.bmp\n"
        "cgeffect ripple 500 bg.bmp\n"
        "cgeffect 31 500\n"
        "recteffect sepia 0 0 10 10\n"
        "bufferrecteffect Blend 1 2 3 4 255 0 0\n"
        "recteffect 2 0 0 1 1\n"
        "recteffect fog 0 0 1 1");
    expectRecords(*script, {
                               {Id::CgEffect, {"18", "10", "", "20"}, 4, 1},
                               {Id::ThreadCgEffect, {"25", "300", "", "5"}, 5, 2},
                               {Id::CgEffect, {"7", "300", "bg.bmp"}, 3, 3},
                               {Id::CgEffect, {"-1", "500", "bg.bmp", "", "", "", "", "", "", "ripple"}, 3, 4},
                               {Id::CgEffect, {"-1", "500", "", "", "", "", "", "", "", "31"}, 2, 5},
                               {Id::RectEffect, {"1", "0", "0", "10", "10"}, 5, 6},
                               {Id::BufferRectEffect, {"3", "1", "2", "3", "4", "255", "0", "0"}, 8, 7},
                               {Id::RectEffect, {"2", "0", "0", "1", "1"}, 5, 8},
                               {Id::RectEffect, {"fog", "0", "0", "1", "1"}, 5, 9},
                               {Id::End, {}, 0, 10},
                           });
}

TEST_F(ScenarioParser, GenericArgumentsIgnoreParenthesesAndKeepTen) {
    auto script = scenario(
        "cg bg.bmp 300\n"
        "CG(bg.bmp, 300)\n"
        "cg((bg.bmp 300\n"
        "setfont a b c d e f g h i j k l\n"
        "nextpage");
    expectRecords(*script, {
                               {Id::Cg, {"bg.bmp", "300"}, 2, 1},
                               {Id::Cg, {"bg.bmp", "300"}, 2, 2},
                               {Id::Cg, {"bg.bmp", "300"}, 2, 3},
                               {Id::SetFont, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, 12, 4},
                               {Id::NextPage, {}, 0, 5},
                               {Id::End, {}, 0, 6},
                           });
}

TEST_F(ScenarioParser, DittoRepeatsTheWordAboveWithItsOwnArguments) {
    auto script = scenario(
        "cg a.bmp 100\n"
        "\" b.bmp 200\n"
        "\" c.bmp\n"
        "text 첫째\n"
        "\" 둘째\n"
        "nextpage\n"
        "\" x");
    expectRecords(*script, {
                               {Id::Cg, {"a.bmp", "100"}, 2, 1},
                               {Id::Cg, {"b.bmp", "200"}, 2, 2},
                               {Id::Cg, {"c.bmp"}, 1, 3},
                               {Id::NextPage, {}, 0, 4},
                               {Id::Text, {"첫째"}, 1, 4},
                               {Id::Wait, {}, 0, 4},
                               {Id::NextPage, {}, 0, 5},
                               {Id::Text, {"둘째"}, 1, 5},
                               {Id::Wait, {}, 0, 5},
                               {Id::NextPage, {}, 0, 6},
                               // "nextpage" has no blank, so the ditto finds no word
                               {Id::Invalid, {}, 0, 7},
                               {Id::End, {}, 0, 8},
                           });
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "\"test.txt\"의 7행의 \"\"커맨드는 올바른 커맨드가 아닙니다.");
}

TEST_F(ScenarioParser, InvalidWordsAreReportedAndKeptWithTheirLines) {
    auto script = scenario(
        "// 주석\n"
        "sprite a.bmp\n"
        "\n"
        "텍스트 안녕   // 뒤 주석\n"
        "timer");
    expectRecords(*script, {
                               {Id::Invalid, {}, 0, 2},
                               {Id::Invalid, {}, 0, 4},
                               {Id::Invalid, {}, 0, 5},
                               {Id::End, {}, 0, 6},
                           });
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "\"test.txt\"의 2행의 \"sprite\"커맨드는 올바른 커맨드가 아닙니다.",
                              "\"test.txt\"의 4행의 \"텍스트\"커맨드는 올바른 커맨드가 아닙니다.",
                              "\"test.txt\"의 5행의 \"timer\"커맨드는 올바른 커맨드가 아닙니다.",
                          }));
}

TEST_F(ScenarioParser, NothingAfterEndIsParsed) {
    auto script = scenario(
        "wait\n"
        "End now\n"
        "cg a.bmp\n"
        "bogus");
    expectRecords(*script, {{Id::Wait, {}, 0, 1}, {Id::End, {}, 0, 2}});
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(script->LineCount(), 2);
}

TEST_F(ScenarioParser, EveryScenarioWordIsACommand) {
    auto script = scenario(
        "text a\n"
        "+ b\n"
        "atext c\n"
        "writevariable v\n"
        "textspace 2\n"
        "nextline\n"
        "nextpage\n"
        "wait\n"
        "select 1 a\n"
        "ncselect 2 b\n"
        "init v 1\n"
        "reset\n"
        "set v = 2\n"
        "if (v = 2) 1 2\n"
        "setstring s prompt\n"
        "savecomment c\n"
        "setflag f\n"
        "ifflag f 1 2\n"
        "drawtext 1 2 t\n"
        "bufferdrawtext 1 2 t\n"
        "drawvariable 1 2 v\n"
        "bufferdrawvariable 1 2 v\n"
        "cg a.bmp\n"
        "char a.bmp\n"
        "buffercg a.bmp\n"
        "bufferchar a.bmp\n"
        "drawbuffer 10\n"
        "charsize 50\n"
        "cgeffect FADETO\n"
        "threadcgeffect MOSAIC\n"
        "cgeffect2 ripple x\n"
        "charrect 0 0 1 1\n"
        "recteffect GRAY\n"
        "bufferrecteffect GRAY\n"
        "window OFF\n"
        "windowsize FULL\n"
        "setfont f 20\n"
        "settextcolor 1 2 3\n"
        "setfadedelay 10\n"
        "bgm a.ogg\n"
        "voice v.ogg\n"
        "effect e.wav\n"
        "delay 10\n"
        "goto 1\n"
        "loadsnr b.txt\n"
        "funcsnr c.txt\n"
        "return\n"
        "show s.txt\n"
        "menu m.txt\n"
        "end");
    EXPECT_TRUE(messages().empty()) << messages().front();
    EXPECT_EQ(script->commands().back().line, 50);
}

}  // namespace
}  // namespace morv::testing
