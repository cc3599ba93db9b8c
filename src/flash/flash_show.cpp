// The engine's Flash operations: show a Flash file in a rectangle and ask whether it has finished.
#include "flash/flash_show.h"

#include <filesystem>

#include "platform/cp949.h"
#include "platform/file_resolver.h"
#include "platform/message_boxes.h"

namespace morv {

bool FlashShow::show(std::string_view name, const Rect& rect, bool skippable, uint32_t now) {
    stop();
    // Names are relative to the game directory, with or without a leading ".\".
    const std::string_view relative = name.starts_with(".\\") ? name.substr(2) : name;
    const auto bytes = files_.readAll(relative);
    if (!bytes) {
        const std::string path = std::filesystem::absolute(files_.root()).lexically_normal().string();
        messages_.error(path + (path.ends_with('/') ? "" : "/") + cp949::toUtf8(relative) + "를 찾을 수 없습니다.");
        return false;
    }
    player_ = FlashPlayer::open(*bytes, rect, now);
    if (!player_) return false;
    covered_ = skippable;
    return true;
}

bool FlashShow::update(uint32_t now, Surface& target) { return player_ && player_->update(now, target); }

bool FlashShow::finished() {
    if (player_ && !player_->showsLastFrame()) return false;
    stop();
    return true;
}

void FlashShow::stop() {
    player_.reset();
    covered_ = false;
}

}  // namespace morv
