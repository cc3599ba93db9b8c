// Saving the running game into a slot and giving a slot's game back to its owners.
#include "interpreter/save_procedure.h"

#include <cstdio>
#include <limits>

#include "config/game_config.h"
#include "display/screen.h"
#include "effects/continuous_effect.h"
#include "interpreter/running_scripts.h"
#include "interpreter/scenario_state.h"
#include "platform/clock.h"
#include "platform/file_resolver.h"
#include "platform/message_boxes.h"
#include "saves/save_picture.h"
#include "saves/save_stream.h"
#include "script/script_factory.h"
#include "script/script_file.h"
#include "sound/sound_system.h"

namespace morv {

namespace {

constexpr const char* kCreateFailed = "파일 생성에 실패했습니다.";
constexpr const char* kReadFailed = "파일 읽기에 실패했습니다.";

}  // namespace

std::string SaveProcedure::slotFileName(int slot) {
    char name[32];
    std::snprintf(name, sizeof name, "Save%04d.dat", slot);
    return name;
}

std::string SaveProcedure::slotFile(int slot) const { return c_.config.saveDirectory + slotFileName(slot); }

void SaveProcedure::ensureSaveDirectory() { c_.files.makeDirectory(c_.config.saveDirectory); }

void SaveProcedure::deletePreviousChoiceSave() { c_.files.remove(c_.config.saveDirectory + kPreviousChoiceSave); }

bool SaveProcedure::previousChoiceSaveExists() const {
    return c_.files.exists(c_.config.saveDirectory + kPreviousChoiceSave);
}

SaveGame SaveProcedure::gather() const {
    SaveGame game;
    game.savedAt = c_.clock.localTime();
    game.comment = c_.state.saveComment;
    const Screen& screen = c_.screen;
    game.picture = savedPicture(screen.saveScenePixels(), screen.format());
    // A screen without its surfaces still writes a whole (black) picture.
    game.picture.resize(static_cast<size_t>(screen.width()) * static_cast<size_t>(screen.height()));
    game.variables = c_.state.variables.variables();
    if (const ScriptFile* scenario = c_.scripts.scenario()) {
        game.scenarioName = scenario->FileName();
        // A page past what two bytes hold resumes at the start of the file.
        const int line = scenario->LastPageLine();
        game.scenarioLine = line > 0 && line <= std::numeric_limits<uint16_t>::max() ? static_cast<uint16_t>(line) : 0;
    }
    game.backgroundName = screen.backgroundName();
    game.bgmFadeTimeMs = c_.sound.fadeTime();
    game.bgmName = c_.sound.bgmName();
    game.loopNames[0] = c_.sound.loopName(1);
    game.loopNames[1] = c_.sound.loopName(2);
    game.characterScale = static_cast<int16_t>(screen.characterScale());
    game.windowHidden = screen.textWindowHidden();
    game.fullScreenText = screen.fullScreenText();
    game.effectWord = c_.continuousEffect.word();
    game.effectParameter = c_.continuousEffect.parameter();
    game.callFrames = c_.state.callStack.frames();
    const SavedFont font = screen.fontForSaving();
    game.fontHeight = font.height;
    game.fontStyle = font.type;
    game.fontFace = font.faceName;
    return game;
}

bool SaveProcedure::save(int slot) {
    ensureSaveDirectory();
    std::optional<std::string> file;
    if (slot >= 0) {
        SaveStream stream = SaveStream::forSaving();
        writeSaveGame(stream, gather());
        file = stream.fileBytes();
    }
    if (!file || !c_.files.writeAll(slotFile(slot), *file)) {
        c_.messages.error(kCreateFailed);
        return false;
    }
    return true;
}

std::optional<SaveGame> SaveProcedure::load(int slot) {
    ensureSaveDirectory();
    std::optional<SaveGame> game;
    if (slot >= 0) {
        if (auto file = c_.files.readAll(slotFile(slot))) {
            if (auto stream = SaveStream::fromFileBytes(*file)) {
                game = readSaveGame(*stream, static_cast<size_t>(c_.screen.width()) *
                                                 static_cast<size_t>(c_.screen.height()));
            }
        }
    }
    if (!game) {
        c_.messages.error(kReadFailed);
        return std::nullopt;
    }
    // The scenario is read before anything changes: a save whose scenario is gone
    // is refused (after the reader's message) and the current game goes on.
    std::unique_ptr<ScriptFile> scenario = c_.factory.Open(game->scenarioName, ScriptKind::Scenario);
    if (!scenario) return std::nullopt;
    restore(*game, std::move(scenario));
    return game;
}

void SaveProcedure::restore(const SaveGame& game, std::unique_ptr<ScriptFile> scenario) {
    Screen& screen = c_.screen;
    c_.state.saveComment = game.comment;
    screen.restoreScenePixels(displayPixels(game.picture, screen.format()));
    c_.state.restoreVariables(game.variables);
    c_.scripts.replaceScenario(std::move(scenario));
    // Line 0 is a game saved before its first page: it resumes at the start.
    if (game.scenarioLine > 0) c_.scripts.running()->GoToLine(game.scenarioLine);
    screen.setBackgroundName(game.backgroundName);

    SoundSystem& sound = c_.sound;
    sound.stopAll();
    sound.setFadeTime(game.bgmFadeTimeMs);
    sound.playBgm(game.bgmName, false);
    for (const std::string& loop : game.loopNames) {
        if (!loop.empty()) sound.startLoop(loop);
    }

    screen.setCharacterScale(game.characterScale);
    screen.setTextWindowHidden(game.windowHidden);
    screen.setFullScreenText(game.fullScreenText);
    c_.state.callStack.Restore(game.callFrames);
    screen.setFont(std::to_string(game.fontHeight), game.fontFace, game.fontStyle);

    deletePreviousChoiceSave();
    screen.redrawTextWindow();
    screen.present();
}

}  // namespace morv
