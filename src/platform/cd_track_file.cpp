// Finds the file that stands in for an audio CD track.
#include "platform/cd_track_file.h"

#include <cstdio>

#include "platform/file_resolver.h"

namespace morv {

std::optional<std::filesystem::path> findTrackFile(const FileResolver& files, const std::string& directory,
                                                   int track) {
    if (track < 0) return std::nullopt;
    char stem[32];
    std::snprintf(stem, sizeof stem, "track%02d", track);
    for (const char* extension : {".ogg", ".wav", ".mp3", ".flac"}) {
        if (auto found = files.find(directory + stem + extension)) return found;
    }
    return std::nullopt;
}

}  // namespace morv
