// Where a frame is drawn inside the window.
#pragma once

namespace morv {

// Where a frame is drawn inside the window, in window coordinates.
struct PresentRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The largest rectangle with the frame's aspect ratio that fits the output,
// centred; the rest of the output is border. An empty frame or output gives the
// whole output.
PresentRect fitKeepingAspect(int frameWidth, int frameHeight, int outputWidth, int outputHeight);

// Turns a window position into a frame position through the present rectangle.
// Positions on the border map outside the frame (negative or past its size) so
// that nothing at the frame's edge is hit by a click beside the picture.
void windowToFrame(const PresentRect& rect, int frameWidth, int frameHeight, int& x, int& y);
// Turns a frame position into the window position of that pixel's centre.
void frameToWindow(const PresentRect& rect, int frameWidth, int frameHeight, int& x, int& y);

}  // namespace morv
