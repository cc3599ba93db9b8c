// The byte-string tokenizer every parser uses.
#pragma once
#include <bitset>
#include <optional>
#include <string_view>

namespace morv {

// Splits a byte string into tokens at any byte of a replaceable delimiter set.
// Tokens are slices of the caller's text, which must outlive the tokenizer and
// its tokens; the delimiter set is a private copy.
class Tokenizer {
public:
    // Tokens longer than this are cut to it (without splitting a double-byte character).
    static constexpr size_t kMaxTokenLength = 1023;

    // Space, line feed, tab and carriage return.
    explicit Tokenizer(std::string_view text);
    Tokenizer(std::string_view text, std::string_view delimiters);

    // Maximal runs of non-delimiter bytes from the position to the end; the position stays.
    int CountTokens() const;
    bool HasMoreTokens() const;
    // Skips delimiters and returns the bytes up to the next delimiter, leaving the
    // position on that delimiter; none at the end of the text.
    std::optional<std::string_view> NextToken();
    // Replaces the delimiter set first. With an empty set the token is the whole rest
    // of the text, starting with the delimiter that ended the previous token.
    std::optional<std::string_view> NextToken(std::string_view delimiters);

    size_t position() const { return position_; }

private:
    bool isDelimiter(char c) const { return delimiters_[static_cast<unsigned char>(c)]; }
    void setDelimiters(std::string_view delimiters);

    std::string_view text_;
    std::bitset<256> delimiters_;  // by byte value: parsing tests every byte of a script
    size_t position_ = 0;
};

}  // namespace morv
