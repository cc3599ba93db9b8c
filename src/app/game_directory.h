#pragma once
// Whether a directory holds a game MORV can play, and why not.
#include <filesystem>
#include <optional>
#include <string>

namespace morv {

// Why a directory named on the command line cannot be played ("does not exist",
// "is not a directory", "holds no morv.ini"), or none when it can.
std::optional<std::string> gameDirectoryProblem(const std::filesystem::path& directory);

}  // namespace morv
