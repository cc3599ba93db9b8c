// CP949 conversion, comparison and trimming.
#include "platform/cp949.h"

#include <iconv.h>

#include <array>
#include <memory>
#include <vector>

namespace morv::cp949 {
namespace {

// Runs one whole-buffer conversion; invalid input is replaced and skipped.
std::string convert(const char* to, const char* from, std::string_view text, std::string_view replacement,
                    size_t invalidStep) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(text);
    std::string out;
    out.reserve(text.size() * 3 / 2 + 4);
    char buffer[1024];
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr - buffer);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            // EILSEQ or EINVAL: replace the offending character and go on.
            out.append(replacement);
            size_t step = std::min(inLeft, invalidStep);
            if (errno == EILSEQ && from[0] == 'U') {
                // Skip one whole UTF-8 sequence.
                step = 1;
                while (step < inLeft && (static_cast<unsigned char>(in[step]) & 0xC0) == 0x80) ++step;
            }
            in += step;
            inLeft -= step;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

// Code points of every double-byte character, indexed by (lead - 0x80) * 256 + trail.
class DoubleByteTable {
public:
    DoubleByteTable() : points_(128 * 256, 0xFFFD) {
        iconv_t cd = iconv_open("UTF-32LE", "CP949");
        if (cd == reinterpret_cast<iconv_t>(-1)) return;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x41; trail <= 0xFE; ++trail) {
                char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                char out[8];
                char* inPtr = in;
                char* outPtr = out;
                size_t inLeft = 2, outLeft = sizeof out;
                if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && outLeft == 4) {
                    char32_t cp = static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8 |
                                  static_cast<unsigned char>(out[2]) << 16 |
                                  static_cast<char32_t>(static_cast<unsigned char>(out[3])) << 24;
                    points_[(lead - 0x80) * 256 + trail] = cp;
                }
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
            }
        }
        iconv_close(cd);
    }
    char32_t at(unsigned char lead, unsigned char trail) const { return points_[(lead - 0x80) * 256 + trail]; }

private:
    std::vector<char32_t> points_;
};

const DoubleByteTable& table() {
    static const DoubleByteTable instance;
    return instance;
}

unsigned char lowerAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }

}  // namespace

std::string toUtf8(std::string_view text) {
    bool ascii = true;
    for (unsigned char c : text) ascii = ascii && c < 0x80;
    if (ascii) return std::string(text);
    return convert("UTF-8", "CP949", text, "\xEF\xBF\xBD", 1);
}

std::string fromUtf8(std::string_view text) {
    bool ascii = true;
    for (unsigned char c : text) ascii = ascii && c < 0x80;
    if (ascii) return std::string(text);
    return convert("CP949", "UTF-8", text, "?", 1);
}

char32_t decodeChar(std::string_view text, size_t pos, int* length) {
    unsigned char lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        if (length) *length = 1;
        return lead;
    }
    if (pos + 1 >= text.size()) {
        if (length) *length = 1;
        return 0xFFFD;
    }
    if (length) *length = 2;
    return table().at(lead, static_cast<unsigned char>(text[pos + 1]));
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 0x80) {
            // A double-byte character: both bytes must match exactly.
            if (x != y) return false;
            if (i + 1 < a.size()) {
                ++i;
                if (a[i] != b[i]) return false;
            }
            continue;
        }
        if (lowerAscii(x) != lowerAscii(y)) return false;
    }
    return true;
}

std::string foldCase(std::string_view text) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (c >= 0x80) {
            ++i;
            continue;
        }
        out[i] = static_cast<char>(lowerAscii(c));
    }
    return out;
}

bool isSpace(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view trimLeft(std::string_view text) {
    size_t b = 0;
    while (b < text.size() && isSpace(static_cast<unsigned char>(text[b]))) ++b;
    return text.substr(b);
}

std::string_view trimRight(std::string_view text) {
    size_t e = text.size();
    while (e > 0 && isSpace(static_cast<unsigned char>(text[e - 1]))) --e;
    return text.substr(0, e);
}

std::string_view trim(std::string_view text) { return trimRight(trimLeft(text)); }

std::string_view truncate(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    size_t end = 0;
    while (end < text.size()) {
        size_t next = end + static_cast<size_t>(charLength(static_cast<unsigned char>(text[end])));
        if (next > maxBytes) break;
        end = next;
    }
    return text.substr(0, end);
}

}  // namespace morv::cp949
