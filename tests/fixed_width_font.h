// A font of fixed-width boxes that records what it draws.
#pragma once
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "display/coverage_blit.h"
#include "display/text_font.h"

namespace morv::testing {

// One draw call of a fixed-width font.
struct DrawnText {
    int x, y;
    std::string text;
    ConfigColor color;
    int height;
};

// A font whose one-byte characters are 10 pixels wide and two-byte characters 20;
// drawing fills the character cells' top rows and logs each call.
class FixedWidthFont final : public TextFont {
public:
    static constexpr int kNarrow = 10;
    static constexpr int kWide = 20;

    FixedWidthFont(int height, std::vector<DrawnText>* log) : height_(height), log_(log) {}
    int height() const override { return height_; }
    int charWidth(std::string_view text, size_t pos, int* length) override {
        int n = (static_cast<unsigned char>(text[pos]) & 0x80) && pos + 1 < text.size() ? 2 : 1;
        if (length) *length = n;
        return n == 2 ? kWide : kNarrow;
    }
    void draw(const PixelRows& target, const Rect& clip, int x, int y, std::string_view text,
              ConfigColor color) override {
        if (log_) log_->push_back({x, y, std::string(text), color, height_});
        fillRect(target, clip, {x, y, x + textWidth(*this, text), y + 1}, configToScreenColor(color));
    }

private:
    int height_;
    std::vector<DrawnText>* log_;
};

class FixedWidthFontFactory final : public FontFactory {
public:
    std::unique_ptr<TextFont> create(const FontRecord& record) override {
        created.push_back(record);
        return std::make_unique<FixedWidthFont>(record.height, &drawn);
    }
    std::vector<FontRecord> created;
    std::vector<DrawnText> drawn;
};

}  // namespace morv::testing
