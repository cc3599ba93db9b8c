// The text window: background, carets and what it draws on.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "config/game_config.h"
#include "display/rect.h"
#include "display/surface.h"
#include "display/window_image.h"

namespace morv {

class MessageBoxes;

// The screen's surfaces and flags that the text window draws with; the screen
// hands one to each call.
struct WindowCanvas {
    Surface& scene;
    Surface& window;
    Surface& frame;
    Surface& textLayer;
    Surface& caret;
    Surface& pageCaret;
    Surface& scratch;
    std::atomic<bool>& sceneChanged;
    Rect characterClip;
    bool pluginEffectRunning = false;
};

// Where the caret goes: after the last drawn character.
struct CaretAnchor {
    int cursorX = 0;  // relative to the window's top-left corner
    int cursorY = 0;  // bottom of the current line
    int fontWidth = 0;
    int fontHeight = 0;
};

// The dialogue box over the scene: its generated background blended over the
// scene with its frame (or a skin), the hidden and full-screen states, and the
// blinking caret.
class TextWindow {
public:
    static constexpr uint32_t kCaretBlinkMs = 500;

    TextWindow(const GameConfig& config, int depth, PixelFormat format, int screenWidth, int screenHeight,
               MessageBoxes& messages);

    const Rect& rect() const { return rect_; }
    // Replaces the rectangle (the review covers the screen) and rebuilds the image.
    void setRect(const Rect& rect);
    // The rectangle from the configuration (the whole screen in full-screen text),
    // with the image rebuilt: after the window settings changed.
    void rebuildFromConfiguration();
    const WindowImage& image() const { return *image_; }

    bool hidden() const { return hidden_; }
    void setHidden(bool hidden) { hidden_ = hidden; }
    bool fullScreenText() const { return fullScreenText_; }
    // Clears the text layer, marks the scene changed and, when the state changes,
    // takes the new rectangle.
    void setFullScreenText(bool on, WindowCanvas& canvas);

    // Puts the scene with the window on WindowSurface (or, onto frame, straight
    // onto FrameSurface) and then the result on FrameSurface. Force draws the
    // window even when hidden, without frame.
    void compose(WindowCanvas& canvas, bool force, bool ontoFrame);

    // One engine tick while text waits: toggles the caret every 500 ms. With
    // keepDrawing the caller redraws the frame itself and the caret is drawn
    // again on it while shown.
    void caretTick(WindowCanvas& canvas, bool keepDrawing, bool pageWait, const CaretAnchor& anchor, uint32_t now);
    bool caretShown() const { return caretShown_; }
    // The caret starts hidden; its phase runs on across waits.
    void resetCaret() { caretShown_ = false; }

private:
    Rect configuredRect() const;
    void buildImage();
    void drawFrame(WindowCanvas& canvas, Surface& target);
    void drawSkin(WindowCanvas& canvas, Surface& target);
    void drawCaret(WindowCanvas& canvas, bool pageWait, const CaretAnchor& anchor);
    // Puts back what the caret covered.
    void hideCaret(WindowCanvas& canvas);

    const GameConfig& config_;
    const int depth_;
    const PixelFormat format_;
    const int screenWidth_;
    const int screenHeight_;
    MessageBoxes& messages_;
    Rect rect_;
    std::unique_ptr<WindowImage> image_;
    bool hidden_ = false;
    bool fullScreenText_ = false;
    bool caretShown_ = false;
    uint32_t lastCaretToggle_ = 0;
    // Where carets were drawn since the last hiding, the place that hiding puts back.
    Rect caretPlace_;
};

}  // namespace morv
