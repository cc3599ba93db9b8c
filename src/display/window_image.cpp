// Generating the text-window background picture.
#include "display/window_image.h"

#include <algorithm>
#include <cstring>

namespace morv {
namespace {

struct Channels {
    int red, green, blue;
};

// The channels of a configuration color at the depth's precision.
Channels channelsOf(ConfigColor color, PixelFormat format) {
    int red = static_cast<int>(color & 0xFF), green = static_cast<int>(color >> 8 & 0xFF),
        blue = static_cast<int>(color >> 16 & 0xFF);
    if (format == PixelFormat::Rgb565) return {red >> 3, green >> 2, blue >> 3};
    return {red, green, blue};
}

// Where a pixel lies between color 1 and color 2: channel = c1 x a / n + c2 x b / n,
// each term divided on its own.
struct Mix {
    int64_t a, b, n;
    int apply(int c1, int c2) const { return static_cast<int>(c1 * a / n + c2 * b / n); }
};

class GradationRule {
public:
    GradationRule(int gradation, int width, int height) : gradation_(gradation), w_(width), h_(height) {
        diagonal_ = integerSquareRoot(2ull * static_cast<uint64_t>(w_) * static_cast<uint64_t>(w_));
    }

    Mix at(int x, int y) const {
        switch (gradation_) {
            case WindowImage::Vertical: return {h_ - y, y, h_};
            case WindowImage::Horizontal: return {w_ - x, x, w_};
            case WindowImage::FromTopLeft:
            case WindowImage::FromBottomLeft: {
                int64_t yy = gradation_ == WindowImage::FromTopLeft ? int64_t{y} * w_ / h_ : int64_t{w_} * (h_ - y) / h_;
                int64_t d = integerSquareRoot(static_cast<uint64_t>(int64_t{x} * x + yy * yy));
                return {diagonal_ - d, d, diagonal_};
            }
            default: return {1, 0, 1};
        }
    }

private:
    int gradation_;
    int64_t w_, h_;
    int64_t diagonal_;
};

}  // namespace

uint32_t integerSquareRoot(uint64_t value) {
    uint64_t root = 0;
    for (uint64_t bit = uint64_t{1} << 62; bit != 0; bit >>= 2) {
        if (value >= root + bit) {
            value -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
    }
    return static_cast<uint32_t>(root);
}

WindowImage::WindowImage(int width, int height, PixelFormat format, ConfigColor color1, ConfigColor color2,
                         int gradation)
    : width_(std::max(1, width)), height_(std::max(1, height)), format_(format) {
    if (gradation < None || gradation > FromBottomLeft) gradation = None;
    const Channels c1 = channelsOf(color1, format), c2 = channelsOf(color2, format);
    const GradationRule rule(gradation, width_, height_);
    auto pixelAt = [&](int x, int y) -> uint32_t {
        Mix mix = rule.at(x, y);
        uint32_t red = static_cast<uint32_t>(mix.apply(c1.red, c2.red));
        uint32_t green = static_cast<uint32_t>(mix.apply(c1.green, c2.green));
        uint32_t blue = static_cast<uint32_t>(mix.apply(c1.blue, c2.blue));
        return format_ == PixelFormat::Rgb565 ? (red << 11 | green << 5 | blue) : (red << 16 | green << 8 | blue);
    };

    if (format_ == PixelFormat::Rgb565) {
        int words = (width_ + 1) / 2;
        pitch_ = words * 4;
        pixels_.assign(static_cast<size_t>(pitch_) * height_, 0);
        for (int y = 0; y < height_; ++y) {
            uint8_t* out = pixels_.data() + static_cast<size_t>(y) * pitch_;
            for (int word = 0; word < words; ++word) {
                int x = word * 2;
                uint32_t pair = pixelAt(x, y) | (x + 1 < width_ ? pixelAt(x + 1, y) << 16 : 0);
                std::memcpy(out + word * 4, &pair, 4);
            }
        }
    } else {
        pitch_ = width_ * 4;
        pixels_.assign(static_cast<size_t>(pitch_) * height_, 0);
        for (int y = 0; y < height_; ++y) {
            uint8_t* out = pixels_.data() + static_cast<size_t>(y) * pitch_;
            for (int x = 0; x < width_; ++x) {
                uint32_t value = pixelAt(x, y);
                std::memcpy(out + x * 4, &value, 4);
            }
        }
    }
}

uint32_t WindowImage::pixel(int x, int y) const {
    if (format_ == PixelFormat::Rgb565) {
        uint16_t value;
        std::memcpy(&value, row(y) + x * 2, 2);
        return value;
    }
    uint32_t value;
    std::memcpy(&value, row(y) + x * 4, 4);
    return value;
}

}  // namespace morv
