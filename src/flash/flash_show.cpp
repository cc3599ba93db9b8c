// The engine's Flash operations: show a Flash file in a rectangle and ask whether it has finished.
#include "flash/flash_show.h"

#include <filesystem>

#include "platform/cp949.h"
#include "platform/file_resolver.h"
#include "platform/message_boxes.h"

namespace morv {

bool FlashShow::show(std::string_view name, const Rect& rect, bool skippable, uint32_t now) {
    stop();
    rect_ = rect;
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

bool FlashShow::update(uint32_t now, Surface& target) {
    if (!player_) return false;
    if (!under_) keepCovered(target);
    return player_->update(now, target);
}

void FlashShow::keepCovered(const Surface& target) {
    underRect_ = rect_.intersected(target.bounds());
    if (underRect_.empty()) return;
    under_ = std::make_unique<Surface>(target.format(), nullptr);
    if (under_->create(underRect_.width(), underRect_.height()) != Surface::kOk ||
        under_->copyRect(target, underRect_, under_->bounds(), false) != Surface::kOk)
        under_.reset();
}

bool FlashShow::finished(Surface& target) {
    if (player_ && !player_->showsLastFrame()) return false;
    stop(&target);
    return true;
}

void FlashShow::stop(Surface* target) {
    // A display change in the meantime leaves a surface of another kind: nothing to give back then.
    if (target && under_ && under_->format() == target->format() && underRect_.insideOf(target->width(), target->height()))
        target->copyRect(*under_, under_->bounds(), underRect_, false);
    under_.reset();
    player_.reset();
    covered_ = false;
}

}  // namespace morv
