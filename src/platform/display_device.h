// The display port that presented frames go to.
#pragma once
#include "platform/pixel_format.h"
#include "platform/pointer_position.h"

namespace morv {

// Where presented frames go: a window (or the whole desktop) on the real
// platform, memory on the headless one.
class DisplayDevice {
public:
    virtual ~DisplayDevice() = default;

    // Shows frames of width x height at the given depth, windowed (client area
    // exactly width x height) or full screen. False when the mode cannot be set.
    virtual bool setMode(int width, int height, PixelFormat format, bool fullScreen) = 0;
    // Shows one frame. Called from a worker thread only when presentsFromAnyThread();
    // the platform then hands the frame to its main thread.
    virtual void present(const void* pixels, int pitch, int width, int height, PixelFormat format) = 0;
    // Shows one frame of which only the rows from top to bottom (exclusive) changed
    // since the frame presented before; displays that keep a copy take only those.
    virtual void presentRows(const void* pixels, int pitch, int width, int height, PixelFormat format,
                             int /*top*/, int /*bottom*/) {
        present(pixels, pitch, width, height, format);
    }
    virtual bool presentsFromAnyThread() const { return false; }
    // Gives the desktop its own display mode back.
    virtual void restoreDesktop() = 0;
    // Where the pointer is over the presented frame, in frame pixels. Displays
    // without a pointer keep it at the top left.
    virtual PointerPosition pointer() { return {}; }
    // Moves the pointer to a frame position; the window then reports the move as
    // any other pointer move.
    virtual void movePointer(PointerPosition) {}
};

}  // namespace morv
