// Past text kept for the review: wrapping, line breaks and overwritten pages.
#include <gtest/gtest.h>

#include "display/backlog_store.h"
#include "fixed_width_font.h"

namespace morv {
namespace {

using testing::FixedWidthFont;
const std::string kGa = "\xB0\xA1";

class BacklogStoreTest : public ::testing::Test {
protected:
    FixedWidthFont font{24, nullptr};
};

TEST_F(BacklogStoreTest, WrapsTextIntoLinesOfTheBacklogWidth) {
    BacklogStore store(10, 100);
    store.addText("0123456789", 1, font);  // exactly one line
    EXPECT_EQ(store.currentLine(), 1);
    store.addText("A", 1, font);  // does not fit on line 1 any more
    EXPECT_EQ(store.currentLine(), 2);
    EXPECT_EQ(store.at(1).firstLine, 1);  // the entry starts where the line was
    store.addLineBreak();
    EXPECT_EQ(store.at(2).firstLine, 3);
    EXPECT_EQ(store.currentLine(), 3);
    // 4 one-byte (40) + 3 two-byte (60) = 100 fits; the next two-byte goes to a new line whole.
    store.addText("abcd" + kGa + kGa + kGa + kGa, 1, font);
    EXPECT_EQ(store.currentLine(), 4);
    store.addFontChange({});
    EXPECT_EQ(store.at(4).firstLine, 4);
    EXPECT_EQ(store.at(4).kind, BacklogEntry::Kind::FontChange);
}

TEST_F(BacklogStoreTest, LineBreakIntoAnEmptyStoreIsNotRecorded) {
    BacklogStore store(10, 100);
    store.addLineBreak();
    EXPECT_EQ(store.size(), 0);
    EXPECT_EQ(store.currentLine(), 1);
    EXPECT_EQ(store.find(1), -1);
}

TEST_F(BacklogStoreTest, FullRingOverwritesTheOldestAndRaisesTheLowestLine) {
    BacklogStore store(3, 100);
    store.addText("first", 1, font);
    store.addLineBreak();  // line 2
    store.addText("second", 2, font);
    EXPECT_EQ(store.lowestLine(), 1);
    store.addLineBreak();  // line 3: drops "first"
    EXPECT_EQ(store.size(), 3);
    EXPECT_EQ(store.lowestLine(), 1);
    EXPECT_EQ(store.at(0).kind, BacklogEntry::Kind::LineBreak);
    store.addText("third", 3, font);  // drops the break of line 2
    EXPECT_EQ(store.lowestLine(), 2);
    EXPECT_EQ(store.at(0).text, "second");
    EXPECT_EQ(store.at(2).text, "third");
    EXPECT_EQ(store.readText(3, font), "");  // outside the live range
}

TEST_F(BacklogStoreTest, DefaultCapacityKeepsFiveThousandEntries) {
    BacklogStore store(GameConfig{}.textHistorySize, 100);
    for (int i = 0; i < 2500; ++i) {
        store.addText("x", 0, font);  // line i + 1
        store.addLineBreak();        // line i + 2
    }
    EXPECT_EQ(store.size(), 5000);
    EXPECT_EQ(store.lowestLine(), 1);
    store.addText("y", 0, font);  // the 5001st entry overwrites the first text (line 1)
    EXPECT_EQ(store.size(), 5000);
    EXPECT_EQ(store.lowestLine(), 1);
    store.addLineBreak();  // overwrites the break that began line 2
    EXPECT_EQ(store.lowestLine(), 2);
    EXPECT_EQ(store.find(1), 0);  // below the lowest line: the oldest entry
}

TEST_F(BacklogStoreTest, FindsLinesInsideWrappedMessagesWithAPendingOffset) {
    BacklogStore store(20, 50);  // five one-byte characters per line
    store.addText("aaaaabbbbbccc", 7, font);  // lines 1-3
    store.addLineBreak();                     // line 4
    store.addText("ddddd", 8, font);          // line 4
    store.addFontChange({});
    store.addText("eeeeeff", 9, font);        // lines 4-5

    EXPECT_EQ(store.find(1), 0);
    EXPECT_EQ(store.readText(0, font), "aaaaabbbbbccc");
    EXPECT_EQ(store.find(2), 0);
    EXPECT_EQ(store.at(0).pendingLineOffset, 1);
    EXPECT_EQ(store.readText(0, font), "bbbbbccc");
    EXPECT_EQ(store.at(0).pendingLineOffset, 0);  // cleared by the read
    EXPECT_EQ(store.find(3), 0);
    EXPECT_EQ(store.readText(0, font), "ccc");
    EXPECT_EQ(store.find(4), 1);  // the line break begins line 4
    EXPECT_EQ(store.readText(1, font), "");
    // Past every entry's first line: inside the newest message.
    EXPECT_EQ(store.find(5), 4);
    EXPECT_EQ(store.readText(4, font), "ff");
}

TEST_F(BacklogStoreTest, PageStartSurvivesOnlyWhileItsEntryIsHeld) {
    BacklogStore store(3, 100);
    EXPECT_EQ(store.firstAgeAfterPageStart(), 0);
    store.addText("page", 3, font);
    store.markPageStart("ge", 3);
    EXPECT_EQ(store.pageStartText(), "ge");
    EXPECT_EQ(store.firstAgeAfterPageStart(), 1);
    store.addLineBreak();
    store.addText("more", 3, font);
    EXPECT_EQ(store.firstAgeAfterPageStart(), 1);
    store.addLineBreak();  // the page start's entry is dropped
    EXPECT_EQ(store.firstAgeAfterPageStart(), 0);
}

}  // namespace
}  // namespace morv
