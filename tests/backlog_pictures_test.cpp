// The review's own button and header pictures.
#include <gtest/gtest.h>

#include <set>

#include "display/backlog_pictures.h"
#include "surface_test_pixels.h"

namespace morv {
namespace {

TEST(BacklogPictures, IconsAreKeyedByTheirTopLeftPixelAndDifferByState) {
    const int numbers[] = {0, 1, 2, 10, 11, 12, 20, 21, 22, 30, 31, 32, 40, 41, 42, 50, 51, 52};
    const int resources[] = {157, 158, 159, 145, 169, 162, 148, 166, 167, 147, 164, 165, 154, 160, 161, 171, 170, 163};
    std::set<std::vector<uint32_t>> distinct;
    for (size_t i = 0; i < std::size(numbers); ++i) {
        ASSERT_EQ(backlogIconResource(numbers[i]), resources[i]);
        ProgramPicture picture = backlogPicture(resources[i]);
        ASSERT_EQ(picture.width, 32);
        ASSERT_EQ(picture.height, 32);
        EXPECT_EQ(picture.pixels[0], ProgramPicture::kTransparent);
        distinct.insert(picture.pixels);
    }
    EXPECT_EQ(distinct.size(), std::size(numbers));
    EXPECT_EQ(backlogIconResource(3), -1);
    EXPECT_EQ(backlogIconResource(60), -1);
    EXPECT_EQ(backlogPicture(150).width, 0);
}

TEST(BacklogPictures, LoadIntoSurfacesOfEitherDepth) {
    for (PixelFormat format : {PixelFormat::Rgb565, PixelFormat::Xrgb8888}) {
        Surface surface(format, nullptr);
        ASSERT_EQ(loadProgramPicture(surface, backlogPicture(backlog_picture::kThumb)), Surface::kOk);
        EXPECT_EQ(test::pixelAt(surface, 0, 0), format == PixelFormat::Rgb565 ? 0xF81Fu : 0xFF00FFu);
        EXPECT_EQ(loadProgramPicture(surface, backlogPicture(backlog_picture::kHeader)), Surface::kOk);
        EXPECT_EQ(surface.height(), 40);
    }
}

}  // namespace
}  // namespace morv
