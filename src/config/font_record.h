// A complete font description.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace morv {

// A complete font description, as the settings file and the text renderer keep it.
struct FontRecord {
    static constexpr int kFaceSize = 32;  // face name bytes including the terminating zero

    static constexpr int kWeightNormal = 400;
    static constexpr int kWeightBold = 700;
    static constexpr uint8_t kQualityDefault = 0;
    static constexpr uint8_t kQualityNonAntialiased = 3;
    static constexpr uint8_t kQualityAntialiased = 4;

    int32_t height = 24;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = kWeightBold;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 1;  // the default character set
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = kQualityNonAntialiased;
    uint8_t pitchAndFamily = 0;
    std::string faceName = "\xB1\xBC\xB8\xB2\xC3\xBC";  // "굴림체" in CP949; at most 31 bytes

    bool operator==(const FontRecord&) const = default;
};

}  // namespace morv
