#pragma once
// Writes small Flash files byte by byte for the player's tests.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "flash/swf_types.h"

namespace morv::testing {

class BitWriter {
public:
    void ub(uint32_t value, int bits);
    void sb(int32_t value, int bits) { ub(static_cast<uint32_t>(value), bits); }
    void align();
    void u8(uint8_t value);
    void u16(uint16_t value);
    void u32(uint32_t value);
    void bytes(std::string_view data);
    void rgb(swf::Rgba c);
    void rgba(swf::Rgba c);
    // A rectangle in twips, a matrix, and a color transform with or without alpha.
    void rect(int32_t xMin, int32_t xMax, int32_t yMin, int32_t yMax);
    void matrix(const swf::Matrix& m);
    void colorTransform(const swf::ColorTransform& t, bool withAlpha);
    const std::string& data() {
        align();
        return data_;
    }

    // The bits a signed field needs for every value given.
    static int signedBits(std::initializer_list<int64_t> values);

private:
    std::string data_;
    uint8_t pending_ = 0;
    int pendingBits_ = 0;
};

// A DefineShape body, styles first and then the edges, all in twips.
class ShapeWriter {
public:
    explicit ShapeWriter(int version = 3) : version_(version) {}

    int solidFill(swf::Rgba color);
    int gradientFill(bool radial, const swf::Matrix& matrix, std::vector<std::pair<uint8_t, swf::Rgba>> stops);
    int bitmapFill(uint16_t bitmapId, const swf::Matrix& matrix, bool smooth);
    int lineStyle(uint16_t width, swf::Rgba color);

    // Style changes and edges, in drawing order.
    void styles(uint32_t fill0, uint32_t fill1, uint32_t line);
    void moveTo(int32_t x, int32_t y);
    void lineTo(int32_t x, int32_t y);
    void curveTo(int32_t controlX, int32_t controlY, int32_t x, int32_t y);
    // A closed rectangle with fill style `fill` on its right-hand side.
    void rectangle(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t fill);

    // The body of the DefineShape tag of this version, id first.
    std::string body(uint16_t id) const;
    int tagCode() const;

private:
    struct Record {
        enum Kind { Styles, Move, Line, Curve } kind;
        int32_t a, b, c, d;
    };
    void writeFillStyle(BitWriter& w, int index) const;

    int version_;
    std::vector<std::string> fills_;  // each already encoded
    std::vector<std::string> lines_;
    std::vector<Record> records_;
    int32_t penX_ = 0, penY_ = 0;
};

class SwfWriter {
public:
    // Stage of width x height pixels at `rate` frames per second (8.8 fixed point when not whole).
    SwfWriter(int width, int height, double rate) : width_(width), height_(height), rate_(rate) {}

    void tag(uint16_t code, std::string_view body, bool longHeader = false);
    void background(swf::Rgba color);
    void shape(uint16_t id, const ShapeWriter& shape);
    // DefineBitsLossless2 of 32-bit pixels given as 0xAARRGGBB, premultiplied.
    void losslessBitmap(uint16_t id, int width, int height, const std::vector<uint32_t>& argb);
    // PlaceObject2 of a new character, with an optional color transform and clip depth.
    void place(uint16_t depth, uint16_t id, const swf::Matrix& matrix = {},
               const swf::ColorTransform* color = nullptr, uint16_t clipDepth = 0);
    void move(uint16_t depth, const swf::Matrix& matrix);
    void remove(uint16_t depth);
    void stop();
    void showFrame();
    // A DefineSprite holding the tags of another writer's timeline.
    void sprite(uint16_t id, const SwfWriter& timeline);

    // The whole file: 'F' plain, 'C' zlib, 'Z' LZMA. A frame count below zero is
    // taken from the frames shown.
    std::string file(char compression = 'F', int frameCount = -1) const;
    int frames() const { return frames_; }
    const std::string& tags() const { return tags_; }

private:
    int width_, height_;
    double rate_;
    std::string tags_;
    int frames_ = 0;
};

std::string zlibCompress(std::string_view data);

// A baseline JPEG of one color. `tablesApart` leaves the quantisation and Huffman
// tables out of the picture and returns them in `tables` (for JPEGTables).
std::string jpegOfColor(int width, int height, swf::Rgba color, bool tablesApart = false,
                        std::string* tables = nullptr);

}  // namespace morv::testing
