// The font the dialogs draw their own pictures with.
#include "dialogs/dialog_font.h"

#include "display/freetype_font.h"

namespace morv {

std::unique_ptr<TextFont> dialogFont() {
    FontRecord record;
    record.height = -12;  // the em size, as a 9-point dialog font has
    record.weight = FontRecord::kWeightNormal;
    record.quality = FontRecord::kQualityAntialiased;
    record.faceName = "\xB1\xBC\xB8\xB2";  // "굴림" in CP949
    return std::make_unique<FreeTypeFont>(record);
}

}  // namespace morv
