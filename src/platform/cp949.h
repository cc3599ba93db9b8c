// Code page 949 (Korean) byte strings: conversion to UTF-8, case-blind comparison, trimming.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Code page 949 (Korean) byte strings: a byte with the top bit set begins a
// two-byte character. Scripts and names stay CP949 inside the engine; text for
// the player and for the file system is converted at the boundary.
namespace morv::cp949 {

// 2 for a lead byte (top bit set), else 1.
inline int charLength(unsigned char lead) { return (lead & 0x80) ? 2 : 1; }

// Converts to UTF-8; bytes that are not valid CP949 become U+FFFD.
std::string toUtf8(std::string_view text);
// Converts from UTF-8; characters CP949 lacks become "?".
std::string fromUtf8(std::string_view text);

// The Unicode code point of the character starting at text[pos] (one or two
// bytes, from a table built once); U+FFFD for an invalid pair. `length` receives
// the number of bytes consumed.
char32_t decodeChar(std::string_view text, size_t pos, int* length = nullptr);

// Folds ASCII letters only; the second byte of a double-byte character is never touched.
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// Lower-cases ASCII letters outside double-byte characters.
std::string foldCase(std::string_view text);

// White space trimmed by the line reader: space, tab, CR, LF, vertical tab, form feed.
bool isSpace(unsigned char c);
std::string_view trim(std::string_view text);
std::string_view trimLeft(std::string_view text);
std::string_view trimRight(std::string_view text);

// The longest prefix of at most `maxBytes` bytes that does not split a double-byte character.
std::string_view truncate(std::string_view text, size_t maxBytes);

}  // namespace morv::cp949
