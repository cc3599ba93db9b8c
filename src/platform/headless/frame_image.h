// Presented frames as RGB images and PNG snapshots.
#pragma once
#include <string>

#include "platform/rgb_frame.h"

namespace morv {

// Writes the frame as a 24-bit PNG; false when the file cannot be written.
bool writePng(const FrameImage& frame, const std::string& path);

}  // namespace morv
