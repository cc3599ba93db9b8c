// Placing a frame in the window and mapping window points back to it.
#include "platform/present_rect.h"

#include <cstdint>

namespace morv {

namespace {

// Rounds toward minus infinity, so positions left of or above the rectangle stay negative.
int floorDivide(int64_t numerator, int64_t denominator) {
    int64_t q = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) --q;
    return static_cast<int>(q);
}

}  // namespace

PresentRect fitKeepingAspect(int frameWidth, int frameHeight, int outputWidth, int outputHeight) {
    PresentRect rect{0, 0, outputWidth, outputHeight};
    if (frameWidth <= 0 || frameHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) return rect;
    int64_t wideness = static_cast<int64_t>(outputWidth) * frameHeight;
    int64_t frameWideness = static_cast<int64_t>(frameWidth) * outputHeight;
    if (wideness > frameWideness) {
        // Output wider than the frame: bars left and right.
        rect.width = static_cast<int>((frameWideness + frameHeight / 2) / frameHeight);
        rect.x = (outputWidth - rect.width) / 2;
    } else if (wideness < frameWideness) {
        // Output taller than the frame: bars above and below.
        int64_t height = static_cast<int64_t>(frameHeight) * outputWidth;
        rect.height = static_cast<int>((height + frameWidth / 2) / frameWidth);
        rect.y = (outputHeight - rect.height) / 2;
    }
    return rect;
}

void windowToFrame(const PresentRect& rect, int frameWidth, int frameHeight, int& x, int& y) {
    if (rect.width <= 0 || rect.height <= 0) return;
    x = floorDivide(static_cast<int64_t>(x - rect.x) * frameWidth, rect.width);
    y = floorDivide(static_cast<int64_t>(y - rect.y) * frameHeight, rect.height);
}

void frameToWindow(const PresentRect& rect, int frameWidth, int frameHeight, int& x, int& y) {
    if (frameWidth <= 0 || frameHeight <= 0) return;
    x = rect.x + floorDivide((2 * static_cast<int64_t>(x) + 1) * rect.width, 2 * static_cast<int64_t>(frameWidth));
    y = rect.y + floorDivide((2 * static_cast<int64_t>(y) + 1) * rect.height, 2 * static_cast<int64_t>(frameHeight));
}

}  // namespace morv
