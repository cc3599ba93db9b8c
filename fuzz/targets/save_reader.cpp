// Saved games: the save file's stream and the fields of a game read from it.
#include "fuzz_targets.h"
#include "saves/save_game.h"
#include "saves/save_stream.h"
#include "targets/readers.h"

namespace morv::fuzz {

void readSaveFile(std::string_view bytes) {
    auto stream = SaveStream::fromFileBytes(bytes);
    if (!stream) return;
    require(bytes.starts_with(SaveStream::kLegacyPrefix) ||
                stream->bytes().size() <= SaveStream::kHeaderSize + SaveStream::kMaxBodyBound,
            "a compressed body inflates to at most its bound");
    // No picture, the seeds' four pixels and a full 640 x 480 screen.
    for (size_t pixels : {size_t{0}, size_t{4}, size_t{640 * 480}}) {
        SaveStream in = *stream;
        auto game = readSaveGame(in, pixels);
        if (!game) continue;
        require(game->picture.size() == pixels, "a game has the picture it was read with");
        require(game->callFrames.size() <= CallStack::kMaxFrames, "a call stack no deeper than its limit");
        require(game->header.size() == SaveGame::kHeader.size(), "a header of fourteen bytes");
    }
}

}  // namespace morv::fuzz
