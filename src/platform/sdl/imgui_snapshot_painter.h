// Headless snapshots with the window's menus and boxes drawn by Dear ImGui.
#pragma once
#include "platform/overlay_painter.h"

namespace morv {

// Draws the open menus and boxes over a frame with the same ImGui code as the
// game window, through SDL's software renderer on an off-screen surface.
class ImGuiSnapshotPainter : public OverlayPainter {
public:
    FrameImage paint(const FrameImage& frame, const OverlayView& view) override;
};

}  // namespace morv
