// Writes small Flash files byte by byte for the player's tests.
#include "support/swf_builder.h"

#include <cstdio>
#include <jpeglib.h>
#include <lzma.h>
#include <zlib.h>

#include <cmath>
#include <stdexcept>

namespace morv::testing {

void BitWriter::ub(uint32_t value, int bits) {
    for (int i = bits - 1; i >= 0; --i) {
        pending_ = static_cast<uint8_t>(pending_ << 1 | ((value >> i) & 1u));
        if (++pendingBits_ == 8) {
            data_.push_back(static_cast<char>(pending_));
            pending_ = 0;
            pendingBits_ = 0;
        }
    }
}

void BitWriter::align() {
    if (pendingBits_ > 0) ub(0, 8 - pendingBits_);
}

void BitWriter::u8(uint8_t value) {
    align();
    data_.push_back(static_cast<char>(value));
}

void BitWriter::u16(uint16_t value) {
    u8(value & 0xff);
    u8(value >> 8);
}

void BitWriter::u32(uint32_t value) {
    u16(value & 0xffff);
    u16(value >> 16);
}

void BitWriter::bytes(std::string_view data) {
    align();
    data_.append(data);
}

void BitWriter::rgb(swf::Rgba c) {
    u8(c.r);
    u8(c.g);
    u8(c.b);
}

void BitWriter::rgba(swf::Rgba c) {
    rgb(c);
    u8(c.a);
}

int BitWriter::signedBits(std::initializer_list<int64_t> values) {
    int bits = 1;
    for (int64_t v : values) {
        int needed = 1;
        while ((v < 0 ? ~v : v) >> (needed - 1)) ++needed;
        bits = std::max(bits, needed);
    }
    return bits;
}

void BitWriter::rect(int32_t xMin, int32_t xMax, int32_t yMin, int32_t yMax) {
    align();
    const int bits = signedBits({xMin, xMax, yMin, yMax});
    ub(bits, 5);
    sb(xMin, bits);
    sb(xMax, bits);
    sb(yMin, bits);
    sb(yMax, bits);
    align();
}

void BitWriter::matrix(const swf::Matrix& m) {
    align();
    auto fixed = [](double v) { return static_cast<int32_t>(std::lround(v * 65536)); };
    const bool scaled = m.a != 1 || m.d != 1;
    ub(scaled, 1);
    if (scaled) {
        const int bits = signedBits({fixed(m.a), fixed(m.d)});
        ub(bits, 5);
        sb(fixed(m.a), bits);
        sb(fixed(m.d), bits);
    }
    const bool rotated = m.b != 0 || m.c != 0;
    ub(rotated, 1);
    if (rotated) {
        const int bits = signedBits({fixed(m.b), fixed(m.c)});
        ub(bits, 5);
        sb(fixed(m.b), bits);
        sb(fixed(m.c), bits);
    }
    const auto tx = static_cast<int32_t>(m.tx), ty = static_cast<int32_t>(m.ty);
    const int bits = tx == 0 && ty == 0 ? 0 : signedBits({tx, ty});
    ub(bits, 5);
    sb(tx, bits);
    sb(ty, bits);
    align();
}

void BitWriter::colorTransform(const swf::ColorTransform& t, bool withAlpha) {
    align();
    ub(1, 1);  // add terms
    ub(1, 1);  // multiply terms
    const int channels = withAlpha ? 4 : 3;
    int bits = 1;
    for (int i = 0; i < channels; ++i) bits = std::max({bits, signedBits({t.mult[i], t.add[i]})});
    ub(bits, 4);
    for (int i = 0; i < channels; ++i) sb(t.mult[i], bits);
    for (int i = 0; i < channels; ++i) sb(t.add[i], bits);
    align();
}

int ShapeWriter::solidFill(swf::Rgba color) {
    BitWriter w;
    w.u8(0x00);
    version_ >= 3 ? w.rgba(color) : w.rgb(color);
    fills_.push_back(w.data());
    return static_cast<int>(fills_.size());
}

int ShapeWriter::gradientFill(bool radial, const swf::Matrix& matrix,
                              std::vector<std::pair<uint8_t, swf::Rgba>> stops) {
    BitWriter w;
    w.u8(radial ? 0x12 : 0x10);
    w.matrix(matrix);
    w.ub(0, 2);
    w.ub(0, 2);
    w.ub(static_cast<uint32_t>(stops.size()), 4);
    for (auto& [ratio, color] : stops) {
        w.u8(ratio);
        version_ >= 3 ? w.rgba(color) : w.rgb(color);
    }
    fills_.push_back(w.data());
    return static_cast<int>(fills_.size());
}

int ShapeWriter::bitmapFill(uint16_t bitmapId, const swf::Matrix& matrix, bool smooth) {
    BitWriter w;
    w.u8(smooth ? 0x41 : 0x43);
    w.u16(bitmapId);
    w.matrix(matrix);
    fills_.push_back(w.data());
    return static_cast<int>(fills_.size());
}

int ShapeWriter::lineStyle(uint16_t width, swf::Rgba color) {
    BitWriter w;
    w.u16(width);
    version_ >= 3 ? w.rgba(color) : w.rgb(color);
    lines_.push_back(w.data());
    return static_cast<int>(lines_.size());
}

void ShapeWriter::styles(uint32_t fill0, uint32_t fill1, uint32_t line) {
    records_.push_back({Record::Styles, static_cast<int32_t>(fill0), static_cast<int32_t>(fill1),
                        static_cast<int32_t>(line), 0});
}

void ShapeWriter::moveTo(int32_t x, int32_t y) {
    records_.push_back({Record::Move, x, y, 0, 0});
    penX_ = x;
    penY_ = y;
}

void ShapeWriter::lineTo(int32_t x, int32_t y) {
    records_.push_back({Record::Line, x - penX_, y - penY_, 0, 0});
    penX_ = x;
    penY_ = y;
}

void ShapeWriter::curveTo(int32_t controlX, int32_t controlY, int32_t x, int32_t y) {
    records_.push_back({Record::Curve, controlX - penX_, controlY - penY_, x - controlX, y - controlY});
    penX_ = x;
    penY_ = y;
}

void ShapeWriter::rectangle(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t fill) {
    styles(0, fill, 0);
    moveTo(x, y);
    lineTo(x + width, y);
    lineTo(x + width, y + height);
    lineTo(x, y + height);
    lineTo(x, y);
}

int ShapeWriter::tagCode() const { return version_ == 1 ? 2 : version_ == 2 ? 22 : version_ == 3 ? 32 : 83; }

std::string ShapeWriter::body(uint16_t id) const {
    BitWriter w;
    w.u16(id);
    w.rect(-20000, 20000, -20000, 20000);
    if (version_ >= 4) {
        w.rect(-20000, 20000, -20000, 20000);
        w.u8(0);
    }
    w.u8(static_cast<uint8_t>(fills_.size()));
    for (const auto& f : fills_) w.bytes(f);
    w.u8(static_cast<uint8_t>(lines_.size()));
    for (const auto& l : lines_) w.bytes(l);
    auto bitsFor = [](size_t count) {
        int bits = 0;
        while ((size_t{1} << bits) <= count) ++bits;
        return bits;
    };
    const int fillBits = bitsFor(fills_.size()), lineBits = bitsFor(lines_.size());
    w.ub(fillBits, 4);
    w.ub(lineBits, 4);
    for (const Record& r : records_) {
        switch (r.kind) {
            case Record::Styles:
                w.ub(0, 1);
                w.ub(0x0e, 5);
                w.ub(r.a, fillBits);
                w.ub(r.b, fillBits);
                w.ub(r.c, lineBits);
                break;
            case Record::Move: {
                w.ub(0, 1);
                w.ub(0x01, 5);
                const int bits = BitWriter::signedBits({r.a, r.b});
                w.ub(bits, 5);
                w.sb(r.a, bits);
                w.sb(r.b, bits);
                break;
            }
            case Record::Line: {
                const int bits = std::max(2, BitWriter::signedBits({r.a, r.b}));
                w.ub(1, 1);
                w.ub(1, 1);
                w.ub(bits - 2, 4);
                w.ub(1, 1);  // general line
                w.sb(r.a, bits);
                w.sb(r.b, bits);
                break;
            }
            case Record::Curve: {
                const int bits = std::max(2, BitWriter::signedBits({r.a, r.b, r.c, r.d}));
                w.ub(1, 1);
                w.ub(0, 1);
                w.ub(bits - 2, 4);
                w.sb(r.a, bits);
                w.sb(r.b, bits);
                w.sb(r.c, bits);
                w.sb(r.d, bits);
                break;
            }
        }
    }
    w.ub(0, 6);  // end of shape
    return w.data();
}

void SwfWriter::tag(uint16_t code, std::string_view body, bool longHeader) {
    BitWriter w;
    if (longHeader || body.size() >= 0x3f) {
        w.u16(static_cast<uint16_t>(code << 6 | 0x3f));
        w.u32(static_cast<uint32_t>(body.size()));
    } else {
        w.u16(static_cast<uint16_t>(code << 6 | body.size()));
    }
    w.bytes(body);
    tags_ += w.data();
}

void SwfWriter::background(swf::Rgba color) {
    BitWriter w;
    w.rgb(color);
    tag(9, w.data());
}

void SwfWriter::shape(uint16_t id, const ShapeWriter& shape) { tag(static_cast<uint16_t>(shape.tagCode()), shape.body(id)); }

void SwfWriter::losslessBitmap(uint16_t id, int width, int height, const std::vector<uint32_t>& argb) {
    std::string pixels;
    for (uint32_t p : argb)
        for (int shift : {24, 16, 8, 0}) pixels.push_back(static_cast<char>(p >> shift & 0xff));
    BitWriter w;
    w.u16(id);
    w.u8(5);
    w.u16(static_cast<uint16_t>(width));
    w.u16(static_cast<uint16_t>(height));
    w.bytes(zlibCompress(pixels));
    tag(36, w.data());
}

void SwfWriter::place(uint16_t depth, uint16_t id, const swf::Matrix& matrix, const swf::ColorTransform* color,
                      uint16_t clipDepth) {
    BitWriter w;
    w.u8(static_cast<uint8_t>(0x02 | 0x04 | (color ? 0x08 : 0) | (clipDepth ? 0x40 : 0)));
    w.u16(depth);
    w.u16(id);
    w.matrix(matrix);
    if (color) w.colorTransform(*color, true);
    if (clipDepth) w.u16(clipDepth);
    tag(26, w.data());
}

void SwfWriter::move(uint16_t depth, const swf::Matrix& matrix) {
    BitWriter w;
    w.u8(0x01 | 0x04);
    w.u16(depth);
    w.matrix(matrix);
    tag(26, w.data());
}

void SwfWriter::remove(uint16_t depth) {
    BitWriter w;
    w.u16(depth);
    tag(28, w.data());
}

void SwfWriter::stop() { tag(12, std::string_view("\x07\x00", 2)); }

void SwfWriter::showFrame() {
    tag(1, {});
    ++frames_;
}

void SwfWriter::sprite(uint16_t id, const SwfWriter& timeline) {
    BitWriter w;
    w.u16(id);
    w.u16(static_cast<uint16_t>(timeline.frames()));
    w.bytes(timeline.tags());
    w.u16(0);  // end
    tag(39, w.data());
}

std::string zlibCompress(std::string_view data) {
    uLongf size = compressBound(data.size());
    std::string out(size, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()), data.size());
    out.resize(size);
    return out;
}

