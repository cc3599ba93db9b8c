// The built-in effects by number.
#include "effects/effect_table.h"

#include <array>

namespace morv {

namespace {

using direction::kDown;
using direction::kLeft;
using direction::kRight;
using direction::kUp;

// A default that stands for a sixteenth of the screen height.
constexpr int kSixteenthOfHeight = -1;

constexpr std::array<EffectKind, kLastBuiltInEffect + 1> kEffects{{
    {EffectFamily::Fade, 0, 0},  // FADETO
    {EffectFamily::Scroll, kLeft, 0},
    {EffectFamily::Scroll, kRight, 0},
    {EffectFamily::Scroll, kUp, 0},
    {EffectFamily::Scroll, kDown, 0},
    {EffectFamily::Invert, 0, 0},
    {EffectFamily::Blind, kLeft, kSixteenthOfHeight},
    {EffectFamily::Blind, kRight, kSixteenthOfHeight},
    {EffectFamily::Blind, kUp, kSixteenthOfHeight},
    {EffectFamily::Blind, kDown, kSixteenthOfHeight},
    {EffectFamily::BlindShow, kLeft, 16},
    {EffectFamily::BlindShow, kRight, 16},
    {EffectFamily::BlindShow, kUp, 16},
    {EffectFamily::BlindShow, kDown, 16},
    {EffectFamily::Curtain, kLeft, 8},
    {EffectFamily::Curtain, kRight, 8},
    {EffectFamily::Curtain, kUp, 8},
    {EffectFamily::Curtain, kDown, 8},
    {EffectFamily::Quake, 1, 32},  // HQUAKE
    {EffectFamily::Quake, 2, 32},  // VQUAKE
    {EffectFamily::Quake, 3, 32},  // CQUAKE
    {EffectFamily::Quake, 4, 32},  // RQUAKE
    {EffectFamily::Zoom, 1, 0},    // ZOOMIN
    {EffectFamily::Zoom, 2, 0},    // ZOOMOUT
    {EffectFamily::Rotate, 3, 90},  // CROTATE
    {EffectFamily::Rotate, 4, 90},  // RROTATE
    {EffectFamily::Mosaic, 0, 8},
    {EffectFamily::Move, kLeft, 8},
    {EffectFamily::Move, kRight, 8},
    {EffectFamily::Move, kUp, 8},
    {EffectFamily::Move, kDown, 8},
}};

}  // namespace

std::optional<EffectKind> effectKind(int number, int screenHeight) {
    if (number < 0 || number > kLastBuiltInEffect) return std::nullopt;
    EffectKind kind = kEffects[static_cast<size_t>(number)];
    if (kind.defaultParameter == kSixteenthOfHeight) kind.defaultParameter = screenHeight / 16;
    return kind;
}

}  // namespace morv
