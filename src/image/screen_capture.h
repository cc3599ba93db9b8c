// The screen capture as a 24-bit BMP file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/pixel_format.h"

namespace morv {

struct DecodedImage;

class FileResolver;
class MessageBoxes;

// A frame as a 24-bit BMP file: file header, information header and the pixels as
// blue, green, red, bottom row first, rows padded to 4 bytes. `rows` is the
// frame's top row, `pitch` the bytes from one row to the next.
std::string encodeCaptureBmp(const uint8_t* rows, size_t pitch, PixelFormat format, int width, int height);

// A decoded picture as a complete 24-bit BMP file with the same headers as a capture.
std::string encodeBmpFile(const DecodedImage& image);

// Writes the frame's BMP file at `path`, replacing any old one. Shows
// "파일 쓰기에 실패했습니다." for each of the three writes (file header,
// information header, pixels) that fails; true when all succeeded.
bool writeCapture(const FileResolver& files, MessageBoxes& messages, std::string_view path, const uint8_t* rows,
                  size_t pitch, PixelFormat format, int width, int height);

}  // namespace morv
