// Drawing the window's open menus and boxes into headless snapshots.
#pragma once
#include "platform/rgb_frame.h"
#include "platform/overlay_view.h"

namespace morv {

// Draws what is open over a frame as the real window would. With the menu bar
// the picture grows by its height above the frame.
class OverlayPainter {
public:
    virtual ~OverlayPainter() = default;
    virtual FrameImage paint(const FrameImage& frame, const OverlayView& view) = 0;
};

}  // namespace morv
