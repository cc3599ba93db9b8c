// Dialogue text on the screen: the text window over the scene, the renderer that
// lays out and draws the messages on the text layer, the caret and the review.
#include "display/backlog_view.h"
#include "display/screen.h"
#include "platform/platform.h"

namespace morv {

WindowCanvas Screen::textCanvas(bool pluginEffectRunning) {
    return {surface(SurfaceRole::SceneSurface),
            surface(SurfaceRole::WindowSurface),
            surface(SurfaceRole::FrameSurface),
            surface(SurfaceRole::TextLayer),
            surface(SurfaceRole::CaretSurface),
            surface(SurfaceRole::PageCaretSurface),
            surface(SurfaceRole::ScratchSurface),
            sceneChanged_,
            characterClip_,
            pluginEffectRunning};
}

void Screen::showTextWindowOnFrame() {
    if (windowHiddenByPlayer_) return;
    WindowCanvas canvas = textCanvas();
    textWindow_->compose(canvas, false, false);
    // Text already on the page stays over the new scene.
    if (!textRenderer_->atPageStart()) canvas.frame.drawAt(0, 0, canvas.textLayer);
}

int Screen::showMessage(std::string_view text, bool gradual) {
    WindowCanvas canvas = textCanvas();
    return textRenderer_->showMessage(canvas, *textWindow_, text, gradual);
}

int Screen::revealNext() {
    WindowCanvas canvas = textCanvas();
    return textRenderer_->revealNext(canvas, *textWindow_);
}

int Screen::revealRest() {
    WindowCanvas canvas = textCanvas();
    return textRenderer_->revealRest(canvas, *textWindow_);
}

// A full page leaves the cursor at page start with the character that did not
// fit put back, so the next step opens the fresh page with it.
int Screen::continueOnFreshPage() { return revealNext(); }

bool Screen::newLine() {
    WindowCanvas canvas = textCanvas();
    return textRenderer_->newLine(canvas, *textWindow_);
}

void Screen::resetPage(bool quiet) { textRenderer_->resetPage(quiet); }

int Screen::measureText(std::string_view text) const { return textWidth(textRenderer_->textFont(), text); }

Rect Screen::textLineRect() const {
    const Rect window = textWindow_->rect();
    const int bottom = window.top + textRenderer_->cursorY();
    return {window.left + config_.windowMargin, bottom - textRenderer_->textFont().height(),
            window.right - config_.windowMargin, bottom};
}

void Screen::setFont(std::string_view size, std::optional<std::string_view> name, std::optional<int> type) {
    textRenderer_->setFont(size, name, type);
}

void Screen::resetFont() { textRenderer_->resetFont(); }

SavedFont Screen::fontForSaving() const { return textRenderer_->fontForSaving(); }

ConfigColor Screen::textColor() const { return textRenderer_->textColor(); }

void Screen::setTextColor(ConfigColor color) { textRenderer_->setTextColor(color); }

void Screen::blinkCaret(bool pageCaret, bool pluginRunning) {
    WindowCanvas canvas = textCanvas(pluginRunning);
    // While a plug-in effect redraws the frame itself, the caret is drawn again on every tick.
    textWindow_->caretTick(canvas, pluginRunning, pageCaret, textRenderer_->caretAnchor(), platform_.clock().ticks());
}

void Screen::setTextWindowHidden(bool hidden) { textWindow_->setHidden(hidden); }

bool Screen::textWindowHidden() const { return textWindow_->hidden(); }

void Screen::hideTextWindow() {
    windowHiddenByPlayer_ = true;
    surface(SurfaceRole::FrameSurface).copy(surface(SurfaceRole::SceneSurface), false);
}

void Screen::redrawTextWindow() {
    windowHiddenByPlayer_ = false;
    WindowCanvas canvas = textCanvas();
    textRenderer_->redrawPage(canvas, *textWindow_, false);
}

void Screen::layTextWindowOverFrame() {
    WindowCanvas canvas = textCanvas(true);
    textWindow_->compose(canvas, false, true);
    canvas.frame.drawAt(0, 0, canvas.textLayer);
}

void Screen::setFullScreenText(bool on) {
    WindowCanvas canvas = textCanvas();
    textWindow_->setFullScreenText(on, canvas);
}

bool Screen::fullScreenText() const { return textWindow_->fullScreenText(); }

void Screen::clearCharacterPositions() {
    lastCharacterX_ = 0;
    lastCharacterY_ = 0;
}

void Screen::openReview() {
    WindowCanvas canvas = textCanvas();
    review_->open(canvas, *textWindow_, textRenderer_->backlog());
}

void Screen::reviewLineUp() {
    WindowCanvas canvas = textCanvas();
    review_->lineUp(canvas, textRenderer_->backlog());
}

bool Screen::reviewLineDown() {
    WindowCanvas canvas = textCanvas();
    return review_->lineDown(canvas, textRenderer_->backlog());
}

void Screen::reviewPageUp() {
    WindowCanvas canvas = textCanvas();
    review_->pageUp(canvas, textRenderer_->backlog());
}

bool Screen::reviewPageDown() {
    WindowCanvas canvas = textCanvas();
    return review_->pageDown(canvas, textRenderer_->backlog());
}

void Screen::reviewLastPage() {
    WindowCanvas canvas = textCanvas();
    review_->toLastPage(canvas, textRenderer_->backlog());
}

void Screen::reviewJump(int line) {
    WindowCanvas canvas = textCanvas();
    review_->jump(canvas, textRenderer_->backlog(), line);
}

bool Screen::reviewPress(int x, int y) {
    WindowCanvas canvas = textCanvas();
    return review_->press(canvas, textRenderer_->backlog(), x, y);
}

void Screen::reviewDrag(int y) {
    WindowCanvas canvas = textCanvas();
    review_->drag(canvas, textRenderer_->backlog(), y);
}

void Screen::reviewRelease() {
    WindowCanvas canvas = textCanvas();
    review_->release(canvas, textRenderer_->backlog());
}

void Screen::drawReviewIcon(int number, const Rect& rect) {
    review_->drawIcon(surface(SurfaceRole::FrameSurface), number, rect);
}

void Screen::closeReview() {
    // The configured rectangle again, composed afresh from the scene: WindowSurface
    // still holds the review's background.
    WindowCanvas canvas = textCanvas();
    textRenderer_->redrawPage(canvas, *textWindow_, true);
}

}  // namespace morv
