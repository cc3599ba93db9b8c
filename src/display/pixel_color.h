// Screen colors and their 16-bit pixels.
#pragma once
#include <cstdint>

#include "config/game_config.h"
#include "platform/pixel_format.h"

namespace morv {

// Screen colors are 0x00RRGGBB. As a 16-bit pixel they keep the top 5, 6 and 5
// bits of red, green and blue.
constexpr uint16_t screenColorTo565(uint32_t v) {
    return static_cast<uint16_t>((v >> 19) << 11 | ((v >> 10) & 0x3F) << 5 | ((v >> 3) & 0x1F));
}

constexpr uint32_t screenColorToPixel(uint32_t v, PixelFormat format) {
    return format == PixelFormat::Rgb565 ? screenColorTo565(v) : v;
}

// Configuration colors keep red in bits 0-7 and blue in bits 16-23.
constexpr uint32_t configToScreenColor(ConfigColor c) {
    return (c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

constexpr uint32_t configColorToPixel(ConfigColor c, PixelFormat format) {
    return screenColorToPixel(configToScreenColor(c), format);
}

// Color bits of a raw pixel: a 32-bit pixel's spare byte is not part of its color.
constexpr uint32_t colorBits(uint32_t pixel, PixelFormat format) {
    return format == PixelFormat::Rgb565 ? (pixel & 0xFFFF) : (pixel & 0xFFFFFF);
}

}  // namespace morv
