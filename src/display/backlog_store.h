// The store of past text shown by the review.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/game_config.h"
#include "display/styled_font.h"
#include "display/text_font.h"

namespace morv {

struct BacklogEntry {
    enum class Kind : uint8_t { Text = 0, LineBreak = 1, FontChange = 3 };

    Kind kind = Kind::Text;
    int firstLine = 0;  // display line at which the entry begins
    // Text entries.
    std::string text;
    ConfigColor color = 0;
    int pendingLineOffset = 0;  // wrapped lines to skip on the next read
    // Font-change entries.
    StyledFont font;
};

// The ring of past text, line breaks and font changes that the review view and
// the window's page redraw read. Text wraps into numbered display lines of a
// fixed width; when the ring is full the oldest entry gives way.
class BacklogStore {
public:
    BacklogStore(int capacity, int lineWidth);

    // Adds a message; it is wrapped with the font it is shown in.
    void addText(std::string_view text, ConfigColor color, TextFont& font);
    // Starts the next display line; ignored while the store is empty.
    void addLineBreak();
    void addFontChange(const StyledFont& font);

    // Notes that the window page began inside the newest entry with this text.
    void markPageStart(std::string_view text, ConfigColor color);
    bool hasPageStart() const { return pageStartSerial_ >= 0; }
    const std::string& pageStartText() const { return pageStartText_; }
    ConfigColor pageStartColor() const { return pageStartColor_; }
    // Age of the first entry after the page start (0 = oldest); size() when none.
    int firstAgeAfterPageStart() const;

    int capacity() const { return static_cast<int>(slots_.size()); }
    int size() const { return used_; }
    int lineWidth() const { return lineWidth_; }
    int currentLine() const { return currentLine_; }
    int lowestLine() const { return lowestLine_; }

    // The entry of the given age: 0 is the oldest, size() - 1 the newest.
    const BacklogEntry& at(int age) const;

    // Age of the entry at which the display line begins, or -1 when the store is
    // empty. A line inside a wrapped message finds that message and leaves the
    // number of lines to skip as its pending line offset.
    int find(int line);
    // The text of a text entry from its pending line offset on (the lines skipped
    // are measured with `font` at the line width); clears the offset. Entries that
    // are not text, and ages outside the store, read as "".
    std::string_view readText(int age, TextFont& font);

private:
    BacklogEntry& slotOf(int age) { return slots_[(oldest_ + age) % slots_.size()]; }
    BacklogEntry& push();

    std::vector<BacklogEntry> slots_;
    int lineWidth_;
    int oldest_ = 0;
    int used_ = 0;
    long long added_ = 0;  // entries ever added; an entry's serial is its position in that count
    int currentLine_ = 1;
    int lowestLine_ = 1;
    int runningWidth_ = 0;
    long long pageStartSerial_ = -1;
    std::string pageStartText_;
    ConfigColor pageStartColor_ = 0;
};

}  // namespace morv
