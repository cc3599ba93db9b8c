// The full-screen review of past text.
#pragma once
#include <map>
#include <memory>

#include "config/game_config.h"
#include "display/backlog_paging.h"
#include "display/backlog_scroll_bar.h"
#include "display/styled_font.h"
#include "display/text_font.h"
#include "display/text_window.h"

namespace morv {

class BacklogStore;

// The full-screen review of past text: a header with the review buttons, a page
// of backlog lines and a scroll bar on the right.
class BacklogView {
public:
    static constexpr int kHeaderHeight = 40;

    BacklogView(const GameConfig& config, FontFactory& fonts, PixelFormat format, int screenWidth, int screenHeight);
    ~BacklogView();

    // Covers the screen with the window, draws the header and its icons, and shows
    // the newest page.
    void open(WindowCanvas& canvas, TextWindow& window, BacklogStore& store);
    // Draws the page from the paging's top line, then the scroll bar.
    void drawPage(WindowCanvas& canvas, BacklogStore& store);

    // Steps; the forward ones return false when the newest page was already shown.
    void lineUp(WindowCanvas& canvas, BacklogStore& store);
    bool lineDown(WindowCanvas& canvas, BacklogStore& store);
    void pageUp(WindowCanvas& canvas, BacklogStore& store);
    bool pageDown(WindowCanvas& canvas, BacklogStore& store);
    void toLastPage(WindowCanvas& canvas, BacklogStore& store);
    void jump(WindowCanvas& canvas, BacklogStore& store, int line);

    // A press in the view: the scroll bar's parts step or start a drag (true);
    // anywhere else the press is not the view's (false), and closes the review.
    bool press(WindowCanvas& canvas, BacklogStore& store, int x, int y);
    // The pointer moved with the button held: the thumb follows it.
    void drag(WindowCanvas& canvas, BacklogStore& store, int y);
    // The button was released: a dragged thumb jumps the page to where it stands.
    void release(WindowCanvas& canvas, BacklogStore& store);

    // The picture of a review icon number stretched into the rectangle of the frame.
    void drawIcon(Surface& frame, int number, const Rect& rect);

    const BacklogPaging& paging() const { return paging_; }
    const BacklogScrollBar& scrollBar() const { return scrollBar_; }

private:
    const Surface& picture(int resource);
    void drawScrollBar(Surface& frame, const BacklogStore& store);
    static BacklogLines linesOf(const BacklogStore& store);

    const GameConfig& config_;
    FontFactory& fonts_;
    const PixelFormat format_;
    const int width_;
    const int height_;
    BacklogPaging paging_;
    BacklogScrollBar scrollBar_;
    std::map<int, std::unique_ptr<Surface>> pictures_;
};

}  // namespace morv
