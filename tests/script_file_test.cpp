// The line store of a script and its command cursor.
#include "script/script_file.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "script/script_factory.h"
#include "support/loose_script_fixture.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::CurrentDirectory;
using testing::TempDir;

using LineStore = testing::LooseScriptTest;

TEST_F(LineStore, LinesPastTheEndReadAsEnd) {
    auto withoutFeed = open("wait\nnextline");
    ASSERT_TRUE(withoutFeed);
    EXPECT_EQ(withoutFeed->ReadLine(2), "nextline");
    EXPECT_EQ(withoutFeed->ReadLine(3), "end");

    auto withFeed = open("wait\nnextline\n");
    EXPECT_EQ(withFeed->ReadLine(2), "nextline");
    EXPECT_EQ(withFeed->ReadLine(3), "");  // the empty line after the last feed
    EXPECT_EQ(withFeed->ReadLine(4), "end");
}

TEST_F(LineStore, CrLfFilesReadLikeLfFiles) {
    auto crlf = open("wait\r\n  nextline  \r\nnextpage\r\n");
    EXPECT_EQ(crlf->ReadLine(1), "wait");
    EXPECT_EQ(crlf->ReadLine(2), "nextline");
    EXPECT_EQ(crlf->ReadLine(3), "nextpage");
}

TEST_F(LineStore, CommentsStartAnywhereEvenInsideText) {
    auto script = open("text hello // remark\n   // only a remark\nhttp://x\n");
    EXPECT_EQ(script->ReadLine(1), "text hello");
    EXPECT_EQ(script->ReadLine(2), "");
    EXPECT_EQ(script->ReadLine(3), "http:");
}

TEST_F(LineStore, LineZeroIsRefusedWithItsMessage) {
    auto script = open("wait\n");
    EXPECT_EQ(script->ReadLine(0), "");
    ASSERT_FALSE(platform_.messagesShown().empty());
    EXPECT_EQ(platform_.messagesShown().back(), "0번째 행을 읽을수는 없습니다.");
}

TEST_F(LineStore, BlankLinesKeepTheNumberingAndEndStopsParsing) {
    auto script = open("wait\n\n// remark\nnextline\nend\nnextpage\n");
    const auto& commands = script->commands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].line, 1);
    EXPECT_EQ(commands[1].line, 4);
    EXPECT_EQ(commands[2].id, CommandId::End);
    EXPECT_EQ(commands[2].line, 5);
    EXPECT_EQ(script->LineCount(), 5);
}

TEST_F(LineStore, CursorWalksAndJumpsToLinesThatHoldCommands) {
    auto script = open("wait\n// remark\nnextline\nnextpage\nwait\n");
    EXPECT_EQ(script->CurrentLine(), 1);
    EXPECT_EQ(script->Next()->line, 1);
    EXPECT_EQ(script->GoToLine(4), 4);
    EXPECT_EQ(script->CurrentLine(), 4);
    EXPECT_EQ(script->GoToPreviousLine(), 3);

    // A comment line holds no command: the cursor stays where it was.
    EXPECT_EQ(script->GoToLine(2), -1);
    EXPECT_EQ(platform_.messagesShown().back(), "2라인으로는 이동할 수 없습니다.");
    EXPECT_EQ(script->CurrentLine(), 3);
}

TEST_F(LineStore, LastPageLineFindsTheNearestNextpageBeforeTheCursor) {
    auto script = open("wait\nnextpage\nwait\nnextpage\nwait\nwait\n");
    EXPECT_EQ(script->LastPageLine(), 0);
    script->GoToLine(5);
    EXPECT_EQ(script->LastPageLine(), 4);
    script->GoToLine(3);
    EXPECT_EQ(script->LastPageLine(), 2);
}

TEST_F(LineStore, AMissingFileIsReportedByName) {
    EXPECT_FALSE(factory_.Open("nothing.txt", ScriptKind::Scenario));
    EXPECT_EQ(platform_.messagesShown().back(), "nothing.txt 파일을 읽는중에 에러가 발생했습니다.");
}

TEST_F(LineStore, ScriptsOpenWithTheirKind) {
    dir_.write("show.txt", "end\n");
    auto show = factory_.Open("show.txt", ScriptKind::SkippableShowScript);
    ASSERT_TRUE(show);
    EXPECT_TRUE(show->skippable());
    EXPECT_EQ(show->FileName(), "show.txt");
    EXPECT_EQ(platform_.traceLines().back(), "[0] script open \"show.txt\" kind 1");
}

}  // namespace
}  // namespace morv
