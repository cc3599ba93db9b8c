// A command record while its line is parsed.
#pragma once
#include <array>
#include <cstddef>
#include <string_view>

#include "script/argument_buffer.h"
#include "script/command_record.h"

namespace morv {

// The arguments are placed in the script's argument buffer as they are written:
// slices of the script's text stay where they are, other texts are copied.
class RecordDraft {
public:
    static constexpr size_t kSlots = RecordArguments::kSlots;

    RecordDraft(ArgumentBuffer& buffer, CommandId id, int line) : id(id), line(line), buffer_(&buffer) {}

    std::string_view operator[](size_t slot) const { return buffer_->view(spans_[slot]); }
    void set(size_t slot, std::string_view text) {
        spans_[slot] = buffer_->place(text);
        noteWritten(slot);
    }
    // Moves an argument to another slot, leaving its old slot empty.
    void move(size_t from, size_t to) {
        spans_[to] = spans_[from];
        spans_[from] = {};
        noteWritten(to);
    }
    // The record as the script keeps it.
    CommandRecord keep() const {
        return {id, argCount, line, RecordArguments(*buffer_, buffer_->keep(spans_.data(), written_), written_)};
    }

    CommandId id;
    int argCount = 0;
    int line;

private:
    void noteWritten(size_t slot) {
        if (slot >= written_) written_ = slot + 1;
    }

    ArgumentBuffer* buffer_;
    std::array<ArgumentBuffer::Span, kSlots> spans_{};
    size_t written_ = 0;
};

}  // namespace morv
