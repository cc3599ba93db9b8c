// One parsed command as its script keeps it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "script/argument_buffer.h"
#include "script/command_id.h"

namespace morv {

// The ten argument slots of a record, read through its script's argument buffer:
// they stay valid as long as the script lives, wherever the record is moved or
// copied. Slots past the last one written read as empty.
class RecordArguments {
public:
    static constexpr size_t kSlots = 10;

    RecordArguments() = default;
    RecordArguments(const ArgumentBuffer& buffer, uint32_t first, size_t written)
        : buffer_(&buffer), first_(first), written_(static_cast<uint8_t>(written)) {}

    std::string_view operator[](size_t slot) const {
        return slot < written_ ? buffer_->argument(first_ + static_cast<uint32_t>(slot)) : std::string_view();
    }
    constexpr size_t size() const { return kSlots; }
    // The slots up to the last one written.
    size_t written() const { return written_; }

private:
    const ArgumentBuffer* buffer_ = nullptr;
    uint32_t first_ = 0;
    uint8_t written_ = 0;
};

// One parsed command: its id, up to ten arguments, how many tokens the line had
// (it may exceed ten) and the line it came from.
struct CommandRecord {
    CommandId id = CommandId::Unset;
    int argCount = 0;
    int line = -1;
    RecordArguments args;
};

}  // namespace morv
