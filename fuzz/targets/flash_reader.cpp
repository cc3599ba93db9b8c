// Flash files, read and played through their first frames as the show script plays them.
#include "display/surface.h"
#include "flash/flash_player.h"
#include "fuzz_targets.h"
#include "targets/readers.h"

namespace morv::fuzz {

void readFlashFile(std::string_view bytes) {
    const Rect rect{0, 0, 160, 120};
    std::unique_ptr<FlashPlayer> player = FlashPlayer::open(bytes, rect, 0);
    if (!player) return;
    require(player->lastFrame() >= 0, "a playable movie has a last frame");
    Surface frame(PixelFormat::Rgb565, nullptr);
    require(frame.create(rect.width(), rect.height()) == Surface::kOk, "the frame surface is made");
    // A few frames a second apart, so sprites and removals run; the drawn frame
    // never passes the last one.
    for (uint32_t now = 0; now <= 4000 && !player->showsLastFrame(); now += 250) {
        player->update(now, frame);
        require(player->shownFrame() <= player->lastFrame(), "the shown frame stays within the movie");
    }
}

}  // namespace morv::fuzz
