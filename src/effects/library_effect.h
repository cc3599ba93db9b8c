// Transitions drawn by effect libraries: one call of a library's CGEffect per effect.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "display/rect.h"
#include "display/effect_canvas.h"

namespace morv {

class EffectWorker;
class FileResolver;
class MessageBoxes;
class Screen;
struct GameConfig;

// One cgeffect or threadcgeffect line that names an effect library.
struct LibraryEffectRequest {
    std::string word;        // the library's file name as written
    uint32_t durationMs = 0;  // handed to the library unchanged
    // "BUFFER" (any case) or "" keep the stage and the scratch picture; anything
    // else becomes the stage background and, at its own size, the scratch picture.
    std::string picture;
    int32_t parameter = 0;  // 0 when the line gives fewer than four arguments
};

// What the library is called with, fixed before it is loaded.
struct LibraryEffectCall {
    std::string path;  // effect directory + word
    uint32_t durationMs = 0;
    int32_t parameter = 0;
    std::optional<Rect> presentRect;  // none in full screen: the whole display
};

// What loading and calling a library needs besides the surfaces.
struct LibraryEffectServices {
    const FileResolver& files;
    MessageBoxes& messages;
};

// The start on the main thread: waits for a worker's effect to stop, sets the run
// flag (and for a threaded start the busy flag), prepares the picture, puts the
// scene in the frame and fixes the library path from the effect directory.
LibraryEffectCall startLibraryEffect(Screen& screen, const GameConfig& config, const LibraryEffectRequest& request,
                                     bool threaded);

// Loads the library, calls its CGEffect, releases it and keeps the frame it left
// as the scene and the stage; then clears the busy flag. A library that cannot be
// loaded or lacks CGEffect is reported and changes nothing more.
void callLibraryEffect(const EffectCanvas& canvas, const LibraryEffectCall& call,
                       const LibraryEffectServices& services);

// The threaded form: loads the library here, where its failures can be shown,
// and calls CGEffect on the worker over `workerCanvas`. True when the effect is
// already over (the library failed); false while the worker draws it.
bool startThreadedLibraryEffect(EffectWorker& worker, const EffectCanvas& canvas, const EffectCanvas& workerCanvas,
                                const LibraryEffectCall& call, const LibraryEffectServices& services);

}  // namespace morv
