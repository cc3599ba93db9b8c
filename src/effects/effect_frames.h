// Single frames of the transition families.
#pragma once
// Single frames of the transition families, on whole surfaces of one size and
// format. The family routines call them in their timed loops; on their own they
// measure what one frame costs.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "display/rect.h"
#include "display/surface.h"

namespace morv {

// Coordinates far beyond any surface stay far beyond it, without overflowing.
inline int clampCoordinate(int64_t v) {
    constexpr int64_t kFar = int64_t{1} << 30;
    return static_cast<int>(v < -kFar ? -kFar : v > kFar ? kFar : v);
}
inline Rect rectOf(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    return {clampCoordinate(left), clampCoordinate(top), clampCoordinate(right), clampCoordinate(bottom)};
}

// FADE frame i (1 to 32): the new picture weighted i, the old one 32 - i.
void fadeFrame(Surface& frame, Surface& scene, Surface& stage, int newWeight);

// The screen-sized window of the scroll image at `position` (along the scroll)
// copied to the frame at `offset` (across it).
void scrollFrame(Surface& frame, const Surface& image, int direction, int position, int offset);

// Lines a BLIND step walks over: pixel pairs of a 16-bit horizontal blind,
// columns or rows otherwise.
int blindLines(const Surface& frame, int direction);
// BLIND step n: one line of every stripe of width `stripe`, from the stage.
void blindStep(Surface& frame, const Surface& stage, int direction, int stripe, int n);
// BLINDSHOW step k: the next line of every stripe that has started and not finished.
void blindShowStep(Surface& frame, const Surface& stage, int direction, int stripe, int k);

// CURTAIN band s of width `band`, from the stage.
void curtainBand(Surface& frame, const Surface& stage, int direction, int band, int s);

// The QUAKE shift of frame i (0 to 31) for an amplitude.
int quakeOffset(int amplitude, int i);
// QUAKE frame i: black, then the scene shifted by the frame's offset.
void quakeFrame(Surface& frame, const Surface& scene, int direction, int amplitude, int i);

// The rectangle the moving picture is stretched into in ZOOM frame n (0 to 63).
Rect zoomRect(int direction, int n, int width, int height);
// ZOOM frame n: the still picture whole, the other stretched into the frame's rectangle.
void zoomFrame(Surface& frame, const Surface& scene, const Surface& stage, int direction, int n);

// The products of every offset from the screen centre with the sine and cosine
// of one whole-degree angle, truncated toward zero.
class RotateTables {
public:
    RotateTables(int width, int height);
    void setAngle(int degrees);
    int sine(int offset) const { return sine_[static_cast<size_t>(offset + centre_)]; }
    int cosine(int offset) const { return cosine_[static_cast<size_t>(offset + centre_)]; }
    // Pointers at offset 0, for indexing by signed offsets.
    const int* sineAtCentre() const { return sine_.data() + centre_; }
    const int* cosineAtCentre() const { return cosine_.data() + centre_; }
    // The columns of a frame row that sample inside the scene, and where the row samples.
    struct RowRun {
        int first;
        int last;
        ptrdiff_t base;
    };
    // Room for one offset into the scene per frame column and one run per frame
    // row, reused by every frame.
    std::vector<int>& columnOffsets() { return columnOffsets_; }
    std::vector<RowRun>& rowRuns() { return rowRuns_; }

private:
    int centre_;
    std::vector<int> sine_;
    std::vector<int> cosine_;
    std::vector<int> columnOffsets_;
    std::vector<RowRun> rowRuns_;
};
// ROTATE frame at the tables' angle: every frame pixel samples the scene turned
// about the centre, black where the sample falls outside.
void rotateFrame(Surface& frame, Surface& scene, int direction, RotateTables& tables);

// MOSAIC frame f (1 to 16): growing blocks of the scene, then shrinking blocks of the stage.
void mosaicFrame(Surface& frame, Surface& scene, Surface& stage, int f);

// MOVE step k of P pixels: the scene moving out (phase 1) or the stage moving in (phase 2).
void moveStep(Surface& frame, const Surface& scene, const Surface& stage, int direction, int pixelsPerStep, int k,
              bool enteringPhase);

}  // namespace morv
