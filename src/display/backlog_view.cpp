// The full-screen review of past text.
#include "display/backlog_view.h"

#include <algorithm>

#include "display/backlog_pictures.h"
#include "display/backlog_store.h"
#include "display/styled_text.h"

namespace morv {
namespace {

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr int kIconSize = 32;
constexpr int kIconTop = 4;
// The header's icons, left to right, with their distance from the right edge.
constexpr struct {
    int resource;
    int fromRight;
} kHeaderIcons[] = {{backlog_picture::kUpButton, 180},
                    {backlog_picture::kPageUpIcon, 144},
                    {backlog_picture::kPageDownIcon, 108},
                    {backlog_picture::kDownButton, 72},
                    {backlog_picture::kEscapeIcon, 36}};

}  // namespace

BacklogView::BacklogView(const GameConfig& config, FontFactory& fonts, PixelFormat format, int screenWidth,
                         int screenHeight)
    : config_(config),
      fonts_(fonts),
      format_(format),
      width_(screenWidth),
      height_(screenHeight),
      paging_(BacklogPaging::linesPerPage(screenHeight, config.windowMargin, config.font.height, config.lineSpacing)),
      scrollBar_({screenWidth - BacklogScrollBar::kButton, kHeaderHeight, screenWidth, screenHeight}) {}

BacklogView::~BacklogView() = default;

BacklogLines BacklogView::linesOf(const BacklogStore& store) { return {store.lowestLine(), store.currentLine()}; }

const Surface& BacklogView::picture(int resource) {
    std::unique_ptr<Surface>& slot = pictures_[resource];
    if (!slot) {
        slot = std::make_unique<Surface>(format_, nullptr);
        if (loadProgramPicture(*slot, backlogPicture(resource)) == Surface::kOk) slot->setColorKey(kMagenta);
    }
    return *slot;
}

void BacklogView::open(WindowCanvas& canvas, TextWindow& window, BacklogStore& store) {
    window.setRect({0, 0, width_, height_});
    canvas.sceneChanged = true;
    window.compose(canvas, true, false);
    canvas.window.stretchInto({0, 0, width_, kHeaderHeight}, picture(backlog_picture::kHeader));
    for (const auto& icon : kHeaderIcons)
        canvas.window.drawAt(width_ - icon.fromRight, kIconTop, picture(icon.resource));
    paging_.toLastPage(linesOf(store));
    drawPage(canvas, store);
}

void BacklogView::drawPage(WindowCanvas& canvas, BacklogStore& store) {
    canvas.textLayer.fill(kMagenta);
    canvas.frame.copy(canvas.window, false);

    const int margin = config_.windowMargin;
    const int right = width_ - margin - BacklogScrollBar::kButton;
    const int lastBottom = height_ - margin;
    StyledFont style{config_.font, config_.textShadow, config_.textOutline};
    std::unique_ptr<TextFont> font = fonts_.create(style.record);
    int x = margin;
    int bottom = margin + config_.font.height + kHeaderHeight;
    // Moves to the next line; false when it would pass the bottom margin.
    auto nextLine = [&] {
        int next = bottom + config_.lineSpacing + font->height();
        if (next > lastBottom) return false;
        x = margin;
        bottom = next;
        return true;
    };

    int age = store.find(paging_.topLine());
    // A line break that begins the top line has nothing above it to end.
    if (age >= 0 && store.at(age).kind == BacklogEntry::Kind::LineBreak) ++age;
    bool room = age >= 0;
    for (bool first = true; room && age < store.size(); ++age, first = false) {
        const BacklogEntry& entry = store.at(age);
        switch (entry.kind) {
            case BacklogEntry::Kind::LineBreak: room = nextLine(); break;
            case BacklogEntry::Kind::FontChange:
                style = entry.font;
                font = fonts_.create(style.record);
                break;
            case BacklogEntry::Kind::Text: {
                std::string_view text = first ? store.readText(age, *font) : std::string_view(entry.text);
                for (size_t pos = 0; room && pos < text.size();) {
                    int length = 1;
                    int cx = font->charWidth(text, pos, &length);
                    if (x + cx > right && !(room = nextLine())) break;
                    drawStyledText(canvas.textLayer, *font, style, x, bottom - font->height(),
                                   text.substr(pos, static_cast<size_t>(length)), entry.color);
                    x += cx;
                    pos += static_cast<size_t>(std::max(1, length));
                }
                break;
            }
        }
    }
    canvas.frame.drawAt(0, 0, canvas.textLayer);
    drawScrollBar(canvas.frame, store);
}

void BacklogView::drawScrollBar(Surface& frame, const BacklogStore& store) {
    const BacklogLines lines = linesOf(store);
    frame.stretchInto(scrollBar_.bounds(), picture(backlog_picture::kBar));
    Rect thumb = scrollBar_.thumb(paging_, lines);
    if (!thumb.empty()) frame.stretchInto(thumb, picture(backlog_picture::kThumb));
    frame.drawAt(scrollBar_.upButton().left, scrollBar_.upButton().top, picture(backlog_picture::kUpButton));
    frame.drawAt(scrollBar_.downButton().left, scrollBar_.downButton().top, picture(backlog_picture::kDownButton));
}

void BacklogView::lineUp(WindowCanvas& canvas, BacklogStore& store) {
    paging_.lineUp(linesOf(store));
    drawPage(canvas, store);
}

bool BacklogView::lineDown(WindowCanvas& canvas, BacklogStore& store) {
    if (!paging_.lineDown(linesOf(store))) return false;
    drawPage(canvas, store);
    return true;
}

void BacklogView::pageUp(WindowCanvas& canvas, BacklogStore& store) {
    paging_.pageUp(linesOf(store));
    drawPage(canvas, store);
}

bool BacklogView::pageDown(WindowCanvas& canvas, BacklogStore& store) {
    if (!paging_.pageDown(linesOf(store))) return false;
    drawPage(canvas, store);
    return true;
}

void BacklogView::toLastPage(WindowCanvas& canvas, BacklogStore& store) {
    paging_.toLastPage(linesOf(store));
    drawPage(canvas, store);
}

void BacklogView::jump(WindowCanvas& canvas, BacklogStore& store, int line) {
    paging_.jump(linesOf(store), line);
    drawPage(canvas, store);
}

bool BacklogView::press(WindowCanvas& canvas, BacklogStore& store, int x, int y) {
    using Hit = BacklogScrollBar::Hit;
    switch (scrollBar_.hitTest(x, y, paging_, linesOf(store))) {
        case Hit::None: return false;
        case Hit::LineUp: lineUp(canvas, store); break;
        case Hit::LineDown: lineDown(canvas, store); break;
        case Hit::PageUp: pageUp(canvas, store); break;
        case Hit::PageDown: pageDown(canvas, store); break;
        case Hit::Thumb: scrollBar_.beginDrag(y, paging_, linesOf(store)); break;
    }
    return true;
}

void BacklogView::drag(WindowCanvas& canvas, BacklogStore& store, int y) {
    if (!scrollBar_.dragging()) return;
    scrollBar_.dragTo(y, paging_, linesOf(store));
    canvas.frame.copy(canvas.window, false);
    canvas.frame.drawAt(0, 0, canvas.textLayer);
    drawScrollBar(canvas.frame, store);
}

void BacklogView::release(WindowCanvas& canvas, BacklogStore& store) {
    if (!scrollBar_.dragging()) return;
    jump(canvas, store, scrollBar_.endDrag(paging_, linesOf(store)));
}

void BacklogView::drawIcon(Surface& frame, int number, const Rect& rect) {
    int resource = backlogIconResource(number);
    if (resource >= 0) frame.stretchInto(rect, picture(resource));
}

}  // namespace morv
