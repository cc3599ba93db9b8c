// The installation's stores ("read.dat", "cg.cfg", "cglist.txt") and the headless event file.
#include "fuzz_targets.h"
#include "platform/headless/event_script.h"
#include "saves/flag_files.h"
#include "saves/read_log.h"
#include "targets/readers.h"

namespace morv::fuzz {

void readReadLog(std::string_view bytes) {
    auto entries = ReadLog::decode(bytes);
    if (!entries) return;
    for (const ReadLog::Entry& entry : *entries) {
        require(entry.lineCount >= 0 && entry.marks.size() == static_cast<size_t>(entry.lineCount) + 1,
                "every line of an entry has its mark");
    }
    // What was read writes back to the same bytes, up to anything after the last entry.
    const std::string again = ReadLog::encode(*entries);
    require(bytes.substr(0, again.size()) == again, "a read log writes back as it was read");
}

void readFlagFiles(std::string_view bytes) {
    if (auto flags = decodeFlagStore(bytes)) {
        require(encodeFlagStore(*flags) == bytes, "a flag store writes back as it was read");
    }
    for (const Flag& flag : parseFlagList(bytes)) {
        require(flag.state == Flag::kNotSet && flag.name.size() <= 1023, "listed flags start unset and short");
    }
}

void readEventFile(std::string_view bytes) {
    std::string error;
    if (auto steps = parseEventScript(std::string(bytes), error)) {
        for (const EventStep& step : *steps) {
            if (step.kind == EventStep::Kind::Snapshot || step.kind == EventStep::Kind::SnapshotAfter) {
                require(!step.text.empty() && step.text.find('/') == std::string::npos,
                        "snapshot names stay inside the output directory");
            }
        }
    }
}

}  // namespace morv::fuzz
