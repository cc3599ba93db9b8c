// The Effects library's duration and parameter words, decoded and drawn as one ripple frame.
#include <algorithm>
#include <cstring>
#include <vector>

#include "effects_library/ripple_frame.h"
#include "fuzz_targets.h"
#include "targets/readers.h"

namespace morv::fuzz {

void readRippleArguments(std::string_view bytes) {
    // T, P, the moment, the picture's size and depth: missing bytes read as zero.
    unsigned char in[12] = {};
    std::memcpy(in, bytes.data(), std::min(bytes.size(), sizeof in));
    uint32_t duration = 0;
    uint32_t parameter = 0;
    std::memcpy(&duration, in, 4);
    std::memcpy(&parameter, in + 4, 4);
    const double t = in[8] / 255.0;
    const int width = 1 + in[9] % 64;
    const int height = 1 + in[10] % 64;
    const bool sixteenBit = (in[11] & 1) != 0;

    const ripple::RippleSettings settings = ripple::decodeSettings(duration, parameter);
    require(settings.radius <= ripple::kMaxRadius, "radii stay within the tables");
    ripple::DisplacementTables tables;
    const double front = ripple::frontOffset(settings, t);
    tables.build(settings, t, front);
    const ripple::BlendWeights weights = ripple::blendWeights(t);
    require(weights.oldWeight + weights.newWeight == 256, "the weights add up to 256");

    const ptrdiff_t pitch = static_cast<ptrdiff_t>(width) * (sixteenBit ? 2 : 4);
    std::vector<uint8_t> frame(static_cast<size_t>(pitch) * height, 0x11);
    std::vector<uint8_t> scene(frame.size(), 0x22);
    std::vector<uint8_t> stage(frame.size(), 0x33);
    ripple::drawRippleFrame({frame.data(), scene.data(), stage.data(), width, height, pitch, sixteenBit}, settings,
                            tables, weights);
}

}  // namespace morv::fuzz
