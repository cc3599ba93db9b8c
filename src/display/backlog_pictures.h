// The review view's own pictures.
#pragma once
#include <cstdint>
#include <vector>

#include "display/surface.h"

namespace morv {

// The review view's own pictures, drawn by the program: screen colors
// (0x00RRGGBB), magenta where transparent.
struct ProgramPicture {
    static constexpr uint32_t kTransparent = 0xFF00FF;

    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // top row first
};

namespace backlog_picture {
constexpr int kUpButton = 145;     // also the "Up" icon
constexpr int kPageDownIcon = 147;
constexpr int kPageUpIcon = 148;
constexpr int kHeader = 149;
constexpr int kBar = 152;
constexpr int kDownButton = 154;   // also the "Down" icon
constexpr int kEscapeIcon = 171;
constexpr int kThumb = 174;
}  // namespace backlog_picture

// The picture of a resource number (145 to 174); an empty picture for numbers
// that have none.
ProgramPicture backlogPicture(int resource);

// The resource of a review icon number: tens pick the button (0 background,
// 1 up, 2 page up, 3 page down, 4 down, 5 escape), units the state (0 normal,
// 1 hover, 2 pressed); -1 for other numbers.
int backlogIconResource(int number);

// Makes `surface` a copy of the picture in its own pixel format.
int loadProgramPicture(Surface& surface, const ProgramPicture& picture);

}  // namespace morv
