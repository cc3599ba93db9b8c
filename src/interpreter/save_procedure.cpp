// Saved games as the interpreter sees them: the save directory and the previous-choice save.
#include "interpreter/save_procedure.h"

#include "config/game_config.h"
#include "platform/file_resolver.h"

namespace morv {

SaveProcedure::SaveProcedure(const GameConfig& config, FileResolver& files) : config_(config), files_(files) {}

void SaveProcedure::ensureSaveDirectory() { files_.makeDirectory(config_.saveDirectory); }

void SaveProcedure::deletePreviousChoiceSave() { files_.remove(config_.saveDirectory + kPreviousChoiceSave); }

void SaveProcedure::savePreviousChoice() {}

}  // namespace morv
