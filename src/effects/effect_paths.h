// The ways the zoom, rotate and mosaic transitions can draw a frame, for choosing and testing them.
#pragma once
#include <vector>

#include "display/surface.h"

namespace morv {

class RotateTables;

// Portable runs on any processor; Avx512 picks pixels with AVX-512 permutes
// and sums large mosaic blocks in AVX-512 lanes.
enum class EffectPath { Portable, Avx512 };

// The paths this processor can run, the fastest first.
std::vector<EffectPath> effectPathsHere();

// MOSAIC frame f drawn by one path, which the processor must be able to run.
void mosaicFrameBy(EffectPath path, Surface& frame, Surface& scene, Surface& stage, int f);

// ZOOM frame n drawn by one path, which the processor must be able to run.
void zoomFrameBy(EffectPath path, Surface& frame, const Surface& scene, const Surface& stage, int direction, int n);

// ROTATE frame at the tables' angle drawn by one path, which the processor must be able to run.
void rotateFrameBy(EffectPath path, Surface& frame, Surface& scene, int direction, RotateTables& tables);

}  // namespace morv
