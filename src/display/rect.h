// A rectangle of pixels.
#pragma once
#include <algorithm>

namespace morv {

// A rectangle of pixels; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    // True when the rectangle is non-empty and lies wholly inside width x height.
    bool insideOf(int width, int height) const {
        return !empty() && left >= 0 && top >= 0 && right <= width && bottom <= height;
    }
    Rect intersected(const Rect& other) const {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
    }
    // The smallest rectangle holding both; an empty one adds nothing.
    Rect united(const Rect& other) const {
        if (other.empty()) return *this;
        if (empty()) return other;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    bool operator==(const Rect&) const = default;
};

}  // namespace morv
