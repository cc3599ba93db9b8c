// Bounds-checked reading of the little-endian bytes and bit fields of a Flash file.
#include "flash/swf_reader.h"

namespace morv::swf {

std::string_view Reader::bytes(size_t count) {
    align();
    if (count > remaining()) throw FormatError("field past the end of its data");
    const std::string_view result = data_.substr(position_, count);
    position_ += count;
    return result;
}

uint8_t Reader::u8() { return static_cast<uint8_t>(bytes(1)[0]); }

uint16_t Reader::u16() {
    const auto b = bytes(2);
    return static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | static_cast<uint8_t>(b[1]) << 8);
}

uint32_t Reader::u32() {
    const auto b = bytes(4);
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(b[i]);
    return value;
}

uint32_t Reader::ub(int bits) {
    uint32_t value = 0;
    for (int i = 0; i < bits; ++i) {
        if (bitCount_ == 0) {
            if (atEnd()) throw FormatError("bit field past the end of its data");
            bitBuffer_ = static_cast<uint8_t>(data_[position_++]);
            bitCount_ = 8;
        }
        --bitCount_;
        value = value << 1 | ((bitBuffer_ >> bitCount_) & 1u);
    }
    return value;
}

int32_t Reader::sb(int bits) {
    if (bits == 0) return 0;
    const uint32_t value = ub(bits);
    if (bits < 32 && (value >> (bits - 1)) & 1u) return static_cast<int32_t>(value | ~((1u << bits) - 1));
    return static_cast<int32_t>(value);
}

std::string_view Reader::string() {
    align();
    const size_t end = data_.find('\0', position_);
    if (end == std::string_view::npos) throw FormatError("string without its end");
    const std::string_view result = data_.substr(position_, end - position_);
    position_ = end + 1;
    return result;
}

TwipsRect Reader::rect() {
    align();
    const int bits = static_cast<int>(ub(5));
    TwipsRect r;
    r.xMin = sb(bits);
    r.xMax = sb(bits);
    r.yMin = sb(bits);
    r.yMax = sb(bits);
    align();
    return r;
}

Matrix Reader::matrix() {
    align();
    Matrix m;
    if (ub(1)) {
        const int bits = static_cast<int>(ub(5));
        m.a = fb(bits);
        m.d = fb(bits);
    }
    if (ub(1)) {
        const int bits = static_cast<int>(ub(5));
        m.b = fb(bits);
        m.c = fb(bits);
    }
    const int bits = static_cast<int>(ub(5));
    m.tx = sb(bits);
    m.ty = sb(bits);
    align();
    return m;
}

ColorTransform Reader::colorTransform(bool withAlpha) {
    align();
    ColorTransform t;
    const bool hasAdd = ub(1);
    const bool hasMult = ub(1);
    const int bits = static_cast<int>(ub(4));
    const int channels = withAlpha ? 4 : 3;
    if (hasMult)
        for (int i = 0; i < channels; ++i) t.mult[i] = sb(bits);
    if (hasAdd)
        for (int i = 0; i < channels; ++i) t.add[i] = sb(bits);
    align();
    return t;
}

Rgba Reader::rgb() {
    Rgba c;
    c.r = u8();
    c.g = u8();
    c.b = u8();
    return c;
}

Rgba Reader::rgba() {
    Rgba c = rgb();
    c.a = u8();
    return c;
}

}  // namespace morv::swf
