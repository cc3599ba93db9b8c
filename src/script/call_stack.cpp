// The call stack and its save block.
#include "script/call_stack.h"

#include "platform/message_boxes.h"
#include "bytes/byte_stream.h"

namespace morv {

bool CallStack::Push(std::string_view name, int32_t line) {
    if (frames_.size() >= kMaxFrames) {
        messages_.error("중첩함수호출한계를 넘어갔습니다,");
        return false;
    }
    frames_.push_back(CallFrame{std::string(name), line});
    return true;
}

void CallStack::Pop() {
    if (!frames_.empty()) frames_.pop_back();
}

void CallStack::Write(ByteStream& out) const { WriteBlock(out, frames_); }

bool CallStack::Read(ByteStream& in) {
    auto frames = ReadBlock(in);
    if (!frames) return false;
    Restore(std::move(*frames));
    return true;
}

void CallStack::WriteBlock(ByteStream& out, const std::vector<CallFrame>& frames) {
    out.writeU32(static_cast<uint32_t>(frames.size()));
    for (const CallFrame& frame : frames) {
        out.writeU32(static_cast<uint32_t>(frame.name.size()));
        out.writeBytes(frame.name);
        out.writeI32(frame.line);
    }
}

std::optional<std::vector<CallFrame>> CallStack::ReadBlock(ByteStream& in) {
    uint32_t count;
    if (!in.readU32(count)) return std::nullopt;
    // A stack is never written deeper than it can be: a larger count is damage.
    if (count > kMaxFrames) return std::nullopt;
    std::vector<CallFrame> frames(count);
    for (CallFrame& frame : frames) {
        uint32_t nameLength;
        if (!in.readU32(nameLength) || !in.readBytes(nameLength, frame.name) || !in.readI32(frame.line)) {
            return std::nullopt;
        }
    }
    return frames;
}

}  // namespace morv
