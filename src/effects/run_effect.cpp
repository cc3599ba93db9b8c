// Running one cgeffect line with its family.
#include "effects/run_effect.h"

#include "effects/effect_run.h"
#include "effects/effect_table.h"
#include "platform/cp949.h"

namespace morv {

namespace {

constexpr int kDownMove = 30;
// DMOVE moves 16 pixels per step whatever its parameter says.
constexpr int kDownMoveStep = 16;

}  // namespace

bool pictureKeepsStage(std::string_view picture) {
    return picture.empty() || cp949::equalsIgnoreCase(picture, "BUFFER");
}

bool scrollsPicture(int number) {
    // The family does not depend on the screen height.
    std::optional<EffectKind> kind = effectKind(number, 0);
    return kind && kind->family == EffectFamily::Scroll;
}

void stopEffect(const EffectCanvas& canvas) {
    canvas.run.store(0, std::memory_order_release);
    canvas.clock.yield();
    while (canvas.busy.load(std::memory_order_acquire) != 0) canvas.clock.yield();
}

std::optional<EffectValues> startEffect(const EffectCanvas& canvas, const EffectRequest& request, bool threaded) {
    std::optional<EffectKind> kind = effectKind(request.number, canvas.height());
    if (!kind) return std::nullopt;
    canvas.sceneChanged = true;
    stopEffect(canvas);
    if (threaded) {
        canvas.busy.store(1, std::memory_order_release);
        canvas.run.store(1, std::memory_order_release);
    }

    EffectValues values;
    values.family = kind->family;
    // A negative duration would be weeks as an unsigned count: it counts as 0.
    values.durationMs = request.durationMs > 0 ? static_cast<uint32_t>(request.durationMs) : 0;
    values.parameter = request.parameter.value_or(kind->defaultParameter);
    values.direction = kind->direction;
    if (request.number == kDownMove) values.parameter = kDownMoveStep;
    return values;
}

void runEffectFamily(const EffectCanvas& canvas, const EffectValues& values, bool cancellable) {
    const EffectRun run{canvas, values, cancellable};
    switch (values.family) {
        case EffectFamily::Fade: runFade(run); break;
        case EffectFamily::Scroll: runScroll(run); break;
        case EffectFamily::Invert: runInvert(run); break;
        case EffectFamily::Blind: runBlind(run); break;
        case EffectFamily::BlindShow: runBlindShow(run); break;
        case EffectFamily::Curtain: runCurtain(run); break;
        case EffectFamily::Quake: runQuake(run); break;
        case EffectFamily::Zoom: runZoom(run); break;
        case EffectFamily::Rotate: runRotate(run); break;
        case EffectFamily::Mosaic: runMosaic(run); break;
        case EffectFamily::Move: runMove(run); break;
    }
    // The very last step: the final copies must be in place before busy reads 0.
    canvas.busy.store(0, std::memory_order_release);
}

bool runEffect(const EffectCanvas& canvas, const EffectRequest& request) {
    std::optional<EffectValues> values = startEffect(canvas, request, false);
    if (!values) return false;
    runEffectFamily(canvas, *values, false);
    return values->family == EffectFamily::Invert;
}

}  // namespace morv
