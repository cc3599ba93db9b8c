// Telling why a directory cannot be played as a game.
#include "app/game_directory.h"

#include <system_error>

#include "platform/file_resolver.h"

namespace morv {

std::optional<std::string> gameDirectoryProblem(const std::filesystem::path& directory) {
    std::error_code ec;
    const auto status = std::filesystem::status(directory, ec);
    if (!std::filesystem::exists(status)) return "does not exist";
    if (!std::filesystem::is_directory(status)) return "is not a directory";
    auto config = FileResolver(directory).find("morv.ini");
    if (!config || !std::filesystem::is_regular_file(*config, ec)) return "holds no \"morv.ini\"";
    return std::nullopt;
}

}  // namespace morv
