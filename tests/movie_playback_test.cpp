// Movies decoded with FFmpeg: pictures at their times, drawn into frames of both depths in both modes, and bad files.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_resolver.h"
#include "platform/headless/virtual_clock.h"
#include "platform/video/movie_channel.h"
#include "platform/video/movie_painter.h"
#include "platform/video/movie_stream.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

const std::filesystem::path kMovies = std::filesystem::path(MORV_TEST_GAMES) / "movie";

struct Rgb {
    int r, g, b;
};

// A frame of the display in either format, read back as 8-bit colour.
class Frame {
public:
    Frame(int width, int height, PixelFormat format)
        : width_(width), height_(height), format_(format), pitch_(width * bytesPerPixel(format) + 8),
          pixels_(static_cast<size_t>(pitch_) * height) {}

    MediaPlayer::VideoTarget target() { return {pixels_.data(), pitch_, width_, height_, format_}; }
    void fill(uint8_t byte) { std::memset(pixels_.data(), byte, pixels_.size()); }

    Rgb at(int x, int y) const {
        const uint8_t* p = pixels_.data() + static_cast<size_t>(y) * pitch_ + static_cast<size_t>(x) * bytesPerPixel(format_);
        if (format_ == PixelFormat::Rgb565) {
            uint16_t v;
            std::memcpy(&v, p, 2);
            return {(v >> 11) * 255 / 31, ((v >> 5) & 63) * 255 / 63, (v & 31) * 255 / 31};
        }
        uint32_t v;
        std::memcpy(&v, p, 4);
        return {static_cast<int>((v >> 16) & 255), static_cast<int>((v >> 8) & 255), static_cast<int>(v & 255)};
    }

private:
    int width_, height_;
    PixelFormat format_;
    int pitch_;
    std::vector<uint8_t> pixels_;
};

// Lossy pictures and 16-bit pixels come within a few steps of the colour.
bool near(Rgb color, Rgb expected, int tolerance = 24) {
    return std::abs(color.r - expected.r) <= tolerance && std::abs(color.g - expected.g) <= tolerance &&
           std::abs(color.b - expected.b) <= tolerance;
}

constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255}, kBlack{0, 0, 0};
constexpr Rgb kYellow{255, 255, 0}, kCyan{0, 255, 255};

TEST(MovieStream, PicturesComeInOrderAtTheirTimesWithTheSoundResampledForTheMixer) {
    int64_t soundFrames = 0;
    auto stream = MovieStream::open(kMovies / "colors.mpg", [&](const int16_t*, int frames) { soundFrames += frames; });
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->width(), 160);
    EXPECT_EQ(stream->height(), 120);
    EXPECT_TRUE(stream->hasSound());
    std::vector<int64_t> times;
    MoviePicture picture;
    while (stream->nextPicture(picture)) times.push_back(picture.timeMs);
    ASSERT_EQ(times.size(), 20u);
    for (size_t i = 0; i < times.size(); ++i) EXPECT_EQ(times[i], static_cast<int64_t>(i) * 40) << i;
    // 0.8 s of tone at 44.1 kHz, give or take an audio frame.
    EXPECT_NEAR(static_cast<double>(soundFrames), 0.8 * MovieStream::kSoundRate, 2000);
    EXPECT_FALSE(stream->nextPicture(picture)) << "the end stays the end";

    auto silent = MovieStream::open(kMovies / "colors.mpg");
    ASSERT_NE(silent, nullptr);
    EXPECT_FALSE(silent->hasSound()) << "without a sink the sound is not decoded";
}

TEST(MovieStream, SeekingBackGivesThePicturesFromThere) {
    auto stream = MovieStream::open(kMovies / "colors.mpg");
    ASSERT_NE(stream, nullptr);
    MoviePicture picture;
    for (int i = 0; i < 15; ++i) ASSERT_TRUE(stream->nextPicture(picture));
    ASSERT_TRUE(stream->seek(400));
    ASSERT_TRUE(stream->nextPicture(picture));
    EXPECT_LE(picture.timeMs, 400) << "from a key picture at or before the position";
    while (picture.timeMs < 400) ASSERT_TRUE(stream->nextPicture(picture));
    EXPECT_EQ(picture.timeMs, 400) << "and on in order from there";
}

