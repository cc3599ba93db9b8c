// Effect names and numbers as cgeffect lines write them.
#include "script/effect_names.h"

#include <array>
#include <string>
#include <string_view>

#include "platform/cp949.h"

namespace morv {
namespace {

// Indexed by effect number.
constexpr std::array<std::string_view, 31> kEffectNames{
    "FADETO",     "LSCROLL",    "RSCROLL",  "USCROLL",  "DSCROLL",  "INVERT",   "LBLIND",  "RBLIND",
    "UBLIND",     "DBLIND",     "LBLINDSHOW", "RBLINDSHOW", "UBLINDSHOW", "DBLINDSHOW", "LCURTAIN", "RCURTAIN",
    "UCURTAIN",   "DCURTAIN",   "HQUAKE",   "VQUAKE",   "CQUAKE",   "RQUAKE",   "ZOOMIN",  "ZOOMOUT",
    "CROTATE",    "RROTATE",    "MOSAIC",   "LMOVE",    "RMOVE",    "UMOVE",    "DMOVE",
};

constexpr std::array<std::string_view, 4> kFilterNames{"GRAY", "SEPIA", "INVERT", "BLEND"};

// The quakes and rotations work on the picture on view and take no new one.
bool takesNoPicture(int effect) { return (effect >= 18 && effect <= 21) || effect == 24 || effect == 25; }

int effectNumber(std::string_view word) {
    for (size_t i = 0; i < kEffectNames.size(); ++i) {
        if (cp949::equalsIgnoreCase(word, kEffectNames[i]) || word == std::to_string(i)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

void translateEffectName(RecordDraft& command) {
    int effect = effectNumber(command[0]);
    if (effect < 0) {
        command.move(0, 9);
        command.set(0, "-1");
        return;
    }
    command.set(0, std::to_string(effect));
    if (takesNoPicture(effect)) {
        command.move(2, 3);
        ++command.argCount;
    }
}

void translateFilterName(RecordDraft& command) {
    for (size_t i = 0; i < kFilterNames.size(); ++i) {
        if (cp949::equalsIgnoreCase(command[0], kFilterNames[i])) {
            command.set(0, std::to_string(i));
            return;
        }
    }
}

}  // namespace morv
