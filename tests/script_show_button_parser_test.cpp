// Parsing show and button scripts into command records.
#include "script_parse_support.h"

namespace morv::testing {
namespace {

using Id = CommandId;
using ShowAndButtonParsers = ScriptParseTest;

TEST_F(ShowAndButtonParsers, ShowScriptsHaveTheirOwnWords) {
    auto script = parse<ShowScript>(
        "sprite a.bmp 100 10 20\n"
        "spritesize 50\n"
        "spriterect 0 0 10 10\n"
        "buffersprite b.bmp 1 2\n"
        "timer\n"
        "waittime 500\n"
        "movie op.mpg FULL\n"
        "flash intro.swf 0 0 640 480\n"
        "cgeffect lscroll 300 bg.bmp\n"
        "bufferdrawtext 1 2 점수 표시\n"
        "text 안녕\n"
        "char a.bmp\n"
        "flash a b c d e f g h i j k l");
    expectRecords(*script, {
                               {Id::Sprite, {"a.bmp", "100", "10", "20"}, 4, 1},
                               {Id::CharSize, {"50"}, 1, 2},
                               {Id::CharRect, {"0", "0", "10", "10"}, 4, 3},
                               {Id::BufferSprite, {"b.bmp", "1", "2"}, 3, 4},
                               {Id::Timer, {}, 0, 5},
                               {Id::WaitTime, {"500"}, 1, 6},
                               {Id::Movie, {"op.mpg", "FULL"}, 2, 7},
                               {Id::Flash, {"intro.swf", "0", "0", "640", "480"}, 5, 8},
                               {Id::CgEffect, {"1", "300", "bg.bmp"}, 3, 9},
                               {Id::BufferDrawText, {"1", "2", "점수 표시"}, 3, 10},
                               {Id::Invalid, {}, 0, 11},
                               {Id::Invalid, {}, 0, 12},
                               // more than ten arguments: the first ten are kept, the count keeps all
                               {Id::Flash, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, 12, 13},
                               {Id::End, {}, 0, 14},
                           });
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "\"test.txt\"의 11행의 \"text\"커맨드는 올바른 커맨드가 아닙니다.",
                              "\"test.txt\"의 12행의 \"char\"커맨드는 올바른 커맨드가 아닙니다.",
                          }));
}

TEST_F(ShowAndButtonParsers, ButtonsKeepTheirTargetInArgumentOne) {
    auto script = parse<ButtonScript>(
        "textbutton JUMP 100 10 20 새 게임 시작\n"
        "textbutton load 10 40 불러오기\n"
        "button END a b c d e f g h\n"
        "button JUMP 200 a b\n"
        "cgbutton JUMP 300 a.bmp b.bmp 5 6\n"
        "drawtext 1 2 메뉴, 제목\n"
        "ifflag seen 1 2\n"
        "select 1 a");
    expectRecords(*script, {
                               {Id::TextButton, {"JUMP", "100", "10", "20", "새 게임 시작"}, 5, 1},
                               {Id::TextButton, {"load", "", "10", "40", "불러오기"}, 5, 2},
                               // the old argument 8 drops out
                               {Id::Button, {"END", "", "a", "b", "c", "d", "e", "f", "g"}, 9, 3},
                               {Id::Button, {"JUMP", "200", "a", "b"}, 4, 4},
                               {Id::CgButton, {"JUMP", "300", "a.bmp", "b.bmp", "5", "6"}, 6, 5},
                               {Id::DrawText, {"1", "2", "메뉴, 제목"}, 3, 6},
                               {Id::IfFlag, {"seen", "1", "2"}, 3, 7},
                               {Id::Invalid, {}, 0, 8},
                               {Id::End, {}, 0, 9},
                           });
}

TEST_F(ShowAndButtonParsers, EveryShowAndButtonWordIsACommand) {
    parse<ShowScript>(
        "drawtext 1 2 t\nbufferdrawtext 1 2 t\ncg a\nsprite a\nbuffercg a\nbuffersprite a\ndrawbuffer 1\n"
        "spritesize 1\ncgeffect 0\nthreadcgeffect 0\nspriterect 1\nrecteffect 0\nbufferrecteffect 0\n"
        "setfont a\nsettextcolor 1\nsetfadedelay 1\nbgm a\neffect a\ndelay 1\nloadsnr a\nshow a\nmenu a\n"
        "timer\nwaittime 1\nmovie a\nflash a\nend");
    parse<ButtonScript>(
        "ifflag a\ndrawtext 1 2 t\ncg a\nsprite a\nspriterect 1\nrecteffect 0\nsetfont a\nsettextcolor 1\n"
        "setfadedelay 1\nbgm a\neffect a\nbutton a\ncgbutton a\ntextbutton END 1 2 t\nend");
    EXPECT_TRUE(messages().empty()) << messages().front();
}

}  // namespace
}  // namespace morv::testing
