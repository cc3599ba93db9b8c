// The dialogue text: the screen hands its surfaces to the text window and the
// text renderer.
#include "display/screen.h"
#include "display/text_renderer.h"
#include "platform/freetype_font.h"
#include "platform/platform.h"

namespace morv {

TextWindow& Screen::textWindow() {
    if (!textWindow_) {
        textWindow_ = std::make_unique<TextWindow>(config_, depth_, format_, width_, height_, platform_.messages());
    }
    return *textWindow_;
}

TextRenderer& Screen::textRenderer() {
    if (!textRenderer_) {
        fonts_ = std::make_unique<FreeTypeFontFactory>();
        textRenderer_ = std::make_unique<TextRenderer>(config_, *fonts_, width_, height_);
    }
    return *textRenderer_;
}

WindowCanvas Screen::windowCanvas() {
    return {surface(SurfaceRole::SceneSurface),     surface(SurfaceRole::WindowSurface),
            surface(SurfaceRole::FrameSurface),     surface(SurfaceRole::TextLayer),
            surface(SurfaceRole::CaretSurface),     surface(SurfaceRole::PageCaretSurface),
            surface(SurfaceRole::ScratchSurface),   sceneChanged_,
            characterClip_,                         false};
}

int Screen::showMessage(std::string_view text, bool gradual) {
    WindowCanvas canvas = windowCanvas();
    return textRenderer().showMessage(canvas, textWindow(), text, gradual);
}

int Screen::revealNext() {
    WindowCanvas canvas = windowCanvas();
    return textRenderer().revealNext(canvas, textWindow());
}

int Screen::revealRest() {
    WindowCanvas canvas = windowCanvas();
    return textRenderer().revealRest(canvas, textWindow());
}

// The character that did not fit was put back with the cursor at page start, so
// the next one begins the fresh page.
int Screen::continueOnFreshPage() { return revealNext(); }

bool Screen::newLine() {
    WindowCanvas canvas = windowCanvas();
    return textRenderer().newLine(canvas, textWindow());
}

void Screen::resetPage(bool quiet) { textRenderer().resetPage(quiet); }

int Screen::measureText(std::string_view text) { return textWidth(textRenderer().textFont(), text); }

Rect Screen::textLineRect() {
    const Rect window = textWindow().rect();
    TextRenderer& renderer = textRenderer();
    const int height = renderer.textFont().height();
    const int bottom = window.top + renderer.cursorY();
    return {window.left + config_.windowMargin, bottom - height, window.right - config_.windowMargin, bottom};
}

void Screen::setFont(std::string_view size, std::optional<std::string_view> name, std::optional<int> type) {
    textRenderer().setFont(size, name, type);
}

void Screen::resetFont() { textRenderer().resetFont(); }

void Screen::setTextColor(ConfigColor colour) {
    textColor_ = colour;
    textRenderer().setTextColor(colour);
}

void Screen::blinkCaret(bool pageCaret, bool pluginRunning) {
    WindowCanvas canvas = windowCanvas();
    canvas.pluginEffectRunning = pluginRunning;
    textWindow().caretTick(canvas, pluginRunning, pageCaret, textRenderer().caretAnchor(), platform_.clock().ticks());
}

void Screen::setTextWindowHidden(bool hidden) { textWindow().setHidden(hidden); }

bool Screen::textWindowHidden() { return textWindow().hidden(); }

void Screen::hideTextWindow() {
    surface(SurfaceRole::FrameSurface).copy(surface(SurfaceRole::SceneSurface), false);
}

void Screen::redrawTextWindow() {
    WindowCanvas canvas = windowCanvas();
    textRenderer().redrawPage(canvas, textWindow(), false);
}

void Screen::setFullScreenText(bool on) {
    WindowCanvas canvas = windowCanvas();
    textWindow().setFullScreenText(on, canvas);
}

void Screen::clearCharacterPositions() {
    lastCharacterX_ = 0;
    lastCharacterY_ = 0;
}

}  // namespace morv
