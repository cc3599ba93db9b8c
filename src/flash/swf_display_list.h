// What is on the stage: the objects placed at each depth, sprites with their own
// running timelines inside them.
#pragma once
#include <cstdint>
#include <map>
#include <memory>

#include "flash/swf_movie.h"

namespace morv::swf {

class SpriteInstance;

// Counts the objects on the stage at every level, so that sprites placing
// themselves over and over cannot fill memory.
struct ObjectBudget {
    int live = 0;
};

struct DisplayObject {
    DisplayObject(ObjectBudget& budget, uint16_t characterId);
    ~DisplayObject();
    DisplayObject(const DisplayObject&) = delete;
    DisplayObject& operator=(const DisplayObject&) = delete;

    ObjectBudget& budget;
    uint16_t characterId;
    Matrix matrix;
    ColorTransform colorTransform;
    uint16_t clipDepth = 0;
    std::unique_ptr<SpriteInstance> sprite;  // set when the character is a sprite
};

class DisplayList {
public:
    DisplayList(const Movie& movie, ObjectBudget& budget, int nesting)
        : movie_(movie), budget_(budget), nesting_(nesting) {}

    void apply(const DisplayChange& change);
    // Moves every sprite on the list one frame on.
    void stepSprites();
    void clear() { objects_.clear(); }

    const std::map<uint16_t, std::unique_ptr<DisplayObject>>& objects() const { return objects_; }

private:
    void setCharacter(DisplayObject& object, uint16_t characterId);

    const Movie& movie_;
    ObjectBudget& budget_;
    int nesting_;  // sprites between this list and the main timeline
    std::map<uint16_t, std::unique_ptr<DisplayObject>> objects_;
};

// A running copy of a sprite's timeline; it loops back to its first frame after its last.
class SpriteInstance {
public:
    SpriteInstance(const Movie& movie, const Timeline& timeline, ObjectBudget& budget, int nesting);

    void step();
    int frame() const { return frame_; }
    const DisplayList& displayList() const { return list_; }

private:
    void enter(int frame);

    const Timeline& timeline_;
    DisplayList list_;
    int frame_ = 0;
};

// The main timeline on the stage. It plays forward only and holds at the movie's last frame.
class Stage {
public:
    explicit Stage(const Movie& movie);

    // Plays forward to `frame` (clamped to the last frame); earlier frames are not replayed.
    void advanceTo(int frame);
    int frame() const { return frame_; }
    const DisplayList& displayList() const { return list_; }

private:
    const Movie& movie_;
    ObjectBudget budget_;
    DisplayList list_;
    int frame_ = 0;
};

}  // namespace morv::swf
