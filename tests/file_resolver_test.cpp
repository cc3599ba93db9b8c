// Finding and creating game files by Windows-style names.
#include "platform/file_resolver.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::cp949;
using testing::TempDir;

TEST(FileResolver, MapsBackslashesAndAnyCaseToTheFileOnDisk) {
    TempDir dir;
    dir.write("CG/Bg01.BMP", "x");
    FileResolver files(dir.path());
    auto found = files.find("cg\\bg01.bmp");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->filename(), "Bg01.BMP");
    EXPECT_EQ(found->parent_path().filename(), "CG");
    EXPECT_TRUE(files.exists(".\\CG\\BG01.bmp"));
    EXPECT_FALSE(files.exists("cg\\bg02.bmp"));
    EXPECT_FALSE(files.exists(""));
}

TEST(FileResolver, PrefersTheExactNameOverACaseInsensitiveMatch) {
    TempDir dir;
    dir.write("a.txt", "lower");
    dir.write("A.txt", "upper");
    FileResolver files(dir.path());
    EXPECT_EQ(*files.readAll("A.txt"), "upper");
    EXPECT_EQ(*files.readAll("a.txt"), "lower");
}

TEST(FileResolver, FindsKoreanNamesStoredAsUtf8) {
    TempDir dir;
    dir.write("배경/교실.bmp", "room");
    FileResolver files(dir.path());
    EXPECT_EQ(files.readAll(cp949("배경\\교실.BMP")).value_or(""), "room");
}

TEST(FileResolver, CreatesInsideExistingDirectoriesWhateverTheirCase) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "Save");
    FileResolver files(dir.path());
    EXPECT_EQ(files.pathForCreate("save\\Save0001.dat"), dir.path() / "Save" / "Save0001.dat");
    ASSERT_TRUE(files.writeAll("save\\Save0001.dat", "data"));
    EXPECT_EQ(dir.read("Save/Save0001.dat"), "data");
    // The temporary copy is gone after the rename.
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Save" / "Save0001.dat.tmp"));
    EXPECT_TRUE(files.remove("SAVE\\save0001.DAT"));
    EXPECT_FALSE(files.exists("save\\Save0001.dat"));
}

TEST(FileResolver, MakesMissingDirectoriesAndAcceptsTrailingSeparators) {
    TempDir dir;
    FileResolver files(dir.path());
    EXPECT_TRUE(files.makeDirectory("saves\\slot\\"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "saves" / "slot"));
    EXPECT_TRUE(files.makeDirectory(".\\"));
}

TEST(FileResolver, ReadingADirectoryOrMissingFileGivesNothing) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "folder");
    FileResolver files(dir.path());
    EXPECT_FALSE(files.readAll("folder"));
    EXPECT_FALSE(files.readAll("nothing.txt"));
}

}  // namespace
}  // namespace morv
