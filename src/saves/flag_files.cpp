// Writing and reading the flag store, and the list of flags a game ships.
#include "saves/flag_files.h"

#include "platform/cp949.h"
#include "platform/file_resolver.h"
#include "saves/save_stream.h"

namespace morv {

namespace {

// Each name byte is stored as its value plus this fixed offset; the offset alone ends the name.
constexpr uint32_t kByteOffset = 0x4D520000;
// Longest name taken from a line of the list.
constexpr size_t kMaxListLine = 1023;

}  // namespace

std::string encodeFlagStore(const std::vector<Flag>& flags) {
    SaveStream out;
    for (const Flag& flag : flags) {
        // A zero byte would read back as the end of the name and garble every later entry.
        if (flag.name.find('\0') != std::string::npos) continue;
        for (unsigned char byte : flag.name) out.writeU32(kByteOffset + byte);
        out.writeU32(kByteOffset);
        out.writeI32(flag.state);
    }
    return out.bytes();
}

std::optional<std::vector<Flag>> decodeFlagStore(std::string_view bytes) {
    SaveStream in{std::string(bytes)};
    std::vector<Flag> flags;
    while (in.remaining() > 0) {
        Flag flag;
        uint32_t code;
        for (;;) {
            if (!in.readU32(code)) return std::nullopt;
            if (code == kByteOffset) break;
            uint32_t byte = code - kByteOffset;
            if (byte > 0xFF) return std::nullopt;
            flag.name.push_back(static_cast<char>(byte));
        }
        if (!in.readI32(flag.state)) return std::nullopt;
        if (flag.state != Flag::kSet && flag.state != Flag::kNotSet) return std::nullopt;
        flags.push_back(std::move(flag));
    }
    return flags;
}

std::vector<Flag> parseFlagList(std::string_view text) {
    std::vector<Flag> flags;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        // Lists written on Windows end their lines with CR LF.
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        flags.push_back(Flag{std::string(cp949::truncate(line, kMaxListLine)), Flag::kNotSet});
    }
    return flags;
}

void loadFlags(FlagTable& table, const FileResolver& files) {
    if (auto store = files.readAll(kFlagStoreFile)) {
        if (auto flags = decodeFlagStore(*store)) {
            table.assign(std::move(*flags));
            return;
        }
    }
    if (auto list = files.readAll(kFlagListFile)) {
        table.assign(parseFlagList(*list));
    } else {
        table.assign({});
    }
}

bool saveFlags(const FlagTable& table, const FileResolver& files) {
    return files.writeAll(kFlagStoreFile, encodeFlagStore(table.flags()));
}

}  // namespace morv
