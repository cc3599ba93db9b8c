// The interpreter's one wait-state value.
#pragma once
#include <cstdint>

namespace morv {

// The interpreter's one wait-state value: a base state, offsets added to it while
// something runs on top (typing, a fade, a worker effect, the review, choices),
// and a bit for a running plug-in animation that leaves the other bits' meaning alone.
class EngineState {
public:
    // Base states.
    static constexpr int32_t kScenario = 0;
    static constexpr int32_t kMenu = 16;
    static constexpr int32_t kGalleryImage = 26;  // a gallery picture over the menu
    static constexpr int32_t kShow = 32;
    static constexpr int32_t kMovie = 42;  // over a show script
    static constexpr int32_t kFlash = 43;  // over a show script

    // Offsets on a base state.
    static constexpr int32_t kTyping = 1;
    static constexpr int32_t kFading = 2;
    static constexpr int32_t kWorkerEffect = 3;
    static constexpr int32_t kReview = 4;
    static constexpr int32_t kChoices = 256;
    static constexpr int32_t kMovieOnShow = kMovie - kShow;
    static constexpr int32_t kFlashOnShow = kFlash - kShow;

    // A continuous plug-in animation is running.
    static constexpr int32_t kPluginBit = 4096;
    // The bits threadcgeffect keeps when it enters its worker state.
    static constexpr int32_t kWorkerKeepMask = 0xFFF;

    constexpr EngineState() = default;
    constexpr explicit EngineState(int32_t value) : value_(value) {}

    constexpr int32_t value() const { return value_; }
    // The state without the plug-in bit.
    constexpr int32_t base() const { return value_ & ~kPluginBit; }
    constexpr bool pluginRunning() const { return (value_ & kPluginBit) != 0; }
    // States whose low byte is 0 (0, 256, 4096, 4352) let the window be hidden.
    constexpr bool lowByteClear() const { return (value_ & 0xFF) == 0; }

    constexpr bool operator==(const EngineState&) const = default;

private:
    int32_t value_ = kScenario;
};

}  // namespace morv
