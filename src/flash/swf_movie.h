// A whole Flash movie read into memory: its characters and its timelines.
#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "flash/swf_bitmap.h"
#include "flash/swf_file.h"
#include "flash/swf_shape.h"
#include "flash/swf_types.h"

namespace morv::swf {

// One PlaceObject or RemoveObject of a frame.
struct DisplayChange {
    enum Kind : uint8_t { Place, Modify, Replace, Remove };
    Kind kind = Place;
    uint16_t depth = 0;
    uint16_t characterId = 0;
    std::optional<Matrix> matrix;
    std::optional<ColorTransform> colorTransform;
    std::optional<uint16_t> clipDepth;
};

struct Timeline {
    // The changes that lead from the previous frame to each frame.
    std::vector<std::vector<DisplayChange>> frames;
};

struct Sprite {
    Timeline timeline;
};

using Character = std::variant<Shape, Bitmap, Sprite>;

struct Movie {
    FileHeader header;
    Rgba background{255, 255, 255, 255};
    std::map<uint16_t, Character> characters;
    Timeline timeline;
    // The first frame of the main timeline whose actions stop it, if any.
    std::optional<int> stopFrame;

    // The frame after which the movie plays no further: the header's count less one,
    // or earlier when the file holds fewer frames or a stop action.
    int lastFrame() const;
    const Character* character(uint16_t id) const;
};

// Reads a Flash file; none when it is not one, is damaged or asks for more than the
// player accepts. A movie without any frame is refused too.
std::unique_ptr<Movie> readMovie(std::string_view bytes);

}  // namespace morv::swf
