// Placing argument texts in a script's argument buffer.
#include "script/argument_buffer.h"

#include <functional>

namespace morv {

void ArgumentBuffer::clear() {
    arena_.clear();
    spans_.clear();
}

ArgumentBuffer::Span ArgumentBuffer::place(std::string_view piece) {
    if (piece.empty()) return {};
    // std::less orders pointers into unrelated objects too.
    const std::less<const char*> before;
    const char* text = text_.data();
    if (!before(piece.data(), text) && !before(text + text_.size(), piece.data() + piece.size())) {
        return {static_cast<uint32_t>(piece.data() - text), static_cast<uint32_t>(piece.size())};
    }
    const auto offset = static_cast<uint32_t>(arena_.size());
    arena_.append(piece);
    return {offset | kInArena, static_cast<uint32_t>(piece.size())};
}

uint32_t ArgumentBuffer::keep(const Span* spans, size_t count) {
    const auto first = static_cast<uint32_t>(spans_.size());
    spans_.insert(spans_.end(), spans, spans + count);
    return first;
}

}  // namespace morv
