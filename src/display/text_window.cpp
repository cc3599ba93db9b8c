// Drawing the text window, its carets and its background.
#include "display/text_window.h"

#include <utility>

#include "display/window_blend.h"
#include "platform/cp949.h"
#include "platform/message_boxes.h"
#include "platform/text_format.h"

namespace morv {
namespace {

constexpr uint32_t kMagenta = 0xFF00FF;

enum Outline { Bevelled = 0, Simple = 1, NoOutline = 2, Skin = 3 };

// Caret and skin files named ".png" keep their alpha plane.
bool isPngName(const std::string& name) {
    return name.size() >= 4 && cp949::equalsIgnoreCase(std::string_view(name).substr(name.size() - 4), ".png");
}

}  // namespace

TextWindow::TextWindow(const GameConfig& config, int depth, PixelFormat format, int screenWidth, int screenHeight,
                       MessageBoxes& messages)
    : config_(config),
      depth_(depth),
      format_(format),
      screenWidth_(screenWidth),
      screenHeight_(screenHeight),
      messages_(messages) {
    rebuildFromConfiguration();
}

Rect TextWindow::configuredRect() const {
    if (fullScreenText_) return {0, 0, screenWidth_, screenHeight_};
    const TextWindowRect& r = config_.textWindowRect;
    return {r.left, r.top, r.right, r.bottom};
}

void TextWindow::buildImage() {
    // One column and one row more than the blend covers.
    int gradation = fullScreenText_ ? static_cast<int>(WindowImage::None) : config_.textWindowGradation;
    image_ = std::make_unique<WindowImage>(rect_.width() + 1, rect_.height() + 1, format_, config_.textWindowColor1,
                                           config_.textWindowColor2, gradation);
}

void TextWindow::setRect(const Rect& rect) {
    rect_ = rect;
    buildImage();
}

void TextWindow::rebuildFromConfiguration() { setRect(configuredRect()); }

void TextWindow::setFullScreenText(bool on, WindowCanvas& canvas) {
    canvas.textLayer.fill(kMagenta);
    canvas.sceneChanged = true;
    if (on == fullScreenText_) return;
    fullScreenText_ = on;
    rebuildFromConfiguration();
}

void TextWindow::compose(WindowCanvas& canvas, bool force, bool ontoFrame) {
    if (canvas.sceneChanged || ontoFrame) {
        canvas.window.copy(canvas.scene, false);
        canvas.sceneChanged = false;
        if (hidden_ && !force) {
            if (!canvas.pluginEffectRunning) canvas.frame.copy(canvas.window, false);
            return;
        }
        Surface& target = ontoFrame ? canvas.frame : canvas.window;
        if (depth_ != 16 && depth_ != 32) {
            messages_.error(formatText("%d비트 모드에서는 정상적인 게임 진행이 불가능합니다.", depth_));
            return;
        }
        PixelRows rows = target.lock();
        blendWindow(rows, *image_, rect_, config_.textWindowAlpha);
        target.unlock();
        if (!force && !fullScreenText_) drawFrame(canvas, target);
    }
    if (!ontoFrame) canvas.frame.copy(canvas.window, false);
}

void TextWindow::drawFrame(WindowCanvas& canvas, Surface& target) {
    switch (config_.textWindowOutline) {
        case Bevelled: {
            PixelRows rows = target.lock();
            drawBevelOutline(rows, rect_);
            target.unlock();
            break;
        }
        case Simple: {
            PixelRows rows = target.lock();
            drawSimpleOutline(rows, rect_);
            target.unlock();
            break;
        }
        case Skin: drawSkin(canvas, target); break;
        default: break;
    }
}

void TextWindow::drawSkin(WindowCanvas& canvas, Surface& target) {
    if (canvas.scratch.createFromImage(config_.textWindowSkin, 100, Surface::OnFailure::Quiet) < 0) {
        messages_.error("스킨 이미지를 읽는데 실패했습니다.");
        return;
    }
    if (config_.imageAntialiasing) {
        const Rect clip = canvas.characterClip;
        target.drawWithMask(config_.skinX, config_.skinY, canvas.scratch, config_.textWindowSkin, &clip,
                            config_.usePngAlpha, 100);
    } else {
        canvas.scratch.setColorKey(Surface::kOwnTopLeftKey);
        target.drawAt(config_.skinX, config_.skinY, canvas.scratch);
    }
}

void TextWindow::caretTick(WindowCanvas& canvas, bool keepDrawing, bool pageWait, const CaretAnchor& anchor,
                           uint32_t now) {
    if (now - lastCaretToggle_ > kCaretBlinkMs) {
        if (caretShown_) {
            if (!keepDrawing) hideCaret(canvas);
            caretShown_ = false;
        } else {
            if (!keepDrawing) drawCaret(canvas, pageWait, anchor);
            caretShown_ = true;
        }
        lastCaretToggle_ = now;
    }
    if (keepDrawing && caretShown_) drawCaret(canvas, pageWait, anchor);
}

void TextWindow::hideCaret(WindowCanvas& canvas) {
    const Rect place = std::exchange(caretPlace_, Rect{}).intersected(canvas.frame.bounds());
    if (canvas.sceneChanged) {
        compose(canvas, false, false);
        canvas.frame.drawAt(0, 0, canvas.textLayer);
        return;
    }
    // The window and its text as they are under the caret: only the caret's place changes.
    if (place.empty()) return;
    canvas.frame.copyRect(canvas.window, place, place, false);
    canvas.frame.copyRect(canvas.textLayer, place, place, true);
}

void TextWindow::drawCaret(WindowCanvas& canvas, bool pageWait, const CaretAnchor& anchor) {
    const Surface& caret = pageWait ? canvas.pageCaret : canvas.caret;
    const std::string& file = pageWait ? config_.pageCaretFile : config_.caretFile;
    int x = rect_.left + anchor.cursorX + 5 + anchor.fontWidth;
    int y = rect_.top + anchor.cursorY - anchor.fontHeight;
    caretPlace_ = caretPlace_.united({x, y, x + caret.width(), y + caret.height()});
    if (isPngName(file))
        canvas.frame.drawWithMask(x, y, caret, file, nullptr, true, 100);
    else
        canvas.frame.drawAt(x, y, caret);
}

}  // namespace morv
