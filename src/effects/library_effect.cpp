// Starting a library transition, binding CGEffect and calling it on the screen's surfaces.
#include "effects/library_effect.h"

#include <memory>

#include <morv/effect_plugin.h>

#include "config/game_config.h"
#include "display/screen.h"
#include "effects/effect_worker.h"
#include "effects/effect_library_loader.h"
#include "effects/plugin_handles.h"
#include "effects/run_effect.h"
#include "platform/cp949.h"
#include "platform/message_boxes.h"
#include "platform/text_format.h"

namespace morv {

LibraryEffectCall startLibraryEffect(Screen& screen, const GameConfig& config, const LibraryEffectRequest& request,
                                     bool threaded) {
    const EffectCanvas canvas = screen.effectCanvas();
    screen.setSceneChanged(true);
    stopEffect(canvas);
    if (threaded) canvas.busy.store(1, std::memory_order_release);
    canvas.run.store(1, std::memory_order_release);
    if (!pictureKeepsStage(request.picture)) {
        screen.setBackground(request.picture);
        // The stage already reported a picture it could not read.
        screen.freshScratch().createFromImage(request.picture, 100, Surface::OnFailure::Quiet);
    }
    canvas.frame.copy(canvas.scene, false);
    // In full screen the library presents to the whole display.
    std::optional<Rect> presentRect;
    if (config.windowed) presentRect = screen.presentRect();
    return {effectLibraryPath(config.cgEffectDirectory, request.word), request.durationMs, request.parameter,
            presentRect};
}

namespace {

void callCGEffect(const EffectCanvas& canvas, const LibraryEffectCall& call, MorvCGEffectFn cgEffect) {
    PluginSurface frame(canvas.frame);
    PluginSurface scene(canvas.scene);
    PluginSurface stage(canvas.stage);
    PluginSurface scratch(canvas.scratch);
    PluginPrimary primary(canvas.clock, frame, canvas.present);
    std::optional<MorvRect> rect;
    if (call.presentRect) rect = toMorvRect(*call.presentRect);
    cgEffect(primary.handle(), frame.handle(), scene.handle(), stage.handle(), scratch.handleOrNull(), call.durationMs,
             call.parameter, runFlagForLibraries(canvas.run), rect ? &*rect : nullptr);
}

// A library loaded for one transition, with its CGEffect found.
struct BoundLibraryEffect {
    std::unique_ptr<SharedLibrary> library;
    MorvCGEffectFn cgEffect = nullptr;
};

// Loads the library and finds its CGEffect. Failures are shown as messages, so
// this runs on the main thread.
std::unique_ptr<BoundLibraryEffect> bindLibraryEffect(const LibraryEffectCall& call,
                                                      const LibraryEffectServices& services) {
    auto library = loadEffectLibrary(services.files, call.path);
    if (!library) {
        services.messages.error(formatText("%s 파일을 여는데 실패했습니다.", cp949::toUtf8(call.path).c_str()));
        return nullptr;
    }
    auto cgEffect = reinterpret_cast<MorvCGEffectFn>(library->symbol("CGEffect"));
    if (!cgEffect) {
        services.messages.error("CustomEffect 함수가 없습니다.");
        return nullptr;
    }
    return std::make_unique<BoundLibraryEffect>(BoundLibraryEffect{std::move(library), cgEffect});
}

// Draws the transition and releases the library before the final copies.
void drawLibraryEffect(const EffectCanvas& canvas, const LibraryEffectCall& call, BoundLibraryEffect& bound) {
    callCGEffect(canvas, call, bound.cgEffect);
    bound.library.reset();
    canvas.scene.copy(canvas.frame, false);
    canvas.stage.copy(canvas.frame, false);
}

}  // namespace

void callLibraryEffect(const EffectCanvas& canvas, const LibraryEffectCall& call,
                       const LibraryEffectServices& services) {
    if (auto bound = bindLibraryEffect(call, services)) drawLibraryEffect(canvas, call, *bound);
    // The very last step: the final copies must be in place before busy reads 0.
    canvas.busy.store(0, std::memory_order_release);
}

bool startThreadedLibraryEffect(EffectWorker& worker, const EffectCanvas& canvas, const EffectCanvas& workerCanvas,
                                const LibraryEffectCall& call, const LibraryEffectServices& services) {
    std::shared_ptr<BoundLibraryEffect> bound = bindLibraryEffect(call, services);
    if (!bound) {
        canvas.busy.store(0, std::memory_order_release);
        return true;
    }
    // The worker holds the library until CGEffect has returned; only it touches
    // the library from here on.
    worker.start(workerCanvas, canvas,
                 [bound, call](const EffectCanvas& on) { drawLibraryEffect(on, call, *bound); });
    return false;
}

}  // namespace morv
