// Running one cgeffect line with its family.
#include "effects/run_effect.h"

#include "effects/effect_run.h"
#include "effects/effect_table.h"
#include "platform/clock.h"
#include "platform/cp949.h"

namespace morv {

namespace {

constexpr int kDownMove = 30;
// DMOVE moves 16 pixels per step whatever its parameter says.
constexpr int kDownMoveStep = 16;

bool keepsStage(std::string_view picture) { return picture.empty() || cp949::equalsIgnoreCase(picture, "BUFFER"); }

void waitForWorker(Screen& screen) {
    screen.effectRun().store(false, std::memory_order_release);
    Clock& clock = screen.clock();
    clock.yield();
    while (screen.effectBusy().load(std::memory_order_acquire)) clock.yield();
}

}  // namespace

std::optional<EffectValues> startEffect(Screen& screen, const EffectRequest& request, bool threaded) {
    std::optional<EffectKind> kind = effectKind(request.number, screen.height());
    if (!kind) return std::nullopt;
    screen.setSceneChanged(true);
    waitForWorker(screen);
    if (threaded) {
        screen.effectBusy().store(true, std::memory_order_release);
        screen.effectRun().store(true, std::memory_order_release);
    }
    if (!keepsStage(request.picture)) screen.setBackground(request.picture);

    EffectValues values;
    values.family = kind->family;
    // A negative duration would be weeks as an unsigned count: it counts as 0.
    values.durationMs = request.durationMs > 0 ? static_cast<uint32_t>(request.durationMs) : 0;
    values.parameter = request.parameter.value_or(kind->defaultParameter);
    values.direction = kind->direction;
    if (kind->family == EffectFamily::Scroll) {
        // The stage already reported a picture it could not read; an unreadable
        // scroll image stays empty and the scroll shows nothing of it.
        screen.freshScratch().createFromImage(request.picture, 100, Surface::OnFailure::Quiet);
    }
    if (request.number == kDownMove) values.parameter = kDownMoveStep;
    return values;
}

void runEffectFamily(Screen& screen, const EffectValues& values, bool cancellable) {
    const EffectRun run{screen, values, cancellable};
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
    screen.effectBusy().store(false, std::memory_order_release);
}

bool runEffect(Screen& screen, const EffectRequest& request) {
    std::optional<EffectValues> values = startEffect(screen, request, false);
    if (!values) return false;
    runEffectFamily(screen, *values, false);
    return values->family == EffectFamily::Invert;
}

}  // namespace morv
