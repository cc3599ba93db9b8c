// What is on the stage: the objects placed at each depth, sprites with their own
// running timelines inside them.
#include "flash/swf_display_list.h"

#include <algorithm>

#include "flash/swf_limits.h"

namespace morv::swf {

DisplayObject::DisplayObject(ObjectBudget& budget, uint16_t characterId) : budget(budget), characterId(characterId) {
    ++budget.live;
}

DisplayObject::~DisplayObject() {
    sprite.reset();  // its objects leave the budget before this one does
    --budget.live;
}

void DisplayList::setCharacter(DisplayObject& object, uint16_t characterId) {
    object.characterId = characterId;
    object.sprite.reset();
    const Character* character = movie_.character(characterId);
    // Sprites nested deeper than the limit stay empty.
    if (character && std::holds_alternative<Sprite>(*character) && nesting_ < kMaxSpriteNesting)
        object.sprite = std::make_unique<SpriteInstance>(movie_, std::get<Sprite>(*character).timeline, budget_,
                                                         nesting_ + 1);
}

void DisplayList::apply(const DisplayChange& change) {
    auto found = objects_.find(change.depth);
    DisplayObject* object = found == objects_.end() ? nullptr : found->second.get();
    switch (change.kind) {
        case DisplayChange::Remove:
            if (object) objects_.erase(found);
            return;
        case DisplayChange::Place:
            if (object) objects_.erase(found);
            if (budget_.live >= kMaxDisplayObjects || !movie_.character(change.characterId)) return;
            object = objects_.emplace(change.depth, std::make_unique<DisplayObject>(budget_, change.characterId))
                         .first->second.get();
            setCharacter(*object, change.characterId);
            break;
        case DisplayChange::Replace:
            if (!object) return;
            if (object->characterId != change.characterId) setCharacter(*object, change.characterId);
            break;
        case DisplayChange::Modify:
            if (!object) return;
            break;
    }
    if (change.matrix) object->matrix = *change.matrix;
    if (change.colorTransform) object->colorTransform = *change.colorTransform;
    if (change.clipDepth) object->clipDepth = *change.clipDepth;
}

void DisplayList::stepSprites() {
    for (auto& [depth, object] : objects_)
        if (object->sprite) object->sprite->step();
}

SpriteInstance::SpriteInstance(const Movie& movie, const Timeline& timeline, ObjectBudget& budget, int nesting)
    : timeline_(timeline), list_(movie, budget, nesting) {
    enter(0);
}

void SpriteInstance::enter(int frame) {
    frame_ = frame;
    if (frame_ < static_cast<int>(timeline_.frames.size()))
        for (const DisplayChange& change : timeline_.frames[frame_]) list_.apply(change);
}

void SpriteInstance::step() {
    // Sprites already on the list move on first; those placed by the new frame start at their first.
    list_.stepSprites();
    const int count = static_cast<int>(timeline_.frames.size());
    if (count <= 1) return;
    if (frame_ + 1 < count) {
        enter(frame_ + 1);
    } else {
        list_.clear();
        enter(0);
    }
}

Stage::Stage(const Movie& movie) : movie_(movie), list_(movie, budget_, 0) {
    for (const DisplayChange& change : movie_.timeline.frames.front()) list_.apply(change);
}

void Stage::advanceTo(int frame) {
    frame = std::min(frame, movie_.lastFrame());
    while (frame_ < frame) {
        list_.stepSprites();
        ++frame_;
        for (const DisplayChange& change : movie_.timeline.frames[frame_]) list_.apply(change);
    }
}

}  // namespace morv::swf
