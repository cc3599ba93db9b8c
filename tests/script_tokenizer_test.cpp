// The tokenizer and its delimiter sets.
#include <gtest/gtest.h>

#include "script/tokenizer.h"

namespace morv {
namespace {

TEST(Tokenizer, SplitsAtDelimitersAndLeavesThePositionOnTheDelimiter) {
    Tokenizer tokens("cg(bg.bmp, 300)", " (),");
    EXPECT_EQ(tokens.CountTokens(), 3);
    EXPECT_EQ(tokens.NextToken(), "cg");
    EXPECT_EQ(tokens.position(), 2u);
    EXPECT_EQ(tokens.CountTokens(), 2);  // counting does not move
    EXPECT_EQ(tokens.NextToken(), "bg.bmp");
    EXPECT_TRUE(tokens.HasMoreTokens());
    EXPECT_EQ(tokens.NextToken(), "300");
    EXPECT_FALSE(tokens.HasMoreTokens());
    EXPECT_EQ(tokens.NextToken(), std::nullopt);
}

TEST(Tokenizer, DefaultSetIsWhiteSpace) {
    Tokenizer tokens(" a\tb\r\nc(d) ");
    EXPECT_EQ(tokens.CountTokens(), 3);
    EXPECT_EQ(tokens.NextToken(), "a");
    EXPECT_EQ(tokens.NextToken(), "b");
    EXPECT_EQ(tokens.NextToken(), "c(d)");
}

TEST(Tokenizer, NewSetTakesEffectAndEmptySetReturnsTheRestWithItsDelimiter) {
    Tokenizer tokens("set a += 3 random", " ");
    EXPECT_EQ(tokens.NextToken(), "set");
    EXPECT_EQ(tokens.NextToken("="), " a +");
    EXPECT_EQ(tokens.NextToken("= "), "3");
    EXPECT_EQ(tokens.NextToken(""), " random");
    EXPECT_EQ(tokens.NextToken(""), std::nullopt);

    Tokenizer empty("", "");
    EXPECT_EQ(empty.CountTokens(), 0);
    EXPECT_FALSE(empty.HasMoreTokens());
}

TEST(Tokenizer, KeepsPrivateCopies) {
    std::string text = "one two";
    std::string set = " ";
    Tokenizer tokens(text, set);
    text.assign("xxxxxxx");
    set.assign("o");
    EXPECT_EQ(tokens.NextToken(), "one");
    EXPECT_EQ(tokens.NextToken(), "two");
}

TEST(Tokenizer, CutsOverLongTokensAtACharacterBoundary) {
    std::string longWord(1022, 'a');
    longWord += "\xB0\xA1";  // a double-byte character straddling the limit
    longWord += "bbb";
    Tokenizer tokens(longWord + " next", " ");
    auto token = tokens.NextToken();
    ASSERT_TRUE(token);
    EXPECT_EQ(*token, std::string(1022, 'a'));
    EXPECT_EQ(tokens.NextToken(), "next");  // the rest of the long token is consumed

    Tokenizer exact(std::string(1023, 'x'), " ");
    EXPECT_EQ(exact.NextToken()->size(), 1023u);
}

}  // namespace
}  // namespace morv
