// The list of every fuzz target.
#include "fuzz_targets.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "targets/readers.h"

namespace morv::fuzz {

std::span<const Target> targets() {
    static constexpr std::array kTargets{
        Target{"config", readConfiguration},   Target{"scenario", readScenarioScript},
        Target{"show", readShowScript},        Target{"button", readButtonScript},
        Target{"archive", readArchive},        Target{"bmp", readBmpFiles},
        Target{"png", readPngFiles},           Target{"read_log", readReadLog},
        Target{"flags", readFlagFiles},        Target{"events", readEventFile},
        Target{"flash", readFlashFile},        Target{"ripple", readRippleArguments},
        Target{"user_settings", readUserSettingsFile}, Target{"ico", readIconFiles},
        Target{"save_reader", readSaveFile},   Target{"movie", readMovieFile},
    };
    return kTargets;
}

const Target* findTarget(std::string_view name) {
    for (const Target& target : targets()) {
        if (target.name == name) return &target;
    }
    return nullptr;
}

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz target broke a promise: %s\n", what);
    std::abort();
}

}  // namespace morv::fuzz
