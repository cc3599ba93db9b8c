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

void CallStack::Write(ByteStream& out) const {
    out.writeU32(static_cast<uint32_t>(frames_.size()));
    for (const CallFrame& frame : frames_) {
        out.writeU32(static_cast<uint32_t>(frame.name.size()));
        out.writeBytes(frame.name);
        out.writeI32(frame.line);
    }
}

bool CallStack::Read(ByteStream& in) {
    uint32_t count;
    if (!in.readU32(count)) return false;
    // A stack is never written deeper than it can be: a larger count is damage.
    if (count > kMaxFrames) return false;
    std::vector<CallFrame> frames(count);
    for (CallFrame& frame : frames) {
        uint32_t nameLength;
        if (!in.readU32(nameLength) || !in.readBytes(nameLength, frame.name) || !in.readI32(frame.line)) return false;
    }
    frames_ = std::move(frames);
    return true;
}

}  // namespace morv
