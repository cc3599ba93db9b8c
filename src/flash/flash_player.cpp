// Plays one Flash movie in a rectangle of the game frame, frame by frame on the engine's clock.
#include "flash/flash_player.h"

#include <algorithm>

#include "display/surface.h"
#include "flash/swf_limits.h"

namespace morv {

namespace {

// A frame rate of zero is taken as the twelve frames per second authoring tools start with.
constexpr uint32_t kDefaultFrameRate = 12 << 8;

}  // namespace

std::unique_ptr<FlashPlayer> FlashPlayer::open(std::string_view bytes, const Rect& rect, uint32_t now) {
    if (rect.empty() || rect.width() > swf::kMaxStageSide || rect.height() > swf::kMaxStageSide) return nullptr;
    auto movie = swf::readMovie(bytes);
    if (!movie) return nullptr;
    auto player = std::unique_ptr<FlashPlayer>(new FlashPlayer(std::move(movie), rect, now));
    if (cairo_status(player->cr_) != CAIRO_STATUS_SUCCESS) return nullptr;
    return player;
}

FlashPlayer::FlashPlayer(std::unique_ptr<swf::Movie> movie, const Rect& rect, uint32_t now)
    : movie_(std::move(movie)), stage_(*movie_), renderer_(*movie_), rect_(rect), startMs_(now) {
    canvas_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, rect.width(), rect.height());
    cr_ = cairo_create(canvas_);
}

FlashPlayer::~FlashPlayer() {
    cairo_destroy(cr_);
    cairo_surface_destroy(canvas_);
}

int FlashPlayer::frameAt(uint32_t elapsedMs) const {
    const uint32_t rate = movie_->header.frameRate ? movie_->header.frameRate : kDefaultFrameRate;
    const uint64_t frame = uint64_t{elapsedMs} * rate / (256 * 1000);
    return static_cast<int>(std::min<uint64_t>(frame, static_cast<uint64_t>(lastFrame())));
}

bool FlashPlayer::update(uint32_t now, Surface& target) {
    const int due = frameAt(now - startMs_);
    if (due == shownFrame_) return false;
    stage_.advanceTo(due);
    drawStage();
    copyInto(target);
    shownFrame_ = due;
    return true;
}

void FlashPlayer::drawStage() {
    // The whole stage is shown as large as fits, centred; the rest is background.
    const swf::TwipsRect& frame = movie_->header.frameSize;
    const double stageWidth = std::max(1, frame.xMax - frame.xMin), stageHeight = std::max(1, frame.yMax - frame.yMin);
    const double scale = std::min(rect_.width() * 20.0 / stageWidth, rect_.height() * 20.0 / stageHeight) / 20.0;
    cairo_matrix_t stage;
    cairo_matrix_init(&stage, scale, 0, 0, scale, (rect_.width() - stageWidth * scale) / 2 - frame.xMin * scale,
                      (rect_.height() - stageHeight * scale) / 2 - frame.yMin * scale);
    renderer_.draw(cr_, stage, stage_.displayList());
    cairo_surface_flush(canvas_);
}

void FlashPlayer::copyInto(Surface& target) const {
    const Rect visible = rect_.intersected(target.bounds());
    if (visible.empty()) return;
    target.markChanged(visible);
    const unsigned char* data = cairo_image_surface_get_data(canvas_);
    const int stride = cairo_image_surface_get_stride(canvas_);
    for (int y = visible.top; y < visible.bottom; ++y) {
        const auto* from = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y - rect_.top) * stride) +
                           (visible.left - rect_.left);
        uint8_t* row = target.row(y);
        if (target.format() == PixelFormat::Xrgb8888) {
            auto* to = reinterpret_cast<uint32_t*>(row) + visible.left;
            for (int x = 0; x < visible.width(); ++x) to[x] = from[x] & 0x00ffffffu;
        } else {
            auto* to = reinterpret_cast<uint16_t*>(row) + visible.left;
            for (int x = 0; x < visible.width(); ++x) {
                const uint32_t p = from[x];
                to[x] = static_cast<uint16_t>((p >> 8 & 0xf800) | (p >> 5 & 0x07e0) | (p >> 3 & 0x001f));
            }
        }
    }
}

}  // namespace morv
