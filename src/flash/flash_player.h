// Plays one Flash movie in a rectangle of the game frame, frame by frame on the engine's clock.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string_view>

#include "display/rect.h"
#include "flash/swf_display_list.h"
#include "flash/swf_movie.h"
#include "flash/swf_renderer.h"

namespace morv {

class Surface;

class FlashPlayer {
public:
    // A player for the movie in `bytes` drawn into `rect`, its first frame due at
    // `now`; null when the file cannot be played or the rectangle is empty or too big.
    static std::unique_ptr<FlashPlayer> open(std::string_view bytes, const Rect& rect, uint32_t now);
    ~FlashPlayer();
    FlashPlayer(const FlashPlayer&) = delete;
    FlashPlayer& operator=(const FlashPlayer&) = delete;

    // Moves to the frame due at `now` and, when it is one not drawn yet, draws it into
    // the target's part of the rectangle. True when something was drawn.
    bool update(uint32_t now, Surface& target);

    // The frame last drawn (-1 before the first) and the frame the movie ends on.
    int shownFrame() const { return shownFrame_; }
    int lastFrame() const { return movie_->lastFrame(); }
    bool showsLastFrame() const { return shownFrame_ == lastFrame(); }
    // The frame due `elapsedMs` after the start.
    int frameAt(uint32_t elapsedMs) const;

private:
    FlashPlayer(std::unique_ptr<swf::Movie> movie, const Rect& rect, uint32_t now);
    void drawStage();
    void copyInto(Surface& target) const;

    std::unique_ptr<swf::Movie> movie_;
    swf::Stage stage_;
    swf::Renderer renderer_;
    Rect rect_;
    uint32_t startMs_;
    int shownFrame_ = -1;
    cairo_surface_t* canvas_ = nullptr;
    cairo_t* cr_ = nullptr;
};

}  // namespace morv
