// The review's scroll bar geometry and drawing.
#include "display/backlog_scroll_bar.h"

#include <algorithm>

namespace morv {

int BacklogScrollBar::thumbLength(const BacklogPaging& paging, const BacklogLines& lines) const {
    int range = std::max(1, lines.count());
    return std::max(0, std::min(paging.linesPerPage() * track() / range, track()));
}

int BacklogScrollBar::thumbTopFor(const BacklogPaging& paging, const BacklogLines& lines) const {
    if (dragging_) return dragThumbTop_;
    int range = std::max(1, lines.count());
    return bar_.top + kButton + (paging.topLine() - lines.lowest) * track() / range;
}

Rect BacklogScrollBar::thumb(const BacklogPaging& paging, const BacklogLines& lines) const {
    int top = thumbTopFor(paging, lines);
    return {bar_.left, top, bar_.right, top + thumbLength(paging, lines)};
}

BacklogScrollBar::Hit BacklogScrollBar::hitTest(int x, int y, const BacklogPaging& paging,
                                                const BacklogLines& lines) const {
    if (x < bar_.left || x >= bar_.right || y < bar_.top || y >= bar_.bottom) return Hit::None;
    if (y < bar_.top + kButton) return Hit::LineUp;
    if (y >= bar_.bottom - kButton) return Hit::LineDown;
    Rect t = thumb(paging, lines);
    if (y < t.top) return Hit::PageUp;
    if (y >= t.bottom) return Hit::PageDown;
    return Hit::Thumb;
}

void BacklogScrollBar::beginDrag(int pointerY, const BacklogPaging& paging, const BacklogLines& lines) {
    dragThumbTop_ = thumbTopFor(paging, lines);
    grabOffset_ = pointerY - dragThumbTop_;
    dragging_ = true;
}

void BacklogScrollBar::dragTo(int pointerY, const BacklogPaging& paging, const BacklogLines& lines) {
    if (!dragging_) return;
    int trackTop = bar_.top + kButton;
    int highest = trackTop + track() - thumbLength(paging, lines);
    dragThumbTop_ = std::clamp(pointerY - grabOffset_, trackTop, std::max(trackTop, highest));
}

int BacklogScrollBar::endDrag(const BacklogPaging& paging, const BacklogLines& lines) {
    dragging_ = false;
    int line = lines.lowest + (dragThumbTop_ - bar_.top - kButton) * lines.count() / std::max(1, track());
    return std::min(line, paging.lastTop(lines));
}

}  // namespace morv
