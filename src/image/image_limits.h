#pragma once

namespace morv {

// Largest width or height any decoder accepts; bigger pictures are refused
// before anything is allocated for them.
constexpr int kMaxImageSide = 16384;

inline bool isAcceptableImageSize(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide;
}

}  // namespace morv
