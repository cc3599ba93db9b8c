// The configuration object and the fonts a game adds to it.
#include "config/game_config.h"

#include "platform/font_registry.h"

namespace morv {

GameConfig::GameConfig() = default;

GameConfig::~GameConfig() = default;

GameConfig::GameConfig(GameConfig&&) noexcept = default;

GameConfig& GameConfig::operator=(GameConfig&&) noexcept = default;

void GameConfig::addFont(const std::string& name, const std::filesystem::path& file) {
    addedFonts.push_back(name);
    if (!fontRegistry_) fontRegistry_ = std::make_unique<FontRegistry>();
    fontRegistry_->add(file);
}

}  // namespace morv
