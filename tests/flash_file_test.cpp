// Reading Flash files: the three compressions, the tag stream and damaged or oversized files.
#include <gtest/gtest.h>

#include "flash/swf_movie.h"
#include "support/swf_builder.h"

namespace morv {
namespace {

using testing::ShapeWriter;
using testing::SwfWriter;

SwfWriter smallMovie() {
    SwfWriter swf(320, 240, 12.5);
    swf.background({10, 20, 30, 255});
    ShapeWriter square;
    square.rectangle(0, 0, 400, 400, square.solidFill({255, 0, 0, 255}));
    swf.shape(1, square);
    swf.place(1, 1);
    swf.showFrame();
    swf.showFrame();
    swf.showFrame();
    return swf;
}

class FlashFileTest : public ::testing::TestWithParam<char> {};

TEST_P(FlashFileTest, HeaderAndTagsReadForEachCompression) {
    const std::string bytes = smallMovie().file(GetParam());
    ASSERT_EQ(bytes[0], GetParam());
    auto movie = swf::readMovie(bytes);
    ASSERT_NE(movie, nullptr);
    EXPECT_EQ(movie->header.version, 10);
    EXPECT_EQ(movie->header.frameSize.xMax, 320 * 20);
    EXPECT_EQ(movie->header.frameSize.yMax, 240 * 20);
    EXPECT_EQ(movie->header.frameRate, 12 * 256 + 128);
    EXPECT_EQ(movie->header.frameCount, 3);
    EXPECT_EQ(movie->background, (swf::Rgba{10, 20, 30, 255}));
    ASSERT_EQ(movie->timeline.frames.size(), 3u);
    EXPECT_EQ(movie->timeline.frames[0].size(), 1u);
    ASSERT_NE(movie->character(1), nullptr);
    EXPECT_TRUE(std::holds_alternative<swf::Shape>(*movie->character(1)));
    EXPECT_EQ(movie->lastFrame(), 2);
}

TEST_P(FlashFileTest, EveryTruncationOfTheFirst200BytesFailsCleanly) {
    SwfWriter swf = smallMovie();
    // A bitmap and a sprite make the first 200 bytes cross several kinds of tag.
    swf.losslessBitmap(2, 4, 4, std::vector<uint32_t>(16, 0xff00ff00u));
    SwfWriter inner(10, 10, 1);
    inner.place(1, 1);
    inner.showFrame();
    swf.sprite(3, inner);
    swf.showFrame();
    const std::string bytes = swf.file(GetParam());
    ASSERT_NE(swf::readMovie(bytes), nullptr);
    // A compressed file may lose its trailing checksum or end marker and still hold every byte.
    const size_t whole = GetParam() == 'F' ? bytes.size() : bytes.size() - 8;
    for (size_t size = 0; size < std::min<size_t>(200, bytes.size()); ++size)
        EXPECT_TRUE(swf::readMovie(bytes.substr(0, size)) == nullptr || size >= whole) << "cut at " << size;
}

INSTANTIATE_TEST_SUITE_P(Compressions, FlashFileTest, ::testing::Values('F', 'C', 'Z'));

TEST(FlashFileDamage, RefusesWhatIsNotAPlayableMovie) {
    std::string bytes = smallMovie().file('F');
    EXPECT_EQ(swf::readMovie("GIF89a-not-flash"), nullptr);

    std::string huge = bytes;
    huge[7] = '\x7f';  // the header claims nearly 2 GiB
    EXPECT_EQ(swf::readMovie(huge), nullptr);

    // A tag whose long length runs past the end of the file.
    SwfWriter swf(10, 10, 1);
    swf.tag(777, "abc", true);
    swf.showFrame();
    std::string longTag = swf.file('F');
    const size_t lengthAt = longTag.find("abc") - 4;
    longTag[lengthAt + 3] = '\x10';
    EXPECT_EQ(swf::readMovie(longTag), nullptr);

    // A movie that never shows a frame has nothing to play.
    SwfWriter empty(10, 10, 1);
    EXPECT_EQ(swf::readMovie(empty.file('F', 5)), nullptr);
}

TEST(FlashFileDamage, UnknownAndSoundTagsAreSkipped) {
    SwfWriter swf(10, 10, 1);
    swf.tag(14, std::string(30, 'x'));  // DefineSound
    swf.tag(15, std::string(5, 'y'));   // StartSound
    swf.tag(999, std::string(100, 'z'), true);
    swf.showFrame();
    auto movie = swf::readMovie(swf.file('F'));
    ASSERT_NE(movie, nullptr);
    EXPECT_EQ(movie->lastFrame(), 0);
}

TEST(FlashFileLimits, FramesEdgesAndBitmapsAreCapped) {
    // More frames than the player keeps: the timeline ends at the limit.
    SwfWriter frames(10, 10, 30);
    for (int i = 0; i < 70000; ++i) frames.showFrame();
    auto many = swf::readMovie(frames.file('C', 65535));
    ASSERT_NE(many, nullptr);
    EXPECT_EQ(many->lastFrame(), 65534);

    // A shape of more than a million edges is refused.
    ShapeWriter edges;
    edges.styles(0, edges.solidFill({1, 2, 3, 255}), 0);
    edges.moveTo(0, 0);
    for (int i = 0; i < 1'000'001; ++i) edges.lineTo(i % 2 ? 0 : 20, (i + 1) / 2 * 2 % 40);
    SwfWriter big(10, 10, 1);
    big.shape(1, edges);
    big.showFrame();
    EXPECT_EQ(swf::readMovie(big.file('C')), nullptr);

    // A bitmap that claims 60000 x 60000 pixels is left out; the movie still plays.
    SwfWriter bitmap(10, 10, 1);
    testing::BitWriter w;
    w.u16(5);
    w.u8(5);
    w.u16(60000);
    w.u16(60000);
    w.bytes(testing::zlibCompress(std::string(1000, '\0')));
    bitmap.tag(36, w.data());
    bitmap.showFrame();
    auto movie = swf::readMovie(bitmap.file('F'));
    ASSERT_NE(movie, nullptr);
    EXPECT_EQ(movie->character(5), nullptr);
}

TEST(FlashFileFrames, HeaderCountAndStopActionEndTheMovie) {
    SwfWriter swf(10, 10, 1);
    for (int i = 0; i < 4; ++i) swf.showFrame();
    // A header that claims more frames than the file holds still ends at the last one there.
    EXPECT_EQ(swf::readMovie(swf.file('F', 500))->lastFrame(), 3);
    EXPECT_EQ(swf::readMovie(swf.file('F', 2))->lastFrame(), 1);

    SwfWriter stopped(10, 10, 1);
    stopped.showFrame();
    stopped.stop();
    stopped.showFrame();
    stopped.showFrame();
    EXPECT_EQ(swf::readMovie(stopped.file('F'))->lastFrame(), 1);
}

}  // namespace
}  // namespace morv
