// The largest pictures the decoders accept.
#pragma once

namespace morv {

// Largest width or height, and largest pixel count, any decoder accepts; bigger
// pictures are refused before anything is allocated for them, so that a tiny
// damaged file cannot ask for gigabytes.
constexpr int kMaxImageSide = 16384;
constexpr long long kMaxImagePixels = 1LL << 26;  // 8192 x 8192

inline bool isAcceptableImageSize(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

}  // namespace morv
