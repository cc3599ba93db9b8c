// The family, direction and default parameter of each built-in effect.
#pragma once
#include <optional>

#include "effects/effect_values.h"

namespace morv {

// The family, direction code and default parameter of a built-in effect number.
struct EffectKind {
    EffectFamily family;
    int direction;
    int defaultParameter;
};

inline constexpr int kLastBuiltInEffect = 30;

// Nothing for numbers outside 0 to 30. BLIND's default stripe is a sixteenth of
// the screen height, so the table needs it.
std::optional<EffectKind> effectKind(int number, int screenHeight);

}  // namespace morv
