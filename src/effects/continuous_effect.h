// The one continuous effect of an effect library, updated once per engine turn.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "effects/plugin_handles.h"
#include "platform/shared_library.h"

namespace morv {

class FileResolver;
class MessageBoxes;

// A library with BeginCGEffect2, UpdateFrame and EndCGEffect2, bound while the
// effect is active. Its word and parameter are what a saved game keeps.
class ContinuousEffect {
public:
    ContinuousEffect(const FileResolver& files, MessageBoxes& messages);
    ~ContinuousEffect();
    ContinuousEffect(const ContinuousEffect&) = delete;
    ContinuousEffect& operator=(const ContinuousEffect&) = delete;

    // Ends any active effect, then loads `path` (effect directory + word), binds the
    // three exports and calls BeginCGEffect2. False after the failure's message;
    // nothing is active or remembered then. The library draws with the three
    // surfaces until the effect ends; they must stay until then.
    bool start(std::string_view path, std::string_view word, std::string_view parameter, Surface& frame,
               Surface& scene, Surface& stage);
    // One UpdateFrame; nothing when inactive.
    void update();
    // EndCGEffect2 and the library released; nothing when inactive.
    void end();

    bool active() const { return library_ != nullptr; }
    // The word and parameter as last started; empty when inactive.
    const std::string& word() const { return word_; }
    const std::string& parameter() const { return parameter_; }

private:
    const FileResolver& files_;
    MessageBoxes& messages_;

    // While active: the library and the handles of the surfaces it was given.
    std::unique_ptr<SharedLibrary> library_;
    std::unique_ptr<PluginSurface> frame_;
    std::unique_ptr<PluginSurface> scene_;
    std::unique_ptr<PluginSurface> stage_;
    MorvUpdateFrameFn update_ = nullptr;
    MorvEndCGEffect2Fn end_ = nullptr;
    std::string word_;
    std::string parameter_;
};

}  // namespace morv
