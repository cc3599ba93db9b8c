// The player's settings file, read over a configuration of defaults.
#include "config/font_record.h"
#include "config/game_config.h"
#include "config/user_settings.h"
#include "fuzz_targets.h"
#include "targets/readers.h"

namespace morv::fuzz {

void readUserSettingsFile(std::string_view bytes) {
    GameConfig config;
    const std::string defaults = encodeUserSettings(config);
    if (!decodeUserSettings(bytes, config)) {
        require(encodeUserSettings(config) == defaults, "a refused file changes nothing");
        return;
    }
    require(config.font.faceName.size() < size_t{FontRecord::kFaceSize}, "face names fit the font record");
    require(config.textWindowAlpha <= 4 && config.textWindowGradation <= 4 && config.textWindowOutline <= 3,
            "looks stay within their tables");
    require(config.bgmVolume >= -5000 && config.bgmVolume <= 0 && config.textHistorySize >= 0 &&
                config.textHistorySize <= 100000,
            "volumes and the history size stay in range");
    // What was read is written again and reads back to the same values.
    const std::string again = encodeUserSettings(config);
    GameConfig reread;
    require(decodeUserSettings(again, reread), "a written file reads back");
    require(encodeUserSettings(reread) == again, "a written file reads back to the same values");
}

}  // namespace morv::fuzz
