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

// Records keep their arguments as slices of the script's text, so tokens must be
// slices of the caller's text, not copies; the delimiter set is the tokenizer's own.
TEST(Tokenizer, TokensAreSlicesOfTheTextAndTheSetIsACopy) {
    const std::string text = "one two";
    std::string set = " ";
    Tokenizer tokens(text, set);
    set.assign("o");
    const auto one = tokens.NextToken();
    ASSERT_TRUE(one);
    EXPECT_EQ(*one, "one");
    EXPECT_EQ(one->data(), text.data());
    const auto rest = tokens.NextToken("");
    ASSERT_TRUE(rest);
    EXPECT_EQ(rest->data(), text.data() + 3);
}

TEST(Tokenizer, CutsOverLongTokensAtACharacterBoundary) {
    std::string longWord(1022, 'a');
    longWord += "\xB0\xA1";  // a double-byte character straddling the limit
    longWord += "bbb";
    const std::string text = longWord + " next";
    Tokenizer tokens(text, " ");
    auto token = tokens.NextToken();
    ASSERT_TRUE(token);
    EXPECT_EQ(*token, std::string(1022, 'a'));
    EXPECT_EQ(tokens.NextToken(), "next");  // the rest of the long token is consumed

    const std::string exactWord(1023, 'x');
    Tokenizer exact(exactWord, " ");
    EXPECT_EQ(exact.NextToken()->size(), 1023u);
}

}  // namespace
}  // namespace morv
