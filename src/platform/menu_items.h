// Ids of the game window's menu items, as menu command events carry them.
#pragma once

namespace morv {

enum class MenuItem : int {
    LoadGame = 32772,  // "게임 로드(&L)": the load dialog
};

}  // namespace morv
