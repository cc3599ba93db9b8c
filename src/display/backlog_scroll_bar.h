// The review's scroll bar.
#pragma once
#include "display/backlog_paging.h"
#include "display/rect.h"

namespace morv {

// The review's scroll bar: a 32-pixel button at each end and a thumb in the track
// between them whose length and place show the page among the reachable lines.
class BacklogScrollBar {
public:
    static constexpr int kButton = 32;

    enum class Hit { None = 0, LineUp = 1, LineDown = 2, PageUp = 3, PageDown = 4, Thumb = 5 };

    explicit BacklogScrollBar(const Rect& bar) : bar_(bar) {}

    const Rect& bounds() const { return bar_; }
    int track() const { return bar_.height() - 2 * kButton; }
    Rect upButton() const { return {bar_.left, bar_.top, bar_.right, bar_.top + kButton}; }
    Rect downButton() const { return {bar_.left, bar_.bottom - kButton, bar_.right, bar_.bottom}; }
    // The thumb for the page; while dragging it follows the pointer instead.
    Rect thumb(const BacklogPaging& paging, const BacklogLines& lines) const;

    Hit hitTest(int x, int y, const BacklogPaging& paging, const BacklogLines& lines) const;

    // Dragging: begins with the pointer on the thumb, moves the thumb within the
    // track, and on release gives the top line the thumb stands for.
    void beginDrag(int pointerY, const BacklogPaging& paging, const BacklogLines& lines);
    void dragTo(int pointerY, const BacklogPaging& paging, const BacklogLines& lines);
    bool dragging() const { return dragging_; }
    int endDrag(const BacklogPaging& paging, const BacklogLines& lines);

private:
    int thumbLength(const BacklogPaging& paging, const BacklogLines& lines) const;
    int thumbTopFor(const BacklogPaging& paging, const BacklogLines& lines) const;

    Rect bar_;
    bool dragging_ = false;
    int grabOffset_ = 0;   // pointer below the thumb's top when the drag began
    int dragThumbTop_ = 0;
};

}  // namespace morv
