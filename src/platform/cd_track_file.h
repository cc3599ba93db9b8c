// Finds the file that stands in for an audio CD track.
#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace morv {

class FileResolver;

// The game file name "DIR" + "trackNN" + extension for track `track` (two digits,
// more when needed); the first of .ogg, .wav, .mp3, .flac that exists wins.
std::optional<std::filesystem::path> findTrackFile(const FileResolver& files, const std::string& directory,
                                                   int track);

}  // namespace morv