TEST(MovieRect, FullScreenFillsKeepingTheShapeAndTheWindowModeCentresTheOwnSize) {
    EXPECT_EQ(movieRect(160, 120, 640, 480, MediaPlayer::kVideoFullScreen), (MovieRect{0, 0, 640, 480}));
    EXPECT_EQ(movieRect(160, 90, 640, 480, MediaPlayer::kVideoFullScreen), (MovieRect{0, 60, 640, 360}));
    EXPECT_EQ(movieRect(90, 160, 800, 600, MediaPlayer::kVideoFullScreen), (MovieRect{231, 0, 337, 600}));
    EXPECT_EQ(movieRect(160, 120, 800, 600, MediaPlayer::kVideoWindow), (MovieRect{320, 240, 160, 120}));
    // Larger than the frame: shrunk to fit in the window mode too.
    EXPECT_EQ(movieRect(1280, 720, 640, 480, MediaPlayer::kVideoWindow), (MovieRect{0, 60, 640, 360}));
    EXPECT_EQ(movieRect(0, 120, 640, 480, MediaPlayer::kVideoWindow), MovieRect{});
}

struct FrameCase {
    int width;
    int height;
    PixelFormat format;
    int mode;
};

class MovieChannelFrames : public ::testing::TestWithParam<FrameCase> {
protected:
    FileResolver files_{kMovies};
    VirtualClock clock_;
    std::vector<int> codes_;
    MovieChannel channel_{files_, clock_, [this](int code) { codes_.push_back(code); }};
};

