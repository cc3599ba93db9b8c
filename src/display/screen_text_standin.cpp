// Dialogue text until text rendering lands: the cursor walks the window with the
// configured margins and line spacing, a one-byte character half the font height
// wide and a two-byte one the full height, so that pages fill and break as they
// will; nothing is drawn yet.
#include "display/screen.h"
#include "script/numeric_text.h"

namespace morv {

namespace {

size_t characterLength(const std::string& text, size_t position) {
    const bool twoBytes = (static_cast<unsigned char>(text[position]) & 0x80) != 0 && position + 1 < text.size();
    return twoBytes ? 2 : 1;
}

}  // namespace

Rect Screen::textWindowRect() const {
    if (fullScreenText_) return {0, 0, width_, height_};
    const TextWindowRect& r = config_.textWindowRect;
    return {r.left, r.top, r.right, r.bottom};
}

int Screen::placeNextCharacter() {
    if (fontHeight_ <= 0) fontHeight_ = config_.font.height;
    const int pageTop = config_.windowMargin + config_.font.height;
    if (textAtPageStart_) {
        textX_ = config_.windowMargin;
        textY_ = pageTop;
    }
    if (messagePosition_ >= message_.size() || message_[messagePosition_] == '\0') return kTextFinished;
    const size_t length = characterLength(message_, messagePosition_);
    const int width = length == 2 ? fontHeight_ : fontHeight_ / 2;
    const Rect window = textWindowRect();
    if (textX_ + width > window.width() - config_.windowMargin) {
        textX_ = config_.windowMargin;
        if (textY_ + config_.lineSpacing + config_.font.height > window.height() - config_.windowMargin) {
            textY_ = pageTop;
            textAtPageStart_ = true;
            return kTextPageFull;
        }
        textY_ += config_.lineSpacing + fontHeight_;
    }
    textAtPageStart_ = false;
    textX_ += width;
    messagePosition_ += length;
    return messagePosition_ >= message_.size() ? kTextFinished : kTextDrawn;
}

int Screen::showMessage(std::string_view text, bool gradual) {
    message_ = std::string(text);
    messagePosition_ = 0;
    return gradual ? placeNextCharacter() : revealRest();
}

int Screen::revealNext() { return placeNextCharacter(); }

int Screen::revealRest() {
    int result = kTextDrawn;
    while (result == kTextDrawn) result = placeNextCharacter();
    return result;
}

int Screen::continueOnFreshPage() {
    textAtPageStart_ = true;
    return revealNext();
}

bool Screen::newLine() {
    if (fontHeight_ <= 0) fontHeight_ = config_.font.height;
    textX_ = config_.windowMargin;
    if (textAtPageStart_) textY_ = config_.windowMargin + config_.font.height;
    textAtPageStart_ = false;
    if (textY_ + config_.lineSpacing + config_.font.height <= textWindowRect().height() - config_.windowMargin) {
        textY_ += config_.lineSpacing + fontHeight_;
        return false;
    }
    textAtPageStart_ = true;
    return true;
}

void Screen::resetPage(bool) {
    textColor_ = config_.textColor;
    textAtPageStart_ = true;
}

int Screen::measureText(std::string_view text) const {
    const int height = fontHeight_ > 0 ? fontHeight_ : config_.font.height;
    const std::string bytes(text);
    int width = 0;
    for (size_t i = 0; i < bytes.size(); i += characterLength(bytes, i)) {
        width += characterLength(bytes, i) == 2 ? height : height / 2;
    }
    return width;
}

Rect Screen::textLineRect() const {
    const Rect window = textWindowRect();
    const int height = fontHeight_ > 0 ? fontHeight_ : config_.font.height;
    const int bottom = textAtPageStart_ ? config_.windowMargin + config_.font.height : textY_;
    return {window.left + config_.windowMargin, window.top + bottom - height, window.right - config_.windowMargin,
            window.top + bottom};
}

void Screen::setFont(std::string_view size, std::optional<std::string_view>, std::optional<int>) {
    const int current = fontHeight_ > 0 ? fontHeight_ : config_.font.height;
    int height = size == "++" ? current + 2 : size == "--" ? current - 2 : decimalValue(size);
    fontHeight_ = height == 0 ? config_.font.height : height;
}

void Screen::resetFont() { fontHeight_ = config_.font.height; }

void Screen::blinkCaret(bool, bool) {}

void Screen::hideTextWindow() {
    surface(SurfaceRole::FrameSurface).copy(surface(SurfaceRole::SceneSurface), false);
}

void Screen::redrawTextWindow() {}

void Screen::clearCharacterPositions() {
    lastCharacterX_ = 0;
    lastCharacterY_ = 0;
}

}  // namespace morv
