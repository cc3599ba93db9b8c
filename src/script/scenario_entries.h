// The scenario archive as the script reader sees it.
#pragma once
#include "script/script_archive.h"

namespace morv {

class ImageArchive;

// Whole entries of an opened scenario archive; an empty entry reads like a missing one.
class ScenarioEntries final : public ScriptArchive {
public:
    explicit ScenarioEntries(const ImageArchive& archive) : archive_(archive) {}
    bool readEntry(std::string_view name, std::string& out) const override;

private:
    const ImageArchive& archive_;
};

}  // namespace morv