TEST_P(MovieChannelFrames, EachColourReachesTheFrameAtItsVirtualTime) {
    const FrameCase c = GetParam();
    Frame frame(c.width, c.height, c.format);
    frame.fill(0x80);  // the game's picture
    const Rgb game = frame.at(0, 0);
    channel_.load("COLORS.MPG");
    channel_.setMode(c.mode);
    channel_.play();
    ASSERT_EQ(channel_.state(), MediaPlayer::kVideoRunning);
    const int cx = c.width / 2, cy = c.height / 2;
    const uint64_t start = clock_.elapsed();
    const std::pair<uint64_t, Rgb> due[] = {{20, kRed}, {220, kGreen}, {420, kBlue}, {620, kWhite}};
    for (const auto& [at, color] : due) {
        clock_.sleep(static_cast<uint32_t>(start + at - clock_.elapsed()));
        channel_.draw(frame.target());
        EXPECT_TRUE(near(frame.at(cx, cy), color)) << at << " ms";
        if (c.mode == MediaPlayer::kVideoFullScreen) {
            EXPECT_TRUE(near(frame.at(0, 0), color)) << "a 4:3 movie fills the 4:3 frame";
            EXPECT_TRUE(near(frame.at(c.width - 1, c.height - 1), color));
        } else {
            const int left = (c.width - 160) / 2, top = (c.height - 120) / 2;
            EXPECT_TRUE(near(frame.at(left, top), color));
            EXPECT_TRUE(near(frame.at(left + 159, top + 119), color));
            EXPECT_TRUE(near(frame.at(left - 1, top), game, 0)) << "the game's picture stays around it";
            EXPECT_TRUE(near(frame.at(left + 160, top + 119), game, 0));
        }
    }
    EXPECT_TRUE(codes_.empty());
    clock_.sleep(200);
    channel_.draw(frame.target());
    EXPECT_EQ(channel_.state(), MediaPlayer::kVideoStopped);
    EXPECT_EQ(codes_, std::vector<int>{kVideoEndCode}) << "the end is posted once";
    channel_.draw(frame.target());
    EXPECT_EQ(codes_.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    DepthsModesAndSizes, MovieChannelFrames,
    ::testing::Values(FrameCase{640, 480, PixelFormat::Xrgb8888, MediaPlayer::kVideoFullScreen},
                      FrameCase{640, 480, PixelFormat::Rgb565, MediaPlayer::kVideoFullScreen},
                      FrameCase{800, 600, PixelFormat::Xrgb8888, MediaPlayer::kVideoFullScreen},
                      FrameCase{800, 600, PixelFormat::Rgb565, MediaPlayer::kVideoFullScreen},
                      FrameCase{640, 480, PixelFormat::Xrgb8888, MediaPlayer::kVideoWindow},
                      FrameCase{640, 480, PixelFormat::Rgb565, MediaPlayer::kVideoWindow},
                      FrameCase{800, 600, PixelFormat::Xrgb8888, MediaPlayer::kVideoWindow},
                      FrameCase{800, 600, PixelFormat::Rgb565, MediaPlayer::kVideoWindow}));

class MovieChannelTest : public ::testing::Test {
protected:
    FileResolver files_{kMovies};
    VirtualClock clock_;
    std::vector<int> codes_;
    MovieChannel channel_{files_, clock_, [this](int code) { codes_.push_back(code); }};
};

TEST_F(MovieChannelTest, AWideMovieGetsBlackBarsInFullScreen) {
    Frame frame(640, 480, PixelFormat::Xrgb8888);
    frame.fill(0x80);
    channel_.load("wide.mkv");
    channel_.play();
    channel_.draw(frame.target());
    EXPECT_TRUE(near(frame.at(0, 59), kBlack, 0));
    EXPECT_TRUE(near(frame.at(0, 60), kYellow, 4));
    EXPECT_TRUE(near(frame.at(639, 419), kYellow, 4));
    EXPECT_TRUE(near(frame.at(639, 420), kBlack, 0));
    clock_.sleep(250);
    channel_.draw(frame.target());
    EXPECT_TRUE(near(frame.at(320, 240), kCyan, 4));
}

TEST_F(MovieChannelTest, PausingKeepsThePositionAndAPositionSetResumesThere) {
    Frame frame(640, 480, PixelFormat::Xrgb8888);
    channel_.load("colors.mpg");
    channel_.play();
    clock_.sleep(430);
    channel_.draw(frame.target());
    channel_.pause();
    int64_t position = 0;
    ASSERT_TRUE(channel_.position(position));
    EXPECT_GE(position, 430);
    EXPECT_LT(position, 440);
    clock_.sleep(5000);
    EXPECT_EQ(channel_.state(), MediaPlayer::kVideoPaused);
    int64_t later = 0;
    ASSERT_TRUE(channel_.position(later));
    EXPECT_EQ(later, position) << "a paused movie's clock stands";

    // Loaded again after a display change: the same movie stays where it was.
    channel_.load("colors.mpg");
    channel_.setPosition(position);
    channel_.windowMoved();
    frame.fill(0);
    channel_.play();
    channel_.draw(frame.target());
    EXPECT_TRUE(near(frame.at(320, 240), kBlue)) << "drawn whole again at the same picture";

    // Set back to the start, it shows red again.
    channel_.setPosition(10);
    channel_.draw(frame.target());
    EXPECT_TRUE(near(frame.at(320, 240), kRed));
}

TEST_F(MovieChannelTest, UnloadingForgetsTheMovie) {
    channel_.load("colors.mpg");
    channel_.play();
    channel_.unload();
    int64_t position = 0;
    EXPECT_FALSE(channel_.position(position));
    EXPECT_EQ(channel_.state(), MediaPlayer::kVideoStopped);
    channel_.play();
    EXPECT_EQ(channel_.state(), MediaPlayer::kVideoStopped);
    EXPECT_TRUE(codes_.empty());
}

TEST(MovieChannelThreaded, TheDecoderThreadKeepsThePicturesInOrderToTheEnd) {
    FileResolver files{kMovies};
    VirtualClock clock;
    std::vector<int> codes;
    MovieChannel channel{files, clock, [&codes](int code) { codes.push_back(code); }, nullptr, true};
    Frame frame(320, 240, PixelFormat::Rgb565);
    channel.load("colors.mpg");
    channel.play();
    std::string seen;
    for (int turn = 0; turn < 2000 && channel.state() == MediaPlayer::kVideoRunning; ++turn) {
        // The thread gets real time to decode; the movie's clock moves 10 ms a turn.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (turn % 4 == 0) clock.sleep(10);
        channel.draw(frame.target());
        const Rgb c = frame.at(160, 120);
        const char name = near(c, kRed) ? 'r' : near(c, kGreen) ? 'g' : near(c, kBlue) ? 'b' : near(c, kWhite) ? 'w' : '?';
        if (seen.empty() || seen.back() != name) seen += name;
    }
    EXPECT_EQ(seen.substr(seen.find('r')), "rgbw");
    EXPECT_EQ(codes, std::vector<int>{kVideoEndCode});
    // Stopped in the middle, the thread is joined and nothing is left running.
    channel.load("colors.mpg");
    channel.play();
    clock.sleep(300);
    channel.draw(frame.target());
    channel.setPosition(100);
    channel.unload();
    EXPECT_EQ(channel.state(), MediaPlayer::kVideoStopped);
}

// Files that are not movies: nothing plays, nothing is posted, nothing breaks.
class BadMovieFiles : public ::testing::Test {
protected:
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_.path() / name, std::ios::binary) << bytes;
    }
    static std::string colors() {
        std::ifstream in(kMovies / "colors.mpg", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Plays the file to its end or for ten virtual seconds; the pictures drawn.
    int playOut(const std::string& name) {
        Frame frame(64, 48, PixelFormat::Rgb565);
        channel_.load(name);
        channel_.play();
        int drawn = 0;
        for (int i = 0; i < 500 && channel_.state() == MediaPlayer::kVideoRunning; ++i) {
            clock_.sleep(20);
            drawn += channel_.draw(frame.target()) ? 1 : 0;
        }
        EXPECT_NE(channel_.state(), MediaPlayer::kVideoRunning) << name << " ends";
        return drawn;
    }

    TempDir dir_;
    FileResolver files_{dir_.path()};
    VirtualClock clock_;
    std::vector<int> codes_;
    MovieChannel channel_{files_, clock_, [this](int code) { codes_.push_back(code); }};
};

TEST_F(BadMovieFiles, MissingEmptyAndRandomFilesDoNotLoad) {
    channel_.load("none.mpg");
    EXPECT_EQ(channel_.state(), MediaPlayer::kVideoStopped);
    write("empty.mpg", "");
    channel_.load("empty.mpg");
    EXPECT_EQ(channel_.state(), MediaPlayer::kVideoStopped);
    std::mt19937 random(19);
    for (int i = 0; i < 8; ++i) {
        std::string bytes(4096 << i % 4, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        write("noise.mpg", bytes);
        playOut("noise.mpg");
    }
}

TEST_F(BadMovieFiles, ATruncatedOrDamagedMovieEndsWhereItGoesBad) {
    const std::string whole = colors();
    for (size_t cut : {whole.size() / 2, whole.size() / 4, size_t{2100}, whole.size() - 5}) {
        write("cut.mpg", whole.substr(0, cut));
        codes_.clear();
        playOut("cut.mpg");
    }
    std::mt19937 random(7);
    for (int i = 0; i < 8; ++i) {
        std::string damaged = whole;
        for (int hit = 0; hit < 40; ++hit) damaged[random() % damaged.size()] = static_cast<char>(random());
        write("damaged.mpg", damaged);
        playOut("damaged.mpg");
    }
}

}  // namespace
}  // namespace morv::testing
