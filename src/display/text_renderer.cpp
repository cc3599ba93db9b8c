// Laying out and typing the dialogue text.
#include "display/text_renderer.h"

#include <algorithm>
#include <cstdlib>

#include "display/styled_text.h"
#include "platform/cp949.h"

namespace morv {
namespace {

constexpr uint32_t kMagenta = 0xFF00FF;
// The review's scroll bar takes this much of a backlog line.
constexpr int kScrollBarWidth = 32;

enum FontType { Bold = 1, Shadow = 2, OutlineBit = 4, Italic = 8, Underline = 16, StrikeOut = 32 };

// A number read as the configuration reads them: optional sign, digits, the rest ignored.
int leadingNumber(std::string_view text) {
    std::string copy(cp949::trim(text));
    return static_cast<int>(std::strtol(copy.c_str(), nullptr, 10));
}

// At most 31 bytes, never ending inside a two-byte character.
std::string faceNameOf(std::string_view name) {
    size_t end = 0;
    while (end < name.size()) {
        size_t next = end + static_cast<size_t>(cp949::charLength(static_cast<unsigned char>(name[end])));
        if (next > static_cast<size_t>(FontRecord::kFaceSize - 1) || next > name.size()) break;
        end = next;
    }
    return std::string(name.substr(0, end));
}

StyledFont configuredFont(const GameConfig& config) { return {config.font, config.textShadow, config.textOutline}; }

}  // namespace

TextRenderer::TextRenderer(const GameConfig& config, FontFactory& fonts, int screenWidth, int /*screenHeight*/)
    : config_(config), fonts_(fonts), screenWidth_(screenWidth), textColor_(config.textColor) {
    installFont(configuredFont(config));
    reset();
}

TextRenderer::~TextRenderer() = default;

void TextRenderer::reset() {
    int lineWidth = screenWidth_ - 2 * config_.windowMargin - kScrollBarWidth;
    backlog_ = std::make_unique<BacklogStore>(config_.textHistorySize, lineWidth);
    textColor_ = config_.textColor;
    message_ = {};
    moveToPageStart();
}

void TextRenderer::moveToPageStart() {
    cursorX_ = config_.windowMargin;
    cursorY_ = config_.windowMargin + config_.font.height;
}

bool TextRenderer::atPageStart() const {
    return cursorX_ == config_.windowMargin && cursorY_ == config_.windowMargin + config_.font.height;
}

CaretAnchor TextRenderer::caretAnchor() const {
    return {cursorX_, cursorY_, font_.record.width, textFont_->height()};
}

bool TextRenderer::pageFullAfterLine(int windowHeight) const {
    return cursorY_ + config_.lineSpacing + config_.font.height > windowHeight - config_.windowMargin;
}

int TextRenderer::drawCharacter(WindowCanvas& canvas, const Rect& window, std::string_view text, size_t pos,
                                int* length, ConfigColor color, bool revealing) {
    *length = 1;
    if (atPageStart()) {
        if (revealing) backlog_->markPageStart(text.substr(std::min(pos, text.size())), color);
        canvas.frame.copy(canvas.window, false);
        canvas.textLayer.fill(kMagenta);
    }
    if (pos >= text.size() || text[pos] == '\0') return kFinished;
    int cx = textFont_->charWidth(text, pos, length);
    if (cursorX_ + cx > window.width() - config_.windowMargin) {
        cursorX_ = config_.windowMargin;
        if (pageFullAfterLine(window.height())) {
            cursorY_ = config_.windowMargin + config_.font.height;
            return kPageFull;
        }
        cursorY_ += config_.lineSpacing + textFont_->height();
    }
    const int x = window.left + cursorX_, y = window.top + cursorY_ - textFont_->height();
    drawStyledText(canvas.textLayer, *textFont_, font_, x, y, text.substr(pos, *length), color);
    // The cell widened by the font height on every side holds bearings, slant,
    // shadow and outline.
    const int h = textFont_->height();
    lastCharacterArea_ = {x - h, y - h, x + cx + h, y + 2 * h};
    cursorX_ += cx;
    return kDrawn;
}

ConfigColor TextRenderer::speakerColor(std::string_view text) const {
    // The first "]" that is a character of its own, not the second byte of one.
    size_t close = std::string_view::npos;
    for (size_t pos = 0; pos < text.size(); pos += cp949::charLength(static_cast<unsigned char>(text[pos]))) {
        if (text[pos] == ']') {
            close = pos;
            break;
        }
    }
    if (close == std::string_view::npos || close == 0) return textColor_;
    std::string_view name = text.substr(1, close - 1);
    for (const CharacterColor& entry : config_.characterColors)
        if (!entry.name.empty() && cp949::equalsIgnoreCase(entry.name, name)) return entry.color;
    return config_.textColor;
}

int TextRenderer::showMessage(WindowCanvas& canvas, TextWindow& window, std::string_view text, bool gradual) {
    window.compose(canvas, false, false);
    if (atPageStart()) {
        canvas.frame.copy(canvas.window, false);
        canvas.textLayer.fill(kMagenta);
    } else {
        canvas.frame.drawAt(0, 0, canvas.textLayer);
    }
    textColor_ = speakerColor(text);
    message_ = {std::string(text), textColor_, 0};
    backlog_->addText(message_.text, message_.color, *textFont_);

    int result = revealOne(canvas, window);
    while (!gradual && result == kDrawn) result = revealOne(canvas, window);
    // Nothing is presented in between, so one copy of the layer shows every character.
    canvas.frame.drawAt(0, 0, canvas.textLayer);
    return result;
}

int TextRenderer::revealOne(WindowCanvas& canvas, TextWindow& window) {
    int length = 1;
    int result = drawCharacter(canvas, window.rect(), message_.text, message_.position, &length, message_.color, true);
    // A character that did not fit stays for the next page.
    if (result == kDrawn) message_.position += static_cast<size_t>(length);
    return result;
}

int TextRenderer::revealNext(WindowCanvas& canvas, TextWindow& window) {
    int result = revealOne(canvas, window);
    // The frame holds the page's text so far: only the new character joins it.
    if (result == kDrawn) {
        canvas.frame.drawAtClipped(0, 0, canvas.textLayer, lastCharacterArea_);
    } else {
        canvas.frame.drawAt(0, 0, canvas.textLayer);
    }
    return result;
}

int TextRenderer::revealRest(WindowCanvas& canvas, TextWindow& window) {
    int result = kDrawn;
    while (result == kDrawn) result = revealOne(canvas, window);
    canvas.frame.drawAt(0, 0, canvas.textLayer);
    return result;
}

bool TextRenderer::newLine(WindowCanvas& canvas, TextWindow& window) {
    if (atPageStart()) showMessage(canvas, window, " ", false);
    backlog_->addLineBreak();
    cursorX_ = config_.windowMargin;
    if (!pageFullAfterLine(window.rect().height())) {
        cursorY_ += config_.lineSpacing + textFont_->height();
        return false;
    }
    cursorY_ = config_.windowMargin + config_.font.height;
    return true;
}

void TextRenderer::resetPage(bool quiet) {
    textColor_ = config_.textColor;
    if (!quiet) backlog_->addLineBreak();
    moveToPageStart();
}

void TextRenderer::redrawPage(WindowCanvas& canvas, TextWindow& window, bool rebuildWindow) {
    if (rebuildWindow) {
        window.rebuildFromConfiguration();
        canvas.sceneChanged = true;
    }
    window.compose(canvas, false, false);
    canvas.frame.copy(canvas.window, false);
    canvas.textLayer.fill(kMagenta);
    moveToPageStart();
    const Rect rect = window.rect();

    // Draws a text until it ends; false when the page filled up.
    auto drawAll = [&](std::string_view text, ConfigColor color) {
        for (size_t pos = 0;;) {
            int length = 1;
            int result = drawCharacter(canvas, rect, text, pos, &length, color, false);
            if (result == kFinished) return true;
            if (result == kPageFull) return false;
            pos += static_cast<size_t>(length);
        }
    };
    bool pageOpen = !backlog_->hasPageStart() || drawAll(backlog_->pageStartText(), backlog_->pageStartColor());
    for (int age = backlog_->firstAgeAfterPageStart(); pageOpen && age < backlog_->size(); ++age) {
        const BacklogEntry& entry = backlog_->at(age);
        switch (entry.kind) {
            case BacklogEntry::Kind::Text: pageOpen = drawAll(entry.text, entry.color); break;
            case BacklogEntry::Kind::LineBreak:
                cursorX_ = config_.windowMargin;
                if (pageFullAfterLine(rect.height())) {
                    moveToPageStart();
                    pageOpen = false;
                } else {
                    cursorY_ += config_.lineSpacing + textFont_->height();
                }
                break;
            case BacklogEntry::Kind::FontChange: installFont(entry.font); break;
        }
    }
    canvas.frame.drawAt(0, 0, canvas.textLayer);
}

void TextRenderer::installFont(const StyledFont& font) {
    font_ = font;
    textFont_ = fonts_.create(font_.record);
}

void TextRenderer::setFont(std::string_view size, std::optional<std::string_view> name, std::optional<int> type) {
    StyledFont font = font_;
    int height = size == "++" ? font.record.height + 2 : size == "--" ? font.record.height - 2 : leadingNumber(size);
    font.record.height = height == 0 ? config_.font.height : height;
    if (name && !name->empty()) font.record.faceName = faceNameOf(*name);
    if (type) {
        font.record.weight = (*type & Bold) ? FontRecord::kWeightBold : FontRecord::kWeightNormal;
        font.shadow = (*type & Shadow) != 0;
        font.outline = (*type & OutlineBit) != 0;
        font.record.italic = (*type & Italic) ? 1 : 0;
        font.record.underline = (*type & Underline) ? 1 : 0;
        font.record.strikeOut = (*type & StrikeOut) ? 1 : 0;
    }
    installFont(font);
    backlog_->addFontChange(font_);
}

void TextRenderer::resetFont() {
    // The configured font may have changed since it was last made.
    configurationFont_.reset();
    installFont(configuredFont(config_));
    backlog_->addFontChange(font_);
}

SavedFont TextRenderer::fontForSaving() const {
    const FontRecord& r = font_.record;
    int type = (r.weight == FontRecord::kWeightBold ? Bold : 0) | (font_.shadow ? Shadow : 0) |
               (font_.outline ? OutlineBit : 0) | (r.italic ? Italic : 0) | (r.underline ? Underline : 0) |
               (r.strikeOut ? StrikeOut : 0);
    return {r.height, r.faceName, type};
}

TextFont& TextRenderer::configurationFont() {
    if (!configurationFont_) configurationFont_ = fonts_.create(config_.font);
    return *configurationFont_;
}

}  // namespace morv
