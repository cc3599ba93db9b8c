// CP949 text: conversion, comparison, trimming and formatting.
#include <gtest/gtest.h>

#include "platform/cp949.h"
#include "platform/trace.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::cp949;

TEST(Cp949Text, ConvertsHangulBothWaysAndLeavesAsciiAlone) {
    std::string korean = cp949("프로그램을 종료합니다.");
    EXPECT_EQ(korean.size(), 5u * 2 + 1 + 5 * 2 + 1);  // two bytes a syllable
    EXPECT_EQ(cp949::toUtf8(korean), "프로그램을 종료합니다.");
    EXPECT_EQ(cp949::toUtf8("plain"), "plain");
    EXPECT_EQ(cp949::fromUtf8("plain"), "plain");
}

TEST(Cp949Text, InvalidBytesBecomeReplacementCharacters) {
    std::string converted = cp949::toUtf8(std::string("a\xFF") + "b");
    EXPECT_EQ(converted.front(), 'a');
    EXPECT_EQ(converted.back(), 'b');
    EXPECT_NE(converted.find("\xEF\xBF\xBD"), std::string::npos);
}

TEST(Cp949Text, DecodesOneCharacterAtATime) {
    std::string text = cp949("A가");
    int length = 0;
    EXPECT_EQ(cp949::decodeChar(text, 0, &length), U'A');
    EXPECT_EQ(length, 1);
    EXPECT_EQ(cp949::decodeChar(text, 1, &length), U'가');
    EXPECT_EQ(length, 2);
    // A lead byte at the very end has no partner.
    EXPECT_EQ(cp949::decodeChar("\xB0", 0, &length), U'\uFFFD');
    EXPECT_EQ(length, 1);
}

TEST(Cp949Text, CaseFoldingNeverTouchesTheSecondByte) {
    EXPECT_TRUE(cp949::equalsIgnoreCase("CgEffect", "cgeffect"));
    EXPECT_FALSE(cp949::equalsIgnoreCase("cg", "cgx"));
    // 0x8141 and 0x8161 are different characters whose trail bytes are 'A' and 'a'.
    EXPECT_FALSE(cp949::equalsIgnoreCase("\x81\x41", "\x81\x61"));
    EXPECT_TRUE(cp949::equalsIgnoreCase(cp949("배경A.bmp"), cp949("배경a.BMP")));
    EXPECT_EQ(cp949::foldCase("\x81\x41Z"), "\x81\x41z");
}

TEST(Cp949Text, TrimsTheLineReadersWhiteSpace) {
    EXPECT_EQ(cp949::trim(" \t\r\v\fword \r\n"), "word");
    EXPECT_EQ(cp949::trim("   "), "");
    EXPECT_EQ(cp949::trimLeft("  a b "), "a b ");
}

TEST(TraceText, QuotesEscapesAndLineBreaks) {
    EXPECT_EQ(traceQuote("say \"hi\"\\\nbye"), "\"say \\\"hi\\\"\\\\\\nbye\"");
}

}  // namespace
}  // namespace morv
