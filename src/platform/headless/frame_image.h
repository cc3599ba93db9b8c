// Presented frames as RGB images and PNG snapshots.
#pragma once
#include <string>

#include "platform/frame_mailbox.h"
#include "platform/rgb_frame.h"

namespace morv {

// The frame's pixels as red, green, blue bytes (16-bit colors widened by a shift).
void toRgb(const FrameCopy& pixels, FrameImage& out);

// Writes the frame as a 24-bit PNG; false when the file cannot be written.
bool writePng(const FrameImage& frame, const std::string& path);

}  // namespace morv
