// The read log: marking lines and its file.
#include <gtest/gtest.h>

#include "saves/read_log.h"
#include "platform/file_resolver.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using namespace std::string_literals;

class ReadLogTest : public ::testing::Test {
protected:
    testing::TempDir dir;
    FileResolver files{dir.path()};
};

TEST_F(ReadLogTest, ALineCountsAsReadOnlyAfterThePlayerMovedOn) {
    ReadLog log(files);
    log.load();
    EXPECT_FALSE(log.IsRead("a.txt", 3, 10));
    EXPECT_FALSE(log.IsRead("a.txt", 3, 10)) << "a second command of the same line";
    EXPECT_FALSE(log.IsRead("a.txt", 4, 10));
    EXPECT_TRUE(log.IsRead("a.txt", 3, 10));
    EXPECT_FALSE(log.IsRead("b.txt", 4, 5));
    EXPECT_TRUE(log.IsRead("a.txt", 4, 10)) << "moving to another file commits the pending line";
    EXPECT_FALSE(log.IsRead("A.TXT", 3, 10)) << "file names compare byte for byte";
}

TEST_F(ReadLogTest, ChangingTheLineCountForgetsTheFilesMarks) {
    ReadLog log(files);
    log.IsRead("a.txt", 1, 10);
    log.IsRead("a.txt", 2, 10);
    log.IsRead("a.txt", 1, 11);
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].lineCount, 11);
    log.IsRead("a.txt", 5, 11);
    EXPECT_FALSE(log.IsRead("a.txt", 2, 11));
    EXPECT_TRUE(log.IsRead("a.txt", 1, 11));
}

TEST_F(ReadLogTest, LinesOutsideTheFileAreNeverMarked) {
    ReadLog log(files);
    EXPECT_FALSE(log.IsRead("a.txt", 11, 10));
    EXPECT_FALSE(log.IsRead("a.txt", -1, 10));
    EXPECT_FALSE(log.IsRead("a.txt", 2, -4));
    EXPECT_TRUE(log.entries().empty());
}

TEST_F(ReadLogTest, RoundTripThroughTheFileLeavesThePendingLineUnread) {
    {
        ReadLog log(files);
        log.load();
        log.IsRead("a.txt", 1, 3);
        log.IsRead("a.txt", 2, 3);
        log.IsRead("b.txt", 1, 1);
    }  // written when destroyed
    EXPECT_EQ(dir.read("read.dat"), "\x02\0\0\0"s "\x05\0\0\0" "a.txt" "\x03\0\0\0" "\0\x01\x01\0"s
                                    "\x05\0\0\0" "b.txt" "\x01\0\0\0" "\0\0"s);
    ReadLog log(files);
    log.load();
    EXPECT_TRUE(log.IsRead("a.txt", 2, 3));
    EXPECT_FALSE(log.IsRead("b.txt", 1, 1));
}

TEST_F(ReadLogTest, DamagedFilesAreTreatedAsMissing) {
    const std::string good = ReadLog::encode({ReadLog::Entry{"a.txt", 2, "\0\x01\x01"s}});
    std::vector<std::string> damaged = {
        "", "\x01\0\0"s, "\xFF\xFF\xFF\xFF"s,
        "\x01\0\0\0" "\xFF\xFF\xFF\x7F" "a"s,                                 // name past the end
        "\x01\0\0\0" "\x01\0\0\0" "a" "\xFF\xFF\xFF\xFF"s,                    // absurd line count
        "\x01\0\0\0" "\x01\0\0\0" "a" "\x10\0\0\0" "\0\0"s,                   // marks past the end
    };
    for (size_t length = 0; length < good.size(); ++length) damaged.push_back(good.substr(0, length));
    for (const std::string& bytes : damaged) {
        EXPECT_FALSE(ReadLog::decode(bytes)) << bytes.size();
        dir.write("read.dat", bytes);
        ReadLog log(files);
        log.load();
        EXPECT_TRUE(log.entries().empty());
    }
    ASSERT_TRUE(ReadLog::decode(good));
}

}  // namespace
}  // namespace morv
