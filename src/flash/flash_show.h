// The engine's Flash operations: show a Flash file in a rectangle and ask whether it has finished.
#pragma once
#include <cstdint>
#include <memory>
#include <string_view>

#include "display/rect.h"
#include "display/surface.h"
#include "flash/flash_player.h"

namespace morv {

class FileResolver;
class MessageBoxes;

class FlashShow {
public:
    FlashShow(const FileResolver& files, MessageBoxes& messages) : files_(files), messages_(messages) {}

    // Starts the file `name` (relative to the game directory, ".\\" or not) in
    // `rect`. A missing file is reported as its path followed by "를 찾을 수 없습니다.".
    // A skippable show covers the window, so that clicks reach the show script
    // and not the animation. False when nothing plays.
    bool show(std::string_view name, const Rect& rect, bool skippable, uint32_t now);
    // Draws the frame due at `now`; true when the target changed. The pixels the
    // animation covers are kept from its first frame on.
    bool update(uint32_t now, Surface& target);
    // True once the last frame has been shown; the player is then gone and the
    // target shows again what the animation covered.
    bool finished(Surface& target);
    // Ends the animation at once, giving the target back its covered pixels when given.
    void stop(Surface* target = nullptr);

    bool playing() const { return player_ != nullptr; }
    bool covered() const { return covered_; }
    const FlashPlayer* player() const { return player_.get(); }

private:
    const FileResolver& files_;
    MessageBoxes& messages_;
    void keepCovered(const Surface& target);

    std::unique_ptr<FlashPlayer> player_;
    Rect rect_;
    bool covered_ = false;
    // What lay under the animation's rectangle before its first frame, and where.
    std::unique_ptr<Surface> under_;
    Rect underRect_;
};

}  // namespace morv
