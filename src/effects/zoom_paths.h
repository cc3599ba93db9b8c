// The ways the zoom transitions can draw a frame, for choosing and testing them.
#pragma once
#include <vector>

#include "display/surface.h"

namespace morv {

// Portable runs on any processor; Avx512 stretches rows with AVX-512 permutes.
enum class ZoomPath { Portable, Avx512 };

// The paths this processor can run, the fastest first.
std::vector<ZoomPath> zoomPathsHere();

// ZOOM frame n drawn by one path, which the processor must be able to run.
void zoomFrameBy(ZoomPath path, Surface& frame, const Surface& scene, const Surface& stage, int direction, int n);

}  // namespace morv
