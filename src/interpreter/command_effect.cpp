// Transition commands and rectangle filters.
#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "config/game_config.h"
#include "display/screen.h"
#include "effects/continuous_effect.h"
#include "effects/effect_library_loader.h"
#include "effects/effect_table.h"
#include "effects/library_effect.h"
#include "effects/rect_effect.h"
#include "effects/run_effect.h"
#include "effects/threaded_effect.h"
#include "interpreter/command_arguments.h"
#include "interpreter/effect_commands.h"
#include "interpreter/engine_status.h"
#include "platform/clock.h"
#include "script/numeric_text.h"

namespace morv {

namespace {

// The values one cgeffect or threadcgeffect line hands to its transition.
struct TransitionRequest {
    static constexpr int kLibraryEffect = -1;

    int effect = 0;
    int durationMs = 0;
    std::string picture;
    std::optional<int32_t> parameter;  // the effect's default when absent
    std::string libraryEffect;         // named effect of an effect library
};

TransitionRequest transitionRequest(const ScenarioCommand& command) {
    const auto& args = command.args;
    TransitionRequest request;
    request.effect = decimalValue(args[0]);
    request.durationMs = decimalValue(args[1]);
    request.picture = args[2];
    if (command.argCount == 4) request.parameter = decimalValue(args[3]);
    request.libraryEffect = args[ScenarioCommand::kMaxArguments - 1];
    return request;
}

// Puts the picture of a built-in transition in place: the stage background
// unless the picture keeps the stage, and the scroll image for the scrolls.
// A worker's effect has stopped first, so no frame is drawn from a half-made stage.
void preparePictures(Screen& screen, const TransitionRequest& request) {
    stopEffect(screen.effectCanvas());
    if (!pictureKeepsStage(request.picture)) screen.setBackground(request.picture);
    if (scrollsPicture(request.effect)) {
        // The stage already reported a picture it could not read; an unreadable
        // scroll image stays empty and the scroll shows nothing of it.
        screen.freshScratch().createFromImage(request.picture, 100, Surface::OnFailure::Quiet);
    }
}

// Runs a transition: to its end on this thread, or a built-in one started on the
// worker when threaded. True when it has finished.
bool runTransition(const EffectContext& c, const TransitionRequest& request, bool threaded) {
    Screen& screen = c.screen;
    if (request.effect == TransitionRequest::kLibraryEffect) {
        // The duration word reaches the library as the unsigned word it was written as.
        const LibraryEffectRequest library{request.libraryEffect, static_cast<uint32_t>(request.durationMs),
                                           request.picture, request.parameter.value_or(0)};
        const LibraryEffectCall call = startLibraryEffect(screen, c.config, library, threaded);
        const LibraryEffectServices services{c.files, c.messages};
        // The canvases are taken after the picture replaced the scratch surface.
        if (threaded)
            return startThreadedLibraryEffect(c.worker, screen.effectCanvas(), screen.workerCanvas(), call, services);
        callLibraryEffect(screen.effectCanvas(), call, services);
        return true;
    }
    // Numbers that are no built-in effect change nothing.
    if (!effectKind(request.effect, screen.height())) return true;
    preparePictures(screen, request);
    // The canvases are taken after the scroll image replaced the scratch surface.
    const EffectRequest effect{request.effect, request.durationMs, request.parameter};
    if (threaded) return startThreadedEffect(c.worker, screen.effectCanvas(), screen.workerCanvas(), effect);
    runEffect(screen.effectCanvas(), effect);
    return true;
}

FilterRequest filterRequest(const ScenarioCommand& command) {
    const size_t count = static_cast<size_t>(std::clamp(command.argCount, 0, ScenarioCommand::kMaxArguments));
    std::vector<std::string> arguments;
    for (size_t i = 0; i < count; ++i) arguments.push_back(command.args[i]);
    return filterRequestFromArguments(arguments);
}

}  // namespace

EffectCommands::EffectCommands(const EffectContext& context)
    : c_(context), continuous_(std::make_unique<ContinuousEffect>(context.files, context.messages)) {}

EffectCommands::~EffectCommands() = default;

void EffectCommands::substitute(ScenarioCommand& command, int first, int last) {
    substituteArguments(c_.variables, command, first, last);
}

void EffectCommands::askWorkerToStop() {
    c_.screen.effectRun() = 0;
    c_.clock.yield();
    c_.clock.yield();
}

void EffectCommands::perform(ScenarioCommand& command) {
    EngineStatus& status = c_.status;
    switch (command.id) {
        case CommandId::CgEffect:
            substitute(command, 0, 3);
            endContinuousEffect();
            runTransition(c_, transitionRequest(command), false);
            break;
        case CommandId::ThreadCgEffect:
            substitute(command, 0, 3);
            endContinuousEffect();
            status.set((status.value() & EngineState::kWorkerKeepMask) + EngineState::kWorkerEffect);
            if (runTransition(c_, transitionRequest(command), true)) status.lower(EngineState::kWorkerEffect);
            break;
        case CommandId::CgEffect2:
            substitute(command, 0, 1);
            if (command.argCount > 0) {
                startContinuousEffect(command.args[0], command.args[1]);
            } else {
                endContinuousEffect();
                c_.screen.redrawTextWindow();
            }
            break;
        case CommandId::RectEffect:
        case CommandId::BufferRectEffect:
            substitute(command, 0, ScenarioCommand::kMaxArguments - 1);
            runRectEffect(c_.screen.effectCanvas(), filterRequest(command),
                          command.id == CommandId::RectEffect ? FilterTarget::Scene : FilterTarget::Stage);
            break;
        default:
            break;
    }
}

void EffectCommands::endContinuousEffect() {
    continuous_->end();
    c_.status.clearPluginBit();
}

bool EffectCommands::startContinuousEffect(const std::string& word, const std::string& parameter) {
    c_.status.set(c_.status.value() | EngineState::kPluginBit);
    c_.screen.setSceneChanged(true);
    const bool started = continuous_->start(effectLibraryPath(c_.config.cgEffectDirectory, word), word, parameter,
                                            c_.screen.surface(SurfaceRole::FrameSurface),
                                            c_.screen.surface(SurfaceRole::SceneSurface),
                                            c_.screen.surface(SurfaceRole::StageSurface));
    if (!started) endContinuousEffect();
    return started;
}

void EffectCommands::tickContinuousEffect() {
    continuous_->update();
    if (c_.status.windowShown) c_.screen.layTextWindowOverFrame();
    c_.screen.present();
}

void EffectCommands::restoreContinuousEffect(const std::string& word, const std::string& parameter) {
    endContinuousEffect();
    if (!word.empty()) startContinuousEffect(word, parameter);
}

}  // namespace morv
