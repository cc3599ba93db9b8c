// The renderer of the dialogue text inside the text window.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "config/game_config.h"
#include "display/backlog_store.h"
#include "display/styled_font.h"
#include "display/text_font.h"
#include "display/text_window.h"

namespace morv {

// What a saved game keeps of the font.
struct SavedFont {
    int height = 0;
    std::string faceName;  // CP949
    int type = 0;          // FONTTYPE bits: 1 bold, 2 shadow, 4 outline, 8 italic, 16 underline, 32 strike-out
};

// Lays out and draws the dialogue text inside the text window: the font and text
// color, the cursor with line and page breaks, messages revealed character by
// character, speaker colors, and the backlog of everything shown.
class TextRenderer {
public:
    // Results of drawing a character.
    static constexpr int kDrawn = 0;
    static constexpr int kFinished = 1;
    static constexpr int kPageFull = -1;

    TextRenderer(const GameConfig& config, FontFactory& fonts, int screenWidth, int screenHeight);
    ~TextRenderer();

    // --- Messages ------------------------------------------------------------
    // Starts a message; gradual draws its first character only. Returns the result
    // of the last character drawn.
    int showMessage(WindowCanvas& canvas, TextWindow& window, std::string_view text, bool gradual);
    int revealNext(WindowCanvas& canvas, TextWindow& window);
    // Draws until the message ends (1) or the page is full (-1).
    int revealRest(WindowCanvas& canvas, TextWindow& window);
    // True when the page is full.
    bool newLine(WindowCanvas& canvas, TextWindow& window);
    void resetPage(bool quiet);
    // Draws the window's current page again from the backlog.
    void redrawPage(WindowCanvas& canvas, TextWindow& window, bool rebuildWindow);

    // --- Cursor --------------------------------------------------------------
    int cursorX() const { return cursorX_; }
    int cursorY() const { return cursorY_; }
    bool atPageStart() const;
    CaretAnchor caretAnchor() const;

    // --- Font and color -------------------------------------------------------
    // size: "++" two pixels larger, "--" two smaller, else a number; 0 means the
    // configured size. An empty name keeps the face; a type sets the style bits.
    void setFont(std::string_view size, std::optional<std::string_view> name = std::nullopt,
                 std::optional<int> type = std::nullopt);
    void resetFont();
    const StyledFont& font() const { return font_; }
    TextFont& textFont() { return *textFont_; }
    SavedFont fontForSaving() const;

    ConfigColor textColor() const { return textColor_; }
    void setTextColor(ConfigColor color) { textColor_ = color; }
    void resetTextColor() { textColor_ = config_.textColor; }

    // --- Backlog ---------------------------------------------------------------
    BacklogStore& backlog() { return *backlog_; }
    // The font of the configuration, which the backlog's lines are measured with.
    TextFont& configurationFont();
    // A fresh backlog, the configured color, the cursor at page start (engine reset).
    void reset();

private:
    struct Message {
        std::string text;
        ConfigColor color = 0;
        size_t position = 0;  // next character to draw
    };

    // Draws the character at text[pos]; `length` receives its byte count.
    int drawCharacter(WindowCanvas& canvas, const Rect& window, std::string_view text, size_t pos, int* length,
                      ConfigColor color, bool revealing);
    int revealOne(WindowCanvas& canvas, TextWindow& window);
    void moveToPageStart();
    // True when another line would pass the window's bottom margin.
    bool pageFullAfterLine(int windowHeight) const;
    void installFont(const StyledFont& font);
    ConfigColor speakerColor(std::string_view text) const;

    const GameConfig& config_;
    FontFactory& fonts_;
    const int screenWidth_;
    StyledFont font_;
    std::unique_ptr<TextFont> textFont_;
    std::unique_ptr<TextFont> configurationFont_;
    ConfigColor textColor_;
    int cursorX_ = 0;
    int cursorY_ = 0;
    // Where on the text layer the last character drawn may have touched.
    Rect lastCharacterArea_;
    Message message_;
    std::unique_ptr<BacklogStore> backlog_;
};

}  // namespace morv
