// Splitting byte strings into tokens.
#include "script/tokenizer.h"

#include "platform/cp949.h"

namespace morv {

Tokenizer::Tokenizer(std::string_view text) : Tokenizer(text, " \n\t\r") {}

Tokenizer::Tokenizer(std::string_view text, std::string_view delimiters) : text_(text) {
    setDelimiters(delimiters);
}

void Tokenizer::setDelimiters(std::string_view delimiters) {
    delimiters_.reset();
    for (char c : delimiters) delimiters_.set(static_cast<unsigned char>(c));
}

int Tokenizer::CountTokens() const {
    int count = 0;
    bool inToken = false;
    for (size_t i = position_; i < text_.size(); ++i) {
        bool delimiter = isDelimiter(text_[i]);
        if (!delimiter && !inToken) ++count;
        inToken = !delimiter;
    }
    return count;
}

bool Tokenizer::HasMoreTokens() const {
    for (size_t i = position_; i < text_.size(); ++i) {
        if (!isDelimiter(text_[i])) return true;
    }
    return false;
}

std::optional<std::string_view> Tokenizer::NextToken() {
    while (position_ < text_.size() && isDelimiter(text_[position_])) ++position_;
    if (position_ >= text_.size()) return std::nullopt;
    size_t begin = position_;
    while (position_ < text_.size() && !isDelimiter(text_[position_])) ++position_;
    // Over-long tokens are cut: the rest of the token is consumed but not returned.
    size_t length = position_ - begin;
    if (length > kMaxTokenLength) {
        length = 0;
        while (true) {
            size_t step = static_cast<size_t>(cp949::charLength(static_cast<unsigned char>(text_[begin + length])));
            if (length + step > kMaxTokenLength) break;
            length += step;
        }
    }
    return text_.substr(begin, length);
}

std::optional<std::string_view> Tokenizer::NextToken(std::string_view delimiters) {
    setDelimiters(delimiters);
    return NextToken();
}

}  // namespace morv
