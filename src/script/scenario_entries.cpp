// Reading scripts out of the scenario archive.
#include "script/scenario_entries.h"

#include "image/image_archive.h"

namespace morv {

bool ScenarioEntries::readEntry(std::string_view name, std::string& out) const {
    return archive_.size(name) != 0 && archive_.readRaw(name, out);
}

}  // namespace morv
