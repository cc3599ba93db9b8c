// The return points of sub-scenario calls.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morv {

class MessageBoxes;
class ByteStream;

struct CallFrame {
    std::string name;  // the scenario file to reopen on return
    int32_t line = 0;  // the line to resume at
};

// The return points of nested sub-scenario calls, oldest first.
class CallStack {
public:
    static constexpr size_t kMaxFrames = 99;

    explicit CallStack(MessageBoxes& messages) : messages_(messages) {}

    // Adds a frame on top; refused with a message when the stack is full.
    bool Push(std::string_view name, int32_t line);
    // The top frame's name, empty when no call is active.
    std::string TopName() const { return frames_.empty() ? std::string() : frames_.back().name; }
    // The top frame's line, -1 when no call is active.
    int32_t TopLine() const { return frames_.empty() ? -1 : frames_.back().line; }
    void Pop();
    void Clear() { frames_.clear(); }

    // The call-stack block of a saved game, oldest frame first.
    void Write(ByteStream& out) const;
    // Replaces the stack by the block's frames; a malformed block changes nothing
    // and gives false.
    bool Read(ByteStream& in);
    static void WriteBlock(ByteStream& out, const std::vector<CallFrame>& frames);
    // The frames of a call-stack block, or none when it is malformed.
    static std::optional<std::vector<CallFrame>> ReadBlock(ByteStream& in);
    void Restore(std::vector<CallFrame> frames) { frames_ = std::move(frames); }

    const std::vector<CallFrame>& frames() const { return frames_; }

private:
    MessageBoxes& messages_;
    std::vector<CallFrame> frames_;
};

}  // namespace morv
