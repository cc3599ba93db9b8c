// The picture of one save slot as its button in the save and load dialogs shows it.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/rgba_picture.h"

namespace morv {

class FileResolver;
class Surface;
class TextFont;

// Draws slot buttons: white, the slot's number, the time of saving, the start of
// the comment and a small picture of the saved screen, or a line saying why the
// slot shows none. Keeps each slot's small picture once made.
class SlotPainter {
public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 70;
    static constexpr int kThumbnailWidth = 64;
    static constexpr int kThumbnailHeight = 48;
    static constexpr int kCommentWidth = 270;
    // The frame of a button with the keyboard focus; the others have a white one.
    static constexpr uint32_t kFocusFrame = 0x8080FF;

    enum class Dialog { Save, Load };

    // `saveDirectory` is the game's save directory as configured; the saved
    // pictures are gameWidth × gameHeight.
    SlotPainter(Dialog dialog, const FileResolver& files, std::string saveDirectory, int gameWidth, int gameHeight,
                TextFont& font);

    // Draws slot `slot` (0 for a list position past the list) into a 420 × 70
    // surface of 32-bit pixels.
    void draw(Surface& target, int slot, bool focused);
    // The slot's file has gone: its small picture is made again from the next file.
    void forget(int slot) { thumbnails_.erase(slot); }

    // The save picture (RGB565, rows from the top) reduced to 64 × 48 pixels
    // (0x00RRGGBB, rows from the top) as the buttons show it: five bits a channel,
    // the rows sampled as a bottom-up bitmap is.
    static std::vector<uint32_t> thumbnail(const std::vector<uint16_t>& picture, int width, int height);

private:
    void drawSave(Surface& target, const std::string& file, int slot);
    void drawText(Surface& target, int x, int y, const std::string& cp949Text);

    Dialog dialog_;
    const FileResolver& files_;
    std::string saveDirectory_;
    int gameWidth_;
    int gameHeight_;
    TextFont& font_;
    std::map<int, std::vector<uint32_t>> thumbnails_;
};

// A 32-bit surface as a picture for the platform's views.
RgbaPicture surfacePicture(const Surface& surface);

}  // namespace morv
