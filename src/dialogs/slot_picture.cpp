// Drawing the slot buttons of the save and load dialogs.
#include "dialogs/slot_picture.h"

#include <cstdio>
#include <cstring>

#include "dialogs/dialog_texts.h"
#include "display/surface.h"
#include "display/text_font.h"
#include "interpreter/save_procedure.h"
#include "platform/cp949.h"
#include "platform/file_resolver.h"
#include "saves/save_game.h"
#include "saves/save_stream.h"

namespace morv {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr ConfigColor kTextColor = 0;  // black

std::string local(const char* utf8) { return cp949::fromUtf8(utf8); }

// The text's longest start no wider than `limit` pixels that ends on a whole character.
std::string_view cutToWidth(TextFont& font, std::string_view text, int limit) {
    int width = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        int length = 1;
        const int advance = font.charWidth(text, pos, &length);
        if (width + advance > limit || pos + static_cast<size_t>(length) > text.size()) break;
        width += advance;
        pos += static_cast<size_t>(length);
    }
    return text.substr(0, pos);
}

void frame(Surface& target, uint32_t color) {
    // The frame's rectangle runs from (2, 2) to (417, 67), right and bottom exclusive.
    const Rect box{2, 2, 417, 67};
    target.fillRect({box.left, box.top, box.right, box.top + 1}, color);
    target.fillRect({box.left, box.bottom - 1, box.right, box.bottom}, color);
    target.fillRect({box.left, box.top, box.left + 1, box.bottom}, color);
    target.fillRect({box.right - 1, box.top, box.right, box.bottom}, color);
}

}  // namespace

SlotPainter::SlotPainter(Dialog dialog, const FileResolver& files, std::string saveDirectory, int gameWidth,
                         int gameHeight, TextFont& font)
    : dialog_(dialog),
      files_(files),
      saveDirectory_(std::move(saveDirectory)),
      gameWidth_(gameWidth),
      gameHeight_(gameHeight),
      font_(font) {}

void SlotPainter::draw(Surface& target, int slot, bool focused) {
    target.fill(kWhite);
    if (slot > 0) {
        char number[16];
        std::snprintf(number, sizeof number, "%2d", slot);
        drawText(target, 5, 10, number);
    }
    const std::string file = saveDirectory_ + SaveProcedure::slotFileName(slot);
    if (slot <= 0 || !files_.exists(file)) {
        // A list position past the list has no slot, and so no number either.
        drawText(target, 50, 15, local(dialog_text::kNoSaveFile));
    } else {
        drawSave(target, file, slot);
    }
    frame(target, focused ? kFocusFrame : kWhite);
}

void SlotPainter::drawSave(Surface& target, const std::string& file, int slot) {
    const std::optional<std::string> bytes = files_.readAll(file);
    const std::string_view header = bytes ? std::string_view(*bytes).substr(0, SaveStream::kHeaderSize) : "";
    if (header.size() == SaveStream::kHeaderSize && header != SaveGame::kHeader &&
        header.starts_with(SaveStream::kCompressedPrefix)) {
        drawText(target, 50, 15,
                 local(dialog_ == Dialog::Save ? dialog_text::kOldVersionSave : dialog_text::kOldVersionLoad));
        return;
    }
    std::optional<SaveHeading> heading;
    if (header == SaveGame::kHeader) {
        if (auto stream = SaveStream::fromFileBytes(*bytes)) {
            heading = readSaveHeading(*stream, static_cast<size_t>(gameWidth_) * static_cast<size_t>(gameHeight_));
        }
    }
    // A file with the right header whose body is damaged or short shows as unknown
    // too, rather than as garbage read past its end.
    if (!heading) {
        drawText(target, 50, 15, local(dialog_text::kUnknownFormat));
        return;
    }
    const LocalTime& at = heading->savedAt;
    // A damaged day of the week shows as blanks.
    const std::string day = at.weekday >= 0 && at.weekday < 7 ? local(dialog_text::kDayNames[at.weekday]) : "";
    char date[64];
    std::snprintf(date, sizeof date, "%4d/%02d/%02d(%2s) %02d:%02d", at.year & 0xFFFF, at.month, at.day, day.c_str(),
                  at.hour, at.minute);
    drawText(target, 130, 5, date);
    drawText(target, 130, 25, std::string(cutToWidth(font_, heading->comment, kCommentWidth)));

    auto cached = thumbnails_.find(slot);
    if (cached == thumbnails_.end()) {
        cached = thumbnails_.emplace(slot, thumbnail(heading->picture, gameWidth_, gameHeight_)).first;
    }
    const std::vector<uint32_t>& pixels = cached->second;
    for (int y = 0; y < kThumbnailHeight; ++y) {
        std::memcpy(target.row(10 + y) + 50 * 4, pixels.data() + static_cast<size_t>(y) * kThumbnailWidth,
                    kThumbnailWidth * 4);
    }
}

void SlotPainter::drawText(Surface& target, int x, int y, const std::string& cp949Text) {
    PixelRows rows = target.lock();
    font_.draw(rows, target.bounds(), x, y, cp949Text, kTextColor);
}

std::vector<uint32_t> SlotPainter::thumbnail(const std::vector<uint16_t>& picture, int width, int height) {
    std::vector<uint32_t> out(static_cast<size_t>(kThumbnailWidth) * kThumbnailHeight, kWhite);
    if (width <= 0 || height <= 0 || picture.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return out;
    }
    for (int y = 0; y < kThumbnailHeight; ++y) {
        // The bitmap is bottom-up: shown row y is its row 47 - y, sampled from the
        // rows turned bottom-up, which is source row height - 1 - that.
        const int turnedRow = height * (kThumbnailHeight - 1 - y) / kThumbnailHeight;
        const uint16_t* source = picture.data() + static_cast<size_t>(height - 1 - turnedRow) * width;
        uint32_t* dest = out.data() + static_cast<size_t>(y) * kThumbnailWidth;
        for (int j = 0; j < kThumbnailWidth; ++j) {
            const uint16_t p = source[j * width / kThumbnailWidth];
            // Five bits a channel: green loses its lowest bit.
            const uint32_t red = (p >> 11) & 31, green = (p >> 6) & 31, blue = p & 31;
            dest[j] = red << 19 | green << 11 | blue << 3;
        }
    }
    return out;
}

RgbaPicture surfacePicture(const Surface& surface) {
    RgbaPicture picture;
    picture.width = surface.width();
    picture.height = surface.height();
    picture.rgba.resize(static_cast<size_t>(picture.width) * picture.height * 4);
    uint8_t* out = picture.rgba.data();
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* row = surface.row(y);
        for (int x = 0; x < picture.width; ++x, out += 4) {
            uint32_t pixel;
            std::memcpy(&pixel, row + x * 4, 4);
            out[0] = static_cast<uint8_t>(pixel >> 16);
            out[1] = static_cast<uint8_t>(pixel >> 8);
            out[2] = static_cast<uint8_t>(pixel);
            out[3] = 255;
        }
    }
    return picture;
}

}  // namespace morv
