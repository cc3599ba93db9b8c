// Binding, updating and ending a continuous effect library.
#include "effects/continuous_effect.h"

#include "effects/effect_library_loader.h"
#include "platform/cp949.h"
#include "platform/message_boxes.h"
#include "platform/text_format.h"

namespace morv {

ContinuousEffect::ContinuousEffect(const FileResolver& files, MessageBoxes& messages)
    : files_(files), messages_(messages) {}

// The engine ends an active effect before it takes the screen down; a library
// still bound here is released without being called.
ContinuousEffect::~ContinuousEffect() = default;

bool ContinuousEffect::start(std::string_view path, std::string_view word, std::string_view parameter,
                             Surface& frame, Surface& scene, Surface& stage) {
    end();
    word_ = word;
    parameter_ = parameter;
    std::unique_ptr<SharedLibrary> library = loadEffectLibrary(files_, path);
    if (!library) {
        messages_.error(formatText("%s 파일을 여는데 실패했습니다.", cp949::toUtf8(path).c_str()));
    } else if (auto begin = reinterpret_cast<MorvBeginCGEffect2Fn>(library->symbol("BeginCGEffect2")); !begin) {
        messages_.error("BeginCGEffect2 함수가 없습니다.");
    } else if (auto update = reinterpret_cast<MorvUpdateFrameFn>(library->symbol("UpdateFrame")); !update) {
        messages_.error("UpdateFrame 함수가 없습니다.");
    } else if (auto finish = reinterpret_cast<MorvEndCGEffect2Fn>(library->symbol("EndCGEffect2")); !finish) {
        messages_.error("EndCGEffect2 함수가 없습니다.");
    } else {
        library_ = std::move(library);
        update_ = update;
        end_ = finish;
        frame_ = std::make_unique<PluginSurface>(frame);
        scene_ = std::make_unique<PluginSurface>(scene);
        stage_ = std::make_unique<PluginSurface>(stage);
        begin(parameter_.c_str(), frame_->handle(), scene_->handle(), stage_->handle());
        return true;
    }
    word_.clear();
    parameter_.clear();
    return false;
}

void ContinuousEffect::update() {
    if (active()) update_(0, nullptr, nullptr, nullptr);
}

void ContinuousEffect::end() {
    if (!active()) return;
    end_();
    word_.clear();
    parameter_.clear();
    update_ = nullptr;
    end_ = nullptr;
    library_.reset();
    frame_.reset();
    scene_.reset();
    stage_.reset();
}

}  // namespace morv