std::string jpegOfColor(int width, int height, swf::Rgba color, bool tablesApart, std::string* tables) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (tablesApart) {
        jpeg_mem_dest(&info, &buffer, &size);
        jpeg_write_tables(&info);
        tables->assign(reinterpret_cast<char*>(buffer), size);
        free(buffer);
        buffer = nullptr;
        size = 0;
    }
    jpeg_mem_dest(&info, &buffer, &size);
    jpeg_start_compress(&info, tablesApart ? FALSE : TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[3 * x] = color.r;
        row[3 * x + 1] = color.g;
        row[3 * x + 2] = color.b;
    }
    JSAMPROW rows[1] = {row.data()};
    for (int y = 0; y < height; ++y) jpeg_write_scanlines(&info, rows, 1);
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<char*>(buffer), size);
    free(buffer);
    jpeg_destroy_compress(&info);
    return out;
}

namespace {

std::string lzmaCompress(std::string_view data) {
    lzma_options_lzma options;
    lzma_lzma_preset(&options, 6);
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_alone_encoder(&stream, &options) != LZMA_OK) throw std::runtime_error("lzma encoder");
    std::string out(data.size() + 1024, '\0');
    stream.next_in = reinterpret_cast<const uint8_t*>(data.data());
    stream.avail_in = data.size();
    stream.next_out = reinterpret_cast<uint8_t*>(out.data());
    stream.avail_out = out.size();
    while (lzma_code(&stream, LZMA_FINISH) == LZMA_OK) {
    }
    out.resize(out.size() - stream.avail_out);
    lzma_end(&stream);
    return out;
}

}  // namespace

std::string SwfWriter::file(char compression, int frameCount) const {
    BitWriter body;
    body.rect(0, width_ * 20, 0, height_ * 20);
    body.u16(static_cast<uint16_t>(std::lround(rate_ * 256)));
    body.u16(static_cast<uint16_t>(frameCount < 0 ? frames_ : frameCount));
    body.bytes(tags_);
    body.u16(0);  // end
    const std::string& plain = body.data();

    BitWriter head;
    head.bytes(std::string(1, compression) + "WS");
    head.u8(10);
    head.u32(static_cast<uint32_t>(plain.size() + 8));
    if (compression == 'C') {
        head.bytes(zlibCompress(plain));
    } else if (compression == 'Z') {
        // The classic LZMA header is 5 property bytes and an 8-byte size; the file
        // keeps the properties after the compressed size and drops the size.
        const std::string packed = lzmaCompress(plain);
        head.u32(static_cast<uint32_t>(packed.size() - 13));
        head.bytes(packed.substr(0, 5));
        head.bytes(packed.substr(13));
    } else {
        head.bytes(plain);
    }
    return head.data();
}

}  // namespace morv::testing
