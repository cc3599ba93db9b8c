// Drawing the review's buttons and header.
#include "display/backlog_pictures.h"

#include <algorithm>
#include <cstdlib>

#include "display/pixel_color.h"

namespace morv {
namespace {

enum class Glyph { List, Up, PageUp, PageDown, Down, Cross };
enum class State { Normal, Hover, Pressed };

struct IconResource {
    int resource;
    Glyph glyph;
    State state;
};

// Resources of the six review buttons in their three states, in icon-number order.
constexpr IconResource kIcons[] = {
    {157, Glyph::List, State::Normal},     {158, Glyph::List, State::Hover},     {159, Glyph::List, State::Pressed},
    {145, Glyph::Up, State::Normal},       {169, Glyph::Up, State::Hover},       {162, Glyph::Up, State::Pressed},
    {148, Glyph::PageUp, State::Normal},   {166, Glyph::PageUp, State::Hover},   {167, Glyph::PageUp, State::Pressed},
    {147, Glyph::PageDown, State::Normal}, {164, Glyph::PageDown, State::Hover}, {165, Glyph::PageDown, State::Pressed},
    {154, Glyph::Down, State::Normal},     {160, Glyph::Down, State::Hover},     {161, Glyph::Down, State::Pressed},
    {171, Glyph::Cross, State::Normal},    {170, Glyph::Cross, State::Hover},    {163, Glyph::Cross, State::Pressed},
};

constexpr uint32_t kBorder = 0x101830;
constexpr uint32_t kInk = 0xF4F4FF;

class Canvas {
public:
    Canvas(int width, int height) {
        picture_.width = width;
        picture_.height = height;
        picture_.pixels.assign(static_cast<size_t>(width) * height, ProgramPicture::kTransparent);
    }
    void set(int x, int y, uint32_t rgb) {
        if (x >= 0 && y >= 0 && x < picture_.width && y < picture_.height)
            picture_.pixels[static_cast<size_t>(y) * picture_.width + x] = rgb;
    }
    void fill(int left, int top, int right, int bottom, uint32_t rgb) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) set(x, y, rgb);
    }
    ProgramPicture take() { return std::move(picture_); }

private:
    ProgramPicture picture_;
};

// Linear mix of two screen colors, step of steps.
uint32_t mix(uint32_t from, uint32_t to, int step, int steps) {
    auto channel = [&](int shift) {
        int a = static_cast<int>(from >> shift & 0xFF), b = static_cast<int>(to >> shift & 0xFF);
        return static_cast<uint32_t>(a + (b - a) * step / std::max(1, steps)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

// A filled triangle 13 pixels wide at its base, pointing up or down, apex at row `apexY`.
void triangle(Canvas& canvas, int centreX, int apexY, bool pointsUp, int dx) {
    for (int i = 0; i < 7; ++i) {
        int y = pointsUp ? apexY + i : apexY - i;
        canvas.fill(centreX - i + dx, y, centreX + i + 1 + dx, y + 1, kInk);
    }
}

ProgramPicture button(Glyph glyph, State state) {
    Canvas canvas(32, 32);
    uint32_t top = state == State::Hover ? 0x8294E8 : state == State::Pressed ? 0x2A3468 : 0x5A6AB8;
    uint32_t bottom = state == State::Hover ? 0x4656B0 : state == State::Pressed ? 0x1A2248 : 0x2E3A78;
    // A rounded square with a one-pixel border; corners stay transparent.
    for (int y = 1; y < 31; ++y) {
        int inset = (y == 1 || y == 30) ? 2 : (y == 2 || y == 29) ? 1 : 0;
        canvas.fill(1 + inset, y, 31 - inset, y + 1, kBorder);
        if (y > 1 && y < 30) canvas.fill(2 + inset, y, 30 - inset, y + 1, mix(top, bottom, y - 2, 27));
    }
    int d = state == State::Pressed ? 1 : 0;  // the pressed picture sinks by one pixel
    switch (glyph) {
        case Glyph::List:
            for (int row : {10, 15, 20}) canvas.fill(9 + d, row + d, 23 + d, row + 2 + d, kInk);
            break;
        case Glyph::Up: triangle(canvas, 15, 12 + d, true, d); break;
        case Glyph::Down: triangle(canvas, 15, 19 + d, false, d); break;
        case Glyph::PageUp:
            triangle(canvas, 15, 8 + d, true, d);
            triangle(canvas, 15, 16 + d, true, d);
            break;
        case Glyph::PageDown:
            triangle(canvas, 15, 15 + d, false, d);
            triangle(canvas, 15, 23 + d, false, d);
            break;
        case Glyph::Cross:
            for (int i = 0; i < 13; ++i) {
                canvas.fill(9 + i + d, 9 + i + d, 11 + i + d, 10 + i + d, kInk);
                canvas.fill(21 - i + d, 9 + i + d, 23 - i + d, 10 + i + d, kInk);
            }
            break;
    }
    return canvas.take();
}

// The strip across the top of the review, stretched to the screen's width.
ProgramPicture header() {
    Canvas canvas(32, 40);
    for (int y = 0; y < 37; ++y) canvas.fill(0, y, 32, y + 1, mix(0x3A4890, 0x161C40, y, 36));
    canvas.fill(0, 37, 32, 38, 0x8898E0);
    canvas.fill(0, 38, 32, 40, 0x0C1028);
    return canvas.take();
}

// The scroll bar's track, stretched over the whole bar.
ProgramPicture bar() {
    Canvas canvas(32, 32);
    canvas.fill(0, 0, 32, 32, 0x1A2046);
    canvas.fill(0, 0, 1, 32, 0x3C4888);
    canvas.fill(31, 0, 32, 32, 0x0C1028);
    return canvas.take();
}

// The thumb, stretched to its length: only its columns vary, so it stretches cleanly.
ProgramPicture thumb() {
    Canvas canvas(32, 32);
    canvas.fill(3, 0, 29, 32, kBorder);
    canvas.fill(4, 0, 28, 32, 0x7888D8);
    canvas.fill(4, 0, 6, 32, 0xA8B4F0);
    canvas.fill(26, 0, 28, 32, 0x4A5AA8);
    return canvas.take();
}

}  // namespace

ProgramPicture backlogPicture(int resource) {
    switch (resource) {
        case backlog_picture::kHeader: return header();
        case backlog_picture::kBar: return bar();
        case backlog_picture::kThumb: return thumb();
        default: break;
    }
    for (const IconResource& icon : kIcons)
        if (icon.resource == resource) return button(icon.glyph, icon.state);
    return {};
}

int backlogIconResource(int number) {
    int buttonIndex = number / 10, state = number % 10;
    if (number < 0 || buttonIndex > 5 || state > 2) return -1;
    return kIcons[buttonIndex * 3 + state].resource;
}

int loadProgramPicture(Surface& surface, const ProgramPicture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return Surface::kInvalidArgument;
    if (int status = surface.create(picture.width, picture.height); status < 0) return status;
    PixelRows rows = surface.lock();
    for (int y = 0; y < picture.height; ++y) {
        const uint32_t* in = picture.pixels.data() + static_cast<size_t>(y) * picture.width;
        if (rows.format == PixelFormat::Rgb565) {
            auto* out = rows.rowAs<uint16_t>(y);
            for (int x = 0; x < picture.width; ++x) out[x] = screenColorTo565(in[x]);
        } else {
            std::copy(in, in + picture.width, rows.rowAs<uint32_t>(y));
        }
    }
    surface.unlock();
    return Surface::kOk;
}

}  // namespace morv
