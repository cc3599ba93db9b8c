// The font the dialogs draw their own pictures with.
#pragma once
#include <memory>

namespace morv {

class TextFont;

// The dialogs' font: a plain Korean face of 12 pixels to the em, smoothed.
std::unique_ptr<TextFont> dialogFont();

}  // namespace morv
