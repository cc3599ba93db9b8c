// The most a Flash file may ask of the player; larger files are refused or cut
// short, so that a small damaged file cannot take unbounded memory or time.
#pragma once
#include <cstddef>

namespace morv::swf {

constexpr size_t kMaxMovieBytes = 64u << 20;   // the whole file after decompression
constexpr int kMaxFrames = 65535;              // frames read from one timeline
constexpr long long kMaxEdges = 1'000'000;     // edges in all shapes together
constexpr int kMaxStyles = 4096;               // fill or line styles of one style table
constexpr int kMaxGradientStops = 15;
constexpr int kMaxBitmapSide = 8192;
constexpr long long kMaxBitmapPixels = 1LL << 24;     // one bitmap
constexpr long long kMaxAllBitmapPixels = 1LL << 26;  // all bitmaps together
constexpr int kMaxSpriteNesting = 16;   // sprites placed inside sprites
constexpr int kMaxDisplayObjects = 2000;  // objects on the stage, at every level together
constexpr int kMaxStageSide = 8192;     // the rectangle the movie is drawn in, in pixels

}  // namespace morv::swf
