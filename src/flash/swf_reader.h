// Bounds-checked reading of the little-endian bytes and bit fields of a Flash file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "flash/swf_types.h"

namespace morv::swf {

// Raised by the reader when a field runs past its data; caught where a whole file
// or tag is read and turned into a refusal.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Reader {
public:
    explicit Reader(std::string_view data) : data_(data) {}

    uint8_t u8();
    uint16_t u16();
    int16_t s16() { return static_cast<int16_t>(u16()); }
    uint32_t u32();
    // Unsigned and signed bit fields of up to 32 bits, most significant bit first.
    uint32_t ub(int bits);
    int32_t sb(int bits);
    // A 16.16 fixed-point bit field.
    double fb(int bits) { return sb(bits) / 65536.0; }
    // Byte fields start on a byte boundary: the rest of a partly read byte is dropped.
    void align() { bitCount_ = 0; }

    std::string_view bytes(size_t count);
    void skip(size_t count) { bytes(count); }
    // Up to the terminating zero byte, which is consumed.
    std::string_view string();

    TwipsRect rect();
    Matrix matrix();
    ColorTransform colorTransform(bool withAlpha);
    Rgba rgb();
    Rgba rgba();

    size_t remaining() const { return data_.size() - position_; }
    size_t position() const { return position_; }
    bool atEnd() const { return remaining() == 0; }

private:
    std::string_view data_;
    size_t position_ = 0;
    uint8_t bitBuffer_ = 0;
    int bitCount_ = 0;  // bits of bitBuffer_ not yet read
};

}  // namespace morv::swf
