// The bytes behind the arguments of a script's command records.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morv {

// Most arguments are slices of the script's text; the few texts the parser makes
// itself (effect and filter numbers) are copied into an arena. The arguments of one
// record are a run of spans here, so a record keeps only where its run starts and
// how long it is. Everything stays put while the script lives.
class ArgumentBuffer {
public:
    // Where one argument lies: in the text, or in the arena when the offset has `kInArena`.
    struct Span {
        uint32_t offset = 0;
        uint32_t length = 0;
    };
    // Longer texts could not be addressed by spans (nor their runs counted).
    static constexpr size_t kMaxTextBytes = size_t{1} << 30;

    // `text` is the script's text, which outlives the buffer and does not change
    // while records read it.
    explicit ArgumentBuffer(const std::string& text) : text_(text) {}

    // Forgets every argument before the text is read again.
    void clear();
    // The span of `piece`: the piece itself when it is a slice of the text, else a copy in the arena.
    Span place(std::string_view piece);
    std::string_view view(Span span) const {
        const char* base = (span.offset & kInArena) != 0 ? arena_.data() : text_.data();
        return {base + (span.offset & ~kInArena), span.length};
    }
    // Keeps the spans of one record and returns the index of the first.
    uint32_t keep(const Span* spans, size_t count);
    // Makes room for the spans of this many arguments.
    void reserve(size_t arguments) { spans_.reserve(arguments); }
    std::string_view argument(uint32_t index) const { return view(spans_[index]); }

private:
    static constexpr uint32_t kInArena = uint32_t{1} << 31;

    const std::string& text_;
    std::string arena_;
    std::vector<Span> spans_;
};

}  // namespace morv
