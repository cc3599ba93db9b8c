#pragma once
// The readers' fuzz entry points, shared by the libFuzzer programs and the corpus regression test.
#include <span>
#include <string_view>

namespace morv::fuzz {

// One reader fed arbitrary bytes. Readers of game files write the bytes as a file
// into the current directory first, so callers run them in a scratch directory.
struct Target {
    std::string_view name;  // also the name of its corpus directory
    void (*run)(std::string_view bytes);
};

std::span<const Target> targets();
// The target of that name, or null.
const Target* findTarget(std::string_view name);

// Ends the process with `what` when a reader's result breaks its own promises,
// so that both libFuzzer and the regression test see the fault.
void require(bool condition, const char* what);

}  // namespace morv::fuzz
