// The transition families and the values of one effect run.
#pragma once
#include <cstdint>

namespace morv {

// The built-in transition families; several effect numbers share one family.
enum class EffectFamily { Fade, Scroll, Invert, Blind, BlindShow, Curtain, Quake, Zoom, Rotate, Mosaic, Move };

// Direction codes. The sliding families (SCROLL, BLIND, BLINDSHOW, CURTAIN, MOVE)
// read them as the side in the effect's name; QUAKE as horizontal, vertical,
// clockwise and reverse circling; ZOOM as in (1) and out (2); ROTATE as
// clockwise (3) and reverse (4).
namespace direction {
inline constexpr int kLeft = 1;
inline constexpr int kUp = 2;
inline constexpr int kRight = 3;
inline constexpr int kDown = 4;
}  // namespace direction

// What one effect runs with, fixed before its first frame.
struct EffectValues {
    EffectFamily family = EffectFamily::Fade;
    uint32_t durationMs = 0;
    int parameter = 0;
    int direction = 0;
};

inline bool isHorizontal(int dir) { return dir == direction::kLeft || dir == direction::kRight; }

}  // namespace morv
